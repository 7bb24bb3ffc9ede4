#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "graph/fit_owner.h"
#include "graph/model_object.h"
#include "graph/nr_arrays.h"

// What one run of a fit leaves behind. Coefficients are 1-based: c[1] +
// c[2]x + c[3]x² + c[4]x³, of which the first nCoefficients are in use and
// the rest are 0.
struct TdvFitResult {
  float a = 0.0f;  // the average, or the intercept of a line
  float b = 0.0f;  // the slope of a line
  float sigA = 0.0f;
  float sigB = 0.0f;
  float chiSquare = 0.0f;
  float q = 0.0f;
  float rSquared = 0.0f;  // r², or the standard deviation of an average
  std::array<float, 5> coefficients{};
  std::int32_t nCoefficients = 4;
};

// A least-squares fit drawn over a graph: the average of the points, a
// straight line, or a polynomial of order 2 or 3. It is built on the model
// so that the graph draws both curves the same way; the model's own
// constants and equation are not used.
class TdvFitObject : public TdvModelObject {
 public:
  static constexpr int kClassCode = 'M';

  enum FitType : std::uint8_t {
    kAverage = 0,
    kLine = 1,
    kQuadratic = 2,
    kCubic = 3,
  };

  bool IsA(int code) const override;
  std::unique_ptr<TdvObject> Clone() const override;

  // No value for a fit type that does not exist or where the fitted
  // curve is not a finite number.
  bool Evaluate(double& y, double x) const override;

  // Fits the n points (x, y) with standard deviations sig, all 1-based,
  // by the current type, then computes rSquared. Too few points for the
  // type leave the fit as it was. A failure of the numerical routines
  // abandons this fit only: the previous result stays and the owner shows
  // the routine's message, once for as long as the same failure repeats.
  // Answers whether a new result was taken.
  bool Fit(const NrVector& x, const NrVector& y, int n, const NrVector& sig, bool weighted,
           TdvFitOwner& owner);

  // Standard deviation of y about yfit[1] for an average; for the other
  // types the square of the correlation of y with yfit, 1 when either does
  // not vary. 0 for no points.
  static float Statistic(const NrVector& y, const NrVector& yfit, int n, std::uint8_t type);

  // "F: 2.00x + 1.00 " and the like; the fit always shows its values.
  std::string FormatLabel(bool withValues) const override;
  // "r^2=1.00", or "std.dev=1.63" for an average.
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

 private:
  // Runs the fit of the current type into next; answers false when there
  // are too few points or the type is unknown.
  bool Compute(const NrVector& x, const NrVector& y, int n, const NrVector& sig, bool weighted,
               TdvFitResult& next, NrStatus& status) const;
  void Resize(std::int32_t count);

  TdvFitResult result_;
  std::uint8_t fitType_ = kLine;
  bool autoUpdate_ = true;
  // The message of the last failure shown, until a fit succeeds again.
  std::string shownFailure_;
};
