#include "graph/fit_object.h"

#include <bit>
#include <cmath>

#include "foundation/format_significant.h"
#include "graph/fit_statistics.h"
#include "graph/line_fit.h"
#include "graph/polynomial_fit.h"
#include "graph/r_squared_text.h"

namespace {

enum FitTag : std::int32_t {
  kTagA = 700,
  kTagB = 701,
  kTagSigA = 702,
  kTagSigB = 703,
  kTagChiSquare = 704,
  kTagQ = 705,
  kTagCoefficientCount = 707,
  kTagType = 708,
  kTagFirstCoefficient = 709,
  kTagLastCoefficient = 712,
  kTagAutoUpdate = 713,
};

constexpr std::int32_t kMaxCoefficients = 4;

const char* const kFailureCaption = "TdvFitObject::Fit";

bool EvaluatePolynomial(const TdvFitResult& r, std::uint8_t type, double x, double& y) {
  const auto& c = r.coefficients;
  switch (type) {
    case TdvFitObject::kAverage:
      y = r.a;
      return true;
    case TdvFitObject::kLine:
      y = r.b * x + r.a;
      return true;
    case TdvFitObject::kQuadratic:
      y = c[3] * x * x + (c[2] * x + c[1]);
      return true;
    case TdvFitObject::kCubic:
      y = c[3] * x * x + (c[2] * x + c[1]) + c[4] * x * x * x;
      return true;
    case TdvFitObject::kThroughOrigin:
      y = r.b * x;
      return true;
    default:
      return false;
  }
}

// No value for an unknown type or where the result is not a finite number.
bool EvaluateResult(const TdvFitResult& r, std::uint8_t type, double x, double& y) {
  double value = 0.0;
  if (!EvaluatePolynomial(r, type, x, value) || !std::isfinite(value)) {
    return false;
  }
  y = value;
  return true;
}

std::string Label3(double value) {
  return FormatSignificant(value, 3, false);
}

void ComputeAverage(const NrVector& y, int n, TdvFitResult& next) {
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) {
    sum += y[i];
  }
  next.a = sum / n;
}

void TakeLine(const NrLineFit& line, TdvFitResult& next) {
  next.a = line.a;
  next.b = line.b;
  next.sigA = line.siga;
  next.sigB = line.sigb;
  next.chiSquare = line.chi2;
  next.q = line.q;
}

void ComputePolynomial(const NrVector& x, const NrVector& y, int n, const NrVector& sig, int count,
                       TdvFitResult& next, NrStatus& status) {
  NrVector coefficients(count, status);
  if (status.Failed()) {
    return;
  }
  PolynomialFit(x, y, sig, n, count, coefficients, next.chiSquare, status);
  next.coefficients.fill(0.0);
  for (int j = 1; j <= count; ++j) {
    next.coefficients[j] = coefficients[j];
  }
  next.nCoefficients = count;
}

// FNV-1a over the bits of the points: which points a result was made for.
std::uint64_t PointsKey(const NrVector& x, const NrVector& y, int n, const NrVector& sig,
                        bool weighted) {
  std::uint64_t key = 14695981039346656037ull;
  const auto mix = [&key](std::uint64_t bits) {
    key ^= bits;
    key *= 1099511628211ull;
  };
  mix(static_cast<std::uint64_t>(n));
  mix(weighted ? 1 : 0);
  for (const NrVector* column : {&x, &y, &sig}) {
    for (int i = 1; i <= n; ++i) {
      mix(std::bit_cast<std::uint64_t>((*column)[i]));
    }
  }
  return key;
}

}  // namespace

bool TdvFitObject::IsA(int code) const {
  return code == kClassCode || TdvModelObject::IsA(code);
}

std::unique_ptr<TdvObject> TdvFitObject::Clone() const {
  return std::make_unique<TdvFitObject>(*this);
}

bool TdvFitObject::Evaluate(double& y, double x) const {
  return EvaluateResult(result_, fitType_, x, y);
}

int TdvFitObject::MinimumPoints(std::uint8_t type) {
  switch (type) {
    case kLine:
      return 2;
    case kQuadratic:
      return 3;
    case kCubic:
      return 4;
    default:
      return 1;
  }
}

void TdvFitObject::RequestFit() {
  requested_ = true;
  outcome_ = TdvFitOutcome::kNone;
}

bool TdvFitObject::Compute(const NrVector& x, const NrVector& y, int n, const NrVector& sig,
                           bool weighted, TdvFitResult& next, NrStatus& status) const {
  if (fitType_ > kThroughOrigin || n < MinimumPoints(fitType_)) {
    return false;
  }
  NrLineFit line;
  switch (fitType_) {
    case kAverage:
      ComputeAverage(y, n, next);
      return true;
    case kLine:
      fit(x, y, n, sig, weighted, line, status);
      TakeLine(line, next);
      return true;
    case kThroughOrigin:
      if (!FitThroughOrigin(x, y, n, sig, weighted, line, status)) {
        return false;
      }
      TakeLine(line, next);
      return true;
    default:
      ComputePolynomial(x, y, n, sig, fitType_ == kQuadratic ? 3 : 4, next, status);
      return true;
  }
}

bool TdvFitObject::KeepSavedResult(const NrVector& x, const NrVector& y, int n, const NrVector& sig,
                                   bool weighted) {
  if (!savedResult_ || fitType_ > kThroughOrigin || n < MinimumPoints(fitType_)) {
    return false;
  }
  const std::uint64_t key = PointsKey(x, y, n, sig, weighted);
  if (savedPoints_) {
    return *savedPoints_ == key && fitType_ == savedType_;
  }
  savedPoints_ = key;
  savedType_ = fitType_;
  return true;
}

bool TdvFitObject::Fit(const NrVector& x, const NrVector& y, int n, const NrVector& sig,
                       bool weighted, TdvFitOwner& owner) {
  requested_ = false;
  if (n < 0 || n > x.Size() || n > y.Size() || n > sig.Size()) {
    outcome_ = TdvFitOutcome::kTooFewPoints;
    return false;
  }
  NrStatus status;
  TdvFitResult next = result_;
  const bool kept = KeepSavedResult(x, y, n, sig, weighted);
  const bool computed = kept || Compute(x, y, n, sig, weighted, next, status);
  NrVector yfit;
  if (computed && !status.Failed()) {
    yfit = NrVector(n, status);
  }
  if (status.Failed()) {
    outcome_ = TdvFitOutcome::kFailed;
    if (status.Message() != shownFailure_) {
      shownFailure_ = status.Message();
      owner.ShowInformation(shownFailure_, kFailureCaption);
    }
    return false;
  }
  if (!computed) {
    outcome_ = TdvFitOutcome::kTooFewPoints;
    return false;
  }
  for (int i = 1; i <= n; ++i) {
    EvaluatePolynomial(next, fitType_, x[i], yfit[i]);
  }
  next.rSquared = Statistic(y, yfit, n, fitType_);
  result_ = next;
  savedResult_ = kept;
  shownFailure_.clear();
  outcome_ = TdvFitOutcome::kFitted;
  return true;
}

double TdvFitObject::Statistic(const NrVector& y, const NrVector& yfit, int n, std::uint8_t type) {
  const std::span<const double> data = y.Values().first(static_cast<std::size_t>(n));
  const std::span<const double> fitted = yfit.Values().first(static_cast<std::size_t>(n));
  switch (type) {
    case kAverage:
      return n > 0 ? StandardDeviationAbout(data, yfit[1]) : 0.0;
    case kThroughOrigin:
      return UncenteredRSquared(data, fitted);
    default:
      return SquaredCorrelation(data, fitted);
  }
}

std::string TdvFitObject::FormatLabel(bool) const {
  const auto& c = result_.coefficients;
  switch (fitType_) {
    case kAverage:
      return "F: Average = " + Label3(result_.a) + " ";
    case kLine:
      return "F: " + Label3(result_.b) + "x + " + Label3(result_.a) + " ";
    case kQuadratic:
      return "F: " + Label3(c[3]) + "x^2 + " + Label3(c[2]) + "x + " + Label3(c[1]) + " ";
    case kCubic:
      return "F: " + Label3(c[4]) + "x^3 + " + Label3(c[3]) + "x^2 + " + Label3(c[2]) + "x + " +
             Label3(c[1]) + " ";
    case kThroughOrigin:
      return "F: " + Label3(result_.b) + "x ";
    default:
      return "";
  }
}

std::string TdvFitObject::FormatStatistic() const {
  return fitType_ == kAverage ? "std.dev=" + Label3(result_.rSquared)
                              : "r^2=" + FormatRSquaredValue(result_.rSquared);
}

void TdvFitObject::WriteRecord(TdvTaggedWriter& writer) const {
  writer.OpenGroup('b');
  writer.Flag(kTagAutoUpdate, autoUpdate_, TdvTokenEnd::kNothing);
  writer.CloseGroup();
  writer.OpenGroup('d');
  writer.Real(kTagA, result_.a, TdvTokenEnd::kSeparator);
  writer.Real(kTagB, result_.b, TdvTokenEnd::kSeparator);
  writer.Real(kTagSigA, result_.sigA, TdvTokenEnd::kSeparator);
  writer.Real(kTagSigB, result_.sigB, TdvTokenEnd::kSeparator);
  writer.Real(kTagQ, result_.q, TdvTokenEnd::kSeparator);
  for (int j = 1; j <= result_.nCoefficients; ++j) {
    writer.Real(kTagFirstCoefficient + j - 1, result_.coefficients[j], TdvTokenEnd::kSeparator);
  }
  writer.Real(kTagChiSquare, result_.chiSquare, TdvTokenEnd::kNothing);
  writer.CloseGroup();
  writer.OpenGroup('i');
  writer.Int(kTagCoefficientCount, result_.nCoefficients, TdvTokenEnd::kSeparator);
  writer.Int(kTagType, fitType_, TdvTokenEnd::kSpace);
  writer.CloseGroup();
}

void TdvFitObject::SetFlagValue(std::int32_t tag, bool flag) {
  if (tag == kTagAutoUpdate) {
    autoUpdate_ = flag;
  }
}

void TdvFitObject::Resize(std::int32_t count) {
  // A count the fit cannot hold is ignored; shrinking drops the
  // coefficients past the new end, growing keeps those already read.
  if (count < 1 || count > kMaxCoefficients) {
    return;
  }
  for (int j = count + 1; j <= kMaxCoefficients; ++j) {
    result_.coefficients[j] = 0.0;
  }
  result_.nCoefficients = count;
}

void TdvFitObject::SetIntValue(std::int32_t tag, std::int32_t value) {
  if (tag == kTagCoefficientCount) {
    Resize(value);
  } else if (tag == kTagType) {
    if (value >= kAverage && value <= kThroughOrigin) {
      fitType_ = static_cast<std::uint8_t>(value);
    }
  } else {
    TdvModelObject::SetIntValue(tag, value);
  }
}

void TdvFitObject::SetRealValue(std::int32_t tag, double value) {
  if (tag >= kTagA && tag <= kTagLastCoefficient) {
    savedResult_ = true;
    savedPoints_.reset();
  }
  switch (tag) {
    case kTagA:
      result_.a = value;
      break;
    case kTagB:
      result_.b = value;
      break;
    case kTagSigA:
      result_.sigA = value;
      break;
    case kTagSigB:
      result_.sigB = value;
      break;
    case kTagChiSquare:
      result_.chiSquare = value;
      break;
    case kTagQ:
      result_.q = value;
      break;
    default:
      if (tag >= kTagFirstCoefficient && tag <= kTagLastCoefficient) {
        result_.coefficients[tag - kTagFirstCoefficient + 1] = value;
      } else {
        TdvModelObject::SetRealValue(tag, value);
      }
      break;
  }
}
