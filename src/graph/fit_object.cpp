#include "graph/fit_object.h"

#include <algorithm>
#include <cmath>

#include "foundation/format_significant.h"
#include "graph/line_fit.h"
#include "graph/svd.h"

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

bool ComputeAverage(const NrVector& y, int n, TdvFitResult& next) {
  if (n <= 0) {
    return false;
  }
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) {
    sum += y[i];
  }
  next.a = static_cast<float>(sum / n);
  return true;
}

bool ComputeLine(const NrVector& x, const NrVector& y, int n, const NrVector& sig, bool weighted,
                 TdvFitResult& next, NrStatus& status) {
  if (n <= 1) {
    return false;
  }
  NrLineFit line;
  fit(x, y, n, sig, weighted, line, status);
  next.a = line.a;
  next.b = line.b;
  next.sigA = line.siga;
  next.sigB = line.sigb;
  next.chiSquare = line.chi2;
  next.q = line.q;
  return true;
}

// The power of two at or above the largest |x|. Dividing x by it is exact
// in binary floating point and keeps the columns 1, x, x², x³ of the design
// matrix of one size: unscaled, data with x in the hundreds or more give
// singular values so far apart that the cut-off for small ones removes the
// lower powers and the fit degenerates.
float PowerOfTwoScale(const NrVector& x, int n) {
  float largest = 0.0f;
  for (int i = 1; i <= n; ++i) {
    largest = std::max(largest, std::fabs(x[i]));
  }
  if (!(largest > 0.0f) || !std::isfinite(largest)) {
    return 1.0f;
  }
  int exponent = 0;
  std::frexp(largest, &exponent);
  return std::ldexp(1.0f, exponent);
}

bool ComputePolynomial(const NrVector& x, const NrVector& y, int n, const NrVector& sig, int count,
                       TdvFitResult& next, NrStatus& status) {
  if (n < count) {
    return false;
  }
  NrVector scaledX(n, status);
  NrVector coefficients(count, status);
  NrMatrix u(n, count, status);
  NrMatrix v(count, count, status);
  NrVector w(count, status);
  if (status.Failed()) {
    return true;
  }
  const float scale = PowerOfTwoScale(x, n);
  for (int i = 1; i <= n; ++i) {
    scaledX[i] = x[i] / scale;
  }
  svdfit(scaledX, y, sig, n, coefficients, count, u, v, w, next.chiSquare, fpoly, status);
  next.coefficients.fill(0.0f);
  float power = 1.0f;
  for (int j = 1; j <= count; ++j) {
    next.coefficients[j] = coefficients[j] / power;
    power *= scale;
  }
  next.nCoefficients = count;
  return true;
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

bool TdvFitObject::Compute(const NrVector& x, const NrVector& y, int n, const NrVector& sig,
                           bool weighted, TdvFitResult& next, NrStatus& status) const {
  switch (fitType_) {
    case kAverage:
      return ComputeAverage(y, n, next);
    case kLine:
      return ComputeLine(x, y, n, sig, weighted, next, status);
    case kQuadratic:
      return ComputePolynomial(x, y, n, sig, 3, next, status);
    case kCubic:
      return ComputePolynomial(x, y, n, sig, 4, next, status);
    default:
      return false;
  }
}

bool TdvFitObject::Fit(const NrVector& x, const NrVector& y, int n, const NrVector& sig,
                       bool weighted, TdvFitOwner& owner) {
  if (n < 0 || n > x.Size() || n > y.Size() || n > sig.Size()) {
    return false;
  }
  NrStatus status;
  TdvFitResult next = result_;
  bool computed = Compute(x, y, n, sig, weighted, next, status);
  NrVector yfit;
  if (computed && !status.Failed()) {
    yfit = NrVector(n, status);
  }
  if (status.Failed()) {
    if (status.Message() != shownFailure_) {
      shownFailure_ = status.Message();
      owner.ShowInformation(shownFailure_, kFailureCaption);
    }
    return false;
  }
  if (!computed) {
    return false;
  }
  for (int i = 1; i <= n; ++i) {
    double value = 0.0;
    EvaluatePolynomial(next, fitType_, x[i], value);
    yfit[i] = static_cast<float>(value);
  }
  next.rSquared = Statistic(y, yfit, n, fitType_);
  result_ = next;
  shownFailure_.clear();
  return true;
}

float TdvFitObject::Statistic(const NrVector& y, const NrVector& yfit, int n, std::uint8_t type) {
  if (n <= 0) {
    return 0.0f;
  }
  if (type == kAverage) {
    float sum = 0.0f;
    for (int i = 1; i <= n; ++i) {
      const float d = y[i] - yfit[1];
      sum += d * d;
    }
    return std::sqrt(sum / static_cast<float>(n));
  }
  float sy = 0.0f;
  float sf = 0.0f;
  float syf = 0.0f;
  float sff = 0.0f;
  float syy = 0.0f;
  for (int i = 1; i <= n; ++i) {
    sy += y[i];
    sf += yfit[i];
    syf += y[i] * yfit[i];
    sff += yfit[i] * yfit[i];
    syy += y[i] * y[i];
  }
  const float count = static_cast<float>(n);
  const float meanY = sy / count;
  const float meanF = sf / count;
  const float covariance = syf / count - meanY * meanF;
  const float denominator = (sff / count - meanF * meanF) * (syy / count - meanY * meanY);
  if (denominator == 0.0f) {
    return 1.0f;
  }
  return covariance * covariance / denominator;
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
    default:
      return "";
  }
}

std::string TdvFitObject::FormatStatistic() const {
  const std::string value = Label3(result_.rSquared);
  return fitType_ == kAverage ? "std.dev=" + value : "r^2=" + value;
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
    result_.coefficients[j] = 0.0f;
  }
  result_.nCoefficients = count;
}

void TdvFitObject::SetIntValue(std::int32_t tag, std::int32_t value) {
  if (tag == kTagCoefficientCount) {
    Resize(value);
  } else if (tag == kTagType) {
    if (value >= kAverage && value <= kCubic) {
      fitType_ = static_cast<std::uint8_t>(value);
    }
  } else {
    TdvModelObject::SetIntValue(tag, value);
  }
}

void TdvFitObject::SetRealValue(std::int32_t tag, double value) {
  const float v = static_cast<float>(value);
  switch (tag) {
    case kTagA:
      result_.a = v;
      break;
    case kTagB:
      result_.b = v;
      break;
    case kTagSigA:
      result_.sigA = v;
      break;
    case kTagSigB:
      result_.sigB = v;
      break;
    case kTagChiSquare:
      result_.chiSquare = v;
      break;
    case kTagQ:
      result_.q = v;
      break;
    default:
      if (tag >= kTagFirstCoefficient && tag <= kTagLastCoefficient) {
        result_.coefficients[tag - kTagFirstCoefficient + 1] = v;
      } else {
        TdvModelObject::SetRealValue(tag, value);
      }
      break;
  }
}
