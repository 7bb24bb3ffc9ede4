#include "graph/model_object.h"

#include <array>
#include <cmath>

#include "foundation/format_significant.h"
#include "graph/r_squared_text.h"

namespace {

enum ModelTag : std::int32_t {
  kTagA = 659,
  kTagB = 660,
  kTagC = 661,
  kTagD = 662,
  kTagE = 663,
  kTagEquation = 673,
  kTagType = 679,
};

constexpr std::array<const char*, 10> kDescriptions = {
    "",
    "Linear: Ax + B",
    "Quadratic: Ax^2 + Bx + C",
    "Cubic: Ax^3 + Bx^2 + Cx + D",
    "Cos: Acos(Bx + C) + D ",
    "Sin: Asin(Bx + C) + D ",
    "Logarithmic: Aln(Bx) + C ",
    "Exponential: Aexp(Bx) + C  ",
    "Power: A(x^B) + C ",
    "Enter an equation",
};

std::string Label4(double value) {
  return FormatSignificant(value, 4, false);
}

}  // namespace

TdvModelObject::TdvModelObject(const TdvModelObject& other)
    : TdvObject(other),
      TdvTaggedReceiver(other),
      A(other.A),
      B(other.B),
      C(other.C),
      D(other.D),
      E(other.E),
      type_(other.type_),
      equation_(other.equation_) {
  if (type_ == kEquation && other.expression_) {
    expression_ = std::make_unique<TdvExpressionNode>();
    if (!Parse(*expression_, equation_)) {
      expression_->Clear();
    }
  }
}

TdvModelObject& TdvModelObject::operator=(const TdvModelObject& other) {
  if (this != &other) {
    TdvModelObject copy(other);
    A = copy.A;
    B = copy.B;
    C = copy.C;
    D = copy.D;
    E = copy.E;
    type_ = copy.type_;
    equation_ = std::move(copy.equation_);
    expression_ = std::move(copy.expression_);
  }
  return *this;
}

bool TdvModelObject::IsA(int code) const {
  return code == kClassCode || TdvObject::IsA(code);
}

std::unique_ptr<TdvObject> TdvModelObject::Clone() const {
  return std::make_unique<TdvModelObject>(*this);
}

bool TdvModelObject::Evaluate(double& y, double x) const {
  double value = 0.0;
  // A result that is not a finite number (an overflowing exponential, a
  // negative number to a fractional power) is no point on the curve either.
  if (!EvaluateFormula(x, value) || !std::isfinite(value)) {
    return false;
  }
  y = value;
  return true;
}

bool TdvModelObject::EvaluateFormula(double x, double& y) const {
  switch (type_) {
    case kLinear:
      y = A * x + B;
      return true;
    case kQuadratic:
      y = B * x + A * x * x + C;
      return true;
    case kCubic:
      y = B * x * x + A * x * x * x + C * x + D;
      return true;
    case kCos:
      y = A * std::cos(B * x + C) + D;
      return true;
    case kSin:
      y = A * std::sin(B * x + C) + D;
      return true;
    case kLogarithmic:
      if (B * x <= 0.0) {
        return false;
      }
      y = A * std::log(B * x) + C;
      return true;
    case kExponential:
      y = A * std::exp(B * x) + C;
      return true;
    case kPower:
      if (B < 0.0 && x == 0.0) {
        return false;
      }
      y = A * std::pow(x, B) + C;
      return true;
    case kEquation:
      return expression_ && expression_->Evaluate(x, y);
    default:
      return false;
  }
}

bool TdvModelObject::Range(double x0, double x1, int steps, double& minimum,
                           double& maximum) const {
  if (x0 > x1) {
    std::swap(x0, x1);
  }
  if (steps <= 0 || x0 == x1) {
    return false;
  }
  const double step = (x1 - x0) / steps;
  bool found = false;
  // Each point is placed from x0 rather than by adding steps up, so that the
  // last one is not lost to accumulated rounding.
  for (int i = 0; i <= steps; ++i) {
    const double x = i == steps ? x1 : x0 + i * step;
    if (!(x <= x1)) {
      break;
    }
    double y = 0.0;
    if (!Evaluate(y, x)) {
      continue;
    }
    if (!found) {
      minimum = y;
      maximum = y;
      found = true;
    } else {
      minimum = std::min(minimum, y);
      maximum = std::max(maximum, y);
    }
  }
  return found;
}

void TdvModelObject::SetType(std::uint8_t t) {
  if (t == kEquation) {
    if (expression_) {
      expression_->Clear();
    } else {
      expression_ = std::make_unique<TdvExpressionNode>();
    }
  } else {
    expression_.reset();
  }
  type_ = t;
}

bool TdvModelObject::SetEquation(std::string& text) {
  std::erase(text, ' ');
  SetType(kEquation);
  equation_ = text.substr(0, kMaxEquationLength);
  if (text.size() > kMaxEquationLength || !Parse(*expression_, equation_)) {
    expression_->Clear();
    return false;
  }
  return true;
}

std::string TdvModelObject::Description(std::uint8_t t) {
  return t < kDescriptions.size() ? kDescriptions[t] : "";
}

std::string TdvModelObject::FormatLabel(bool withValues) const {
  if (!withValues) {
    return Description(type_);
  }
  const std::string a = Label4(A);
  const std::string b = Label4(B);
  const std::string c = Label4(C);
  const std::string d = Label4(D);
  switch (type_) {
    case kLinear:
      return "M: " + a + "x + " + b;
    case kQuadratic:
      return "M: " + a + "x^2 + " + b + "x + " + c;
    case kCubic:
      return "M: " + a + "x^3 + " + b + "x^2 + " + c + "x + " + d;
    case kCos:
      return "M: " + a + "cos(" + b + "x + " + c + ") + " + d;
    case kSin:
      return "M: " + a + "sin(" + b + "x + " + c + ") + " + d;
    case kLogarithmic:
      return "M: " + a + "ln(" + b + "x) + " + c;
    case kExponential:
      return "M: " + a + "exp(" + b + "x) + " + c;
    case kPower:
      return "M: " + a + "(x^" + b + ") + " + c;
    case kEquation:
      return "M: " + equation_;
    default:
      return "";
  }
}

std::string TdvModelObject::FormatRSquared(double rSquared) {
  return "r^2 = " + FormatRSquaredValue(rSquared);
}

void TdvModelObject::WriteRecord(TdvTaggedWriter& writer) const {
  writer.OpenGroup('d');
  writer.Real(kTagA, A, TdvTokenEnd::kSeparator);
  writer.Real(kTagB, B, TdvTokenEnd::kSeparator);
  writer.Real(kTagC, C, TdvTokenEnd::kSeparator);
  writer.Real(kTagD, D, TdvTokenEnd::kSeparator);
  writer.Real(kTagE, E, TdvTokenEnd::kNothing);
  writer.CloseGroup();
  writer.OpenGroup('i');
  writer.Int(kTagType, type_, TdvTokenEnd::kSpace);
  writer.CloseGroup();
  writer.OpenGroup('s');
  writer.String(kTagEquation, equation_, TdvTokenEnd::kSpace);
  writer.CloseGroup();
}

void TdvModelObject::SetIntValue(std::int32_t tag, std::int32_t value) {
  // The type is taken without touching the expression: the equation that
  // follows it in the record brings its own.
  if (tag == kTagType) {
    type_ = value >= 0 && value <= 255 ? static_cast<std::uint8_t>(value) : 0;
  }
}

void TdvModelObject::SetRealValue(std::int32_t tag, double value) {
  switch (tag) {
    case kTagA:
      A = value;
      break;
    case kTagB:
      B = value;
      break;
    case kTagC:
      C = value;
      break;
    case kTagD:
      D = value;
      break;
    case kTagE:
      E = value;
      break;
    default:
      break;
  }
}

void TdvModelObject::SetStringValue(std::int32_t tag, const std::string& text) {
  if (tag == kTagEquation && type_ == kEquation) {
    std::string equation = text;
    SetEquation(equation);
  }
}
