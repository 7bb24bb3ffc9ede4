#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "foundation/format_significant.h"

namespace {

std::string Printed(const char* format, int precision, double value) {
  char buffer[512];
  if (precision < 0) {
    std::snprintf(buffer, sizeof buffer, format, value);
  } else {
    std::snprintf(buffer, sizeof buffer, format, precision, value);
  }
  return buffer;
}

struct Case {
  double value;
  int digits;
  bool fixedOnly;
  const char* text;
};

TEST(FormatSignificantTest, KnownTexts) {
  // Rounding and padding to the wanted digits; integer digits beyond the
  // precision become zeros; the exponent form only when strictly shorter; a
  // carry after the point keeps the text length and one before it keeps the
  // magnitude.
  const Case cases[] = {{1.23456, 4, false, "1.235"},
                        {1051, 2, false, "1100"},
                        {2.5, 1, false, "3"},
                        {0.0, 4, false, "0.000"},
                        {0.0000123, 3, true, "0.0000120"},
                        {12345678.0, 1, false, "1e+07"},
                        {DBL_TRUE_MIN, 2, false, "4.9e-324"},
                        {9.996, 3, false, "10.0"},
                        {-96, 1, false, "-100"},
                        {999999.5, 6, true, "1000000"}};
  for (const Case& c : cases) {
    EXPECT_EQ(FormatSignificant(c.value, c.digits, c.fixedOnly), c.text)
        << c.value << " digits " << c.digits;
  }
}

TEST(FormatSignificantTest, ExtremeValuesAreWrittenInFullWithoutOverflow) {
  std::string huge = FormatSignificant(1e308, 8, true);
  EXPECT_EQ(huge.size(), 309u);
  EXPECT_EQ(huge[0], '1');
  EXPECT_EQ(huge.find_first_not_of('0', 1), std::string::npos);
  std::string lowest = FormatSignificant(-DBL_MAX, 8, true);
  EXPECT_EQ(lowest.size(), 310u);
  EXPECT_EQ(lowest.substr(0, 9), "-17976931");
  EXPECT_EQ(lowest.find_first_not_of('0', 9), std::string::npos);

  double inf = std::numeric_limits<double>::infinity();
  double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(FormatSignificant(inf, 4, false), Printed("%f", -1, inf));
  EXPECT_EQ(FormatSignificant(-inf, 8, true), Printed("%f", -1, -inf));
  EXPECT_EQ(FormatSignificant(nan, 3, false), Printed("%f", -1, nan));
}

// An independent reference: the digits of the "%f" text are taken as one
// decimal integer, cut after the wanted significant digits and rounded on
// the next digit; the fixed text is then laid out from that number.

std::string AddOne(std::string digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return digits;
    }
    digits[i] = '0';
  }
  return "1" + digits;
}

std::string ReferenceFixed(double value, int digits) {
  std::string printed = Printed("%f", -1, value);
  if (!std::isfinite(value)) {
    return printed;
  }
  std::string sign = printed[0] == '-' ? "-" : "";
  std::string body = printed.substr(sign.size());
  std::size_t point = body.find('.');
  std::string all = body.substr(0, point) + body.substr(point + 1);
  if (value == 0.0) {
    return sign + "0." + std::string(digits - 1, '0');
  }
  std::size_t first = all.find_first_not_of('0');
  if (first == std::string::npos) {
    return sign + body + std::string(digits, '0');
  }
  std::size_t cut = first + digits;
  all.resize(std::max(all.size(), cut + 1), '0');
  std::string kept = all.substr(0, cut);
  if (all[cut] >= '5') {
    kept = AddOne(kept);
  }
  bool grew = kept.size() > cut;
  if (cut <= point) {
    return sign + kept + std::string(point - cut, '0') + ".";
  }
  std::size_t integerDigits = point + (grew ? 1 : 0);
  std::string decimals = kept.substr(integerDigits, kept.size() - integerDigits - (grew ? 1 : 0));
  return sign + kept.substr(0, integerDigits) + "." + decimals;
}

std::string Reference(double value, int digits, bool fixedOnly) {
  std::string text = ReferenceFixed(value, digits);
  if (!fixedOnly) {
    std::string exponent = Printed("%.*e", digits - 1, value);
    if (exponent.size() < text.size()) {
      text = exponent;
    }
  }
  if (!text.empty() && text.back() == '.') {
    text.pop_back();
  }
  return text;
}

// Values that exercise carries, halves, padding, both notations and signs.
std::vector<double> SampleValues() {
  std::vector<double> values = {0.0, -0.0, 5e-7, 4e-7};
  std::mt19937_64 random(7301);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-10, 16);
  for (int i = 0; i < 700; ++i) {
    double v = mantissa(random) * std::pow(10.0, exponent(random));
    values.push_back(i % 2 == 0 ? v : -v);
  }
  for (int e = -7; e <= 12; ++e) {
    for (double m : {9.5, 9.95, 9.996, 9.9999, 99.95, 0.95, 1.05, 2.5, 4.5, 1.0, 5.0}) {
      values.push_back(m * std::pow(10.0, e));
      values.push_back(-m * std::pow(10.0, e));
    }
  }
  for (int n = 0; n <= 200; ++n) {
    values.insert(values.end(), {n * 0.125, n * 0.5 + 1000.0, n * 37.0});
  }
  return values;
}

TEST(FormatSignificantTest, AgreesWithTheDigitStringReference) {
  for (const Case& c : {Case{9.996, 3, false, "10.0"}, Case{96, 1, false, "100"},
                        Case{0.0000123, 3, false, "1.23e-05"}}) {
    ASSERT_EQ(Reference(c.value, c.digits, c.fixedOnly), c.text) << "the reference itself";
  }
  for (double value : SampleValues()) {
    for (int digits : {1, 2, 3, 4, 6, 8}) {
      for (bool fixedOnly : {false, true}) {
        ASSERT_EQ(FormatSignificant(value, digits, fixedOnly), Reference(value, digits, fixedOnly))
            << Printed("%.17g", -1, value) << " digits " << digits << " fixed " << fixedOnly;
      }
    }
  }
}

}  // namespace
