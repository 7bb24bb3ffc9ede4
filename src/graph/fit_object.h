#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "graph/fit_owner.h"
#include "graph/model_object.h"
#include "graph/nr_arrays.h"

// What one run of a fit leaves behind. Coefficients are 1-based: c[1] +
// c[2]x + c[3]x² + c[4]x³, of which the first nCoefficients are in use and
// the rest are 0.
struct TdvFitResult {
  double a = 0.0;  // the average, or the intercept of a line
  double b = 0.0;  // the slope of a line (also through the origin)
  double sigA = 0.0;
  double sigB = 0.0;
  double chiSquare = 0.0;
  double q = 0.0;
  double rSquared = 0.0;  // r², or the standard deviation of an average
  std::array<double, 5> coefficients{};
  std::int32_t nCoefficients = 4;
};

// How the last request for a fit ended.
enum class TdvFitOutcome : std::uint8_t {
  kNone,          // no fit has run since the request
  kFitted,        // a new result, or the saved one confirmed by the same data
  kTooFewPoints,  // the previous result stays
  kFailed,        // a numerical routine failed; the previous result stays
};

// A least-squares fit drawn over a graph: the average of the points, a
// straight line, a line through the origin, or a polynomial of order 2 or
// 3. It is built on the model so that the graph draws both curves the same
// way; the model's own constants and equation are not used.
//
// A result read from a document is kept as saved, and only its statistic
// is computed, for as long as the fit is given the same points: opening a
// file shows the coefficients its author saw. A fit of other points, or of
// another type, replaces it.
class TdvFitObject : public TdvModelObject {
 public:
  static constexpr int kClassCode = 'M';

  enum FitType : std::uint8_t {
    kAverage = 0,
    kLine = 1,
    kQuadratic = 2,
    kCubic = 3,
    // After the others so that saved type numbers keep their meaning.
    kThroughOrigin = 4,
  };

  bool IsA(int code) const override;
  std::unique_ptr<TdvObject> Clone() const override;

  // No value for a fit type that does not exist or where the fitted
  // curve is not a finite number.
  bool Evaluate(double& y, double x) const override;

  // Fits the n points (x, y) with standard deviations sig, all 1-based,
  // by the current type, then computes rSquared. Too few points for the
  // type (MinimumPoints; a line through the origin also needs an x that is
  // not 0) leave the fit as it was. A failure of the numerical routines
  // abandons this fit only: the previous result stays and the owner shows
  // the routine's message, once for as long as the same failure repeats.
  // Answers whether a new result was taken.
  bool Fit(const NrVector& x, const NrVector& y, int n, const NrVector& sig, bool weighted,
           TdvFitOwner& owner);

  // Standard deviation of y about yfit[1] for an average; r² of a line
  // through the origin about 0; for the other types the square of the
  // correlation of y with yfit, 1 when either does not vary. 0 for no
  // points.
  static double Statistic(const NrVector& y, const NrVector& yfit, int n, std::uint8_t type);
  // The fewest points a fit of the type takes.
  static int MinimumPoints(std::uint8_t type);

  // "F: 2.00x + 1.00 " and the like; the fit always shows its values.
  std::string FormatLabel(bool withValues) const override;
  // "r^2=1.00" (r² as FormatRSquaredValue shows it), or "std.dev=1.63" for
  // an average.
  std::string FormatStatistic() const;

  void WriteRecord(TdvTaggedWriter& writer) const override;
  void SetFlagValue(std::int32_t tag, bool flag) override;
  void SetIntValue(std::int32_t tag, std::int32_t value) override;
  void SetRealValue(std::int32_t tag, double value) override;

  std::uint8_t FitType() const { return fitType_; }
  void SetFitType(std::uint8_t type) { fitType_ = type; }
  bool AutoUpdate() const { return autoUpdate_; }
  void SetAutoUpdate(bool on) { autoUpdate_ = on; }
  const TdvFitResult& Result() const { return result_; }

  // Asks for a fit at the graph's next update even when the fit does not
  // update automatically (the fit dialog applies through this). A result
  // read from a document asks for one too, for its statistic.
  void RequestFit();
  bool FitRequested() const { return requested_ || (savedResult_ && !savedPoints_); }
  TdvFitOutcome LastOutcome() const { return outcome_; }

 private:
  // Runs the fit of the current type into next; answers false when there
  // are too few points or the type is unknown.
  bool Compute(const NrVector& x, const NrVector& y, int n, const NrVector& sig, bool weighted,
               TdvFitResult& next, NrStatus& status) const;
  void Resize(std::int32_t count);
  // Whether the saved result is the one to show for these points.
  bool KeepSavedResult(const NrVector& x, const NrVector& y, int n, const NrVector& sig,
                       bool weighted);

  TdvFitResult result_;
  std::uint8_t fitType_ = kLine;
  bool autoUpdate_ = true;
  bool requested_ = false;
  TdvFitOutcome outcome_ = TdvFitOutcome::kNone;
  // A result read from a document, until a new one replaces it, and the
  // points and type it was first shown for.
  bool savedResult_ = false;
  std::optional<std::uint64_t> savedPoints_;
  std::uint8_t savedType_ = kLine;
  // The message of the last failure shown, until a fit succeeds again.
  std::string shownFailure_;
};
