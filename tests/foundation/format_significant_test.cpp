#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

TEST(FormatSignificantTest, RoundsToTheRequestedDigits) {
  EXPECT_EQ(FormatSignificant(1.23456, 4, false), "1.235");
  EXPECT_EQ(FormatSignificant(1051, 2, false), "1100");
  EXPECT_EQ(FormatSignificant(1049, 2, false), "1000");
  EXPECT_EQ(FormatSignificant(2.5, 1, false), "3");
  EXPECT_EQ(FormatSignificant(-2.5, 1, false), "-3");
  EXPECT_EQ(FormatSignificant(0.5, 3, false), "0.500");
}

TEST(FormatSignificantTest, PadsWithZerosToTheRequestedDigits) {
  EXPECT_EQ(FormatSignificant(1.23456, 8, false), "1.2345600");
  EXPECT_EQ(FormatSignificant(0.0, 4, false), "0.000");
  EXPECT_EQ(FormatSignificant(0.0, 1, false), "0");
  EXPECT_EQ(FormatSignificant(3.0, 4, true), "3.000");
}

TEST(FormatSignificantTest, IntegerDigitsBeyondThePrecisionBecomeZeros) {
  EXPECT_EQ(FormatSignificant(123456.789, 3, false), "123000");
  EXPECT_EQ(FormatSignificant(123456.789, 3, true), "123000");
  EXPECT_EQ(FormatSignificant(-98765.4, 2, true), "-99000");
}

TEST(FormatSignificantTest, ChoosesTheExponentFormOnlyWhenStrictlyShorter) {
  EXPECT_EQ(FormatSignificant(0.000123, 3, false), "0.000123");
  EXPECT_EQ(FormatSignificant(0.0000123, 3, false), "1.23e-05");
  EXPECT_EQ(FormatSignificant(0.0000123, 3, true), "0.0000120");
  EXPECT_EQ(FormatSignificant(12345678.0, 1, false), "1e+07");
  EXPECT_EQ(FormatSignificant(12345678.0, 1, true), "10000000");
}

TEST(FormatSignificantTest, CarryAfterThePointKeepsTheTextLength) {
  EXPECT_EQ(FormatSignificant(9.996, 3, false), "10.0");
  EXPECT_EQ(FormatSignificant(-9.996, 3, false), "-10.0");
  EXPECT_EQ(FormatSignificant(0.96, 1, false), "1.0");
  EXPECT_EQ(FormatSignificant(99.96, 3, false), "100");
}

TEST(FormatSignificantTest, CarryBeforeThePointKeepsTheMagnitude) {
  EXPECT_EQ(FormatSignificant(96, 1, false), "100");
  EXPECT_EQ(FormatSignificant(-96, 1, false), "-100");
  EXPECT_EQ(FormatSignificant(996, 2, false), "1000");
  EXPECT_EQ(FormatSignificant(9996, 1, true), "10000");
  EXPECT_EQ(FormatSignificant(99999999.7, 8, false), "100000000");
  EXPECT_EQ(FormatSignificant(999999.5, 6, true), "1000000");
}

TEST(FormatSignificantTest, ExtremeValuesAreWrittenInFull) {
  std::string huge = FormatSignificant(1e308, 8, true);
  EXPECT_EQ(huge.size(), 309u);
  EXPECT_EQ(huge.substr(0, 1), "1");
  EXPECT_EQ(huge.find_first_not_of('0', 1), std::string::npos);
  EXPECT_EQ(FormatSignificant(1e308, 8, false), "1.0000000e+308");

  std::string lowest = FormatSignificant(-DBL_MAX, 8, true);
  EXPECT_EQ(lowest.size(), 310u);
  EXPECT_EQ(lowest.substr(0, 9), "-17976931");
  EXPECT_EQ(lowest.find_first_not_of('0', 9), std::string::npos);
  EXPECT_EQ(FormatSignificant(-1e308, 4, false), "-1.000e+308");
}

TEST(FormatSignificantTest, InfinitiesAndNaNComeOutAsTheLibraryPrintsThem) {
  double inf = std::numeric_limits<double>::infinity();
  double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(FormatSignificant(inf, 4, false), Printed("%f", -1, inf));
  EXPECT_EQ(FormatSignificant(-inf, 8, true), Printed("%f", -1, -inf));
  EXPECT_EQ(FormatSignificant(nan, 3, false), Printed("%f", -1, nan));
}

TEST(FormatSignificantTest, TinyValuesBelowTheFixedDecimals) {
  EXPECT_EQ(FormatSignificant(1e-9, 3, true), "0.000000000");
  EXPECT_EQ(FormatSignificant(1e-9, 3, false), "1.00e-09");
  EXPECT_EQ(FormatSignificant(DBL_TRUE_MIN, 2, false), "4.9e-324");
}

TEST(FormatSignificantTest, DigitCountsOutsideTheUsefulRangeAreBounded) {
  EXPECT_EQ(FormatSignificant(2.5, 0, false), FormatSignificant(2.5, 1, false));
  EXPECT_EQ(FormatSignificant(2.5, -7, true), FormatSignificant(2.5, 1, true));
  EXPECT_EQ(FormatSignificant(1.0 / 3, 1000000, true), FormatSignificant(1.0 / 3, 64, true));
  EXPECT_EQ(FormatSignificant(1.0 / 3, 64, true).size(), 66u);
}

// ---------------------------------------------------------------------------
// An independent reference: the digits of the "%f" text are taken as one
// decimal integer, cut after the wanted significant digits and rounded on
// the next digit; the fixed text is then laid out from that number.

std::string AddOne(const std::string& digits) {
  std::string out = digits;
  for (std::size_t i = out.size(); i-- > 0;) {
    if (out[i] != '9') {
      ++out[i];
      return out;
    }
    out[i] = '0';
  }
  return "1" + out;
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
  std::size_t intLength = point;
  if (value == 0.0) {
    return sign + "0." + std::string(digits - 1, '0');
  }
  std::size_t first = all.find_first_not_of('0');
  if (first == std::string::npos) {
    return sign + body + std::string(digits, '0');
  }
  std::size_t cut = first + digits;
  if (all.size() < cut + 1) {
    all.resize(cut + 1, '0');
  }
  std::string kept = all.substr(0, cut);
  if (all[cut] >= '5') {
    kept = AddOne(kept);
  }
  bool grew = kept.size() > cut;
  if (cut <= intLength) {
    std::string integer = kept + std::string(intLength - cut, '0');
    return sign + integer + ".";
  }
  std::size_t integerDigits = intLength + (grew ? 1 : 0);
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
  std::vector<double> values;
  std::mt19937_64 random(7301);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-10, 16);
  for (int i = 0; i < 700; ++i) {
    double v = mantissa(random) * std::pow(10.0, exponent(random));
    values.push_back(i % 2 == 0 ? v : -v);
  }
  for (int e = -7; e <= 12; ++e) {
    double scale = std::pow(10.0, e);
    for (double m : {9.5, 9.95, 9.996, 9.9999, 99.95, 0.95, 1.05, 2.5, 4.5, 1.0, 5.0}) {
      values.push_back(m * scale);
      values.push_back(-m * scale);
    }
  }
  for (int n = 0; n <= 200; ++n) {
    values.push_back(n * 0.125);
    values.push_back(n * 0.5 + 1000.0);
    values.push_back(n * 37.0);
  }
  values.push_back(0.0);
  values.push_back(-0.0);
  values.push_back(5e-7);
  values.push_back(4e-7);
  return values;
}

TEST(FormatSignificantReferenceTest, AgreesWithTheDigitStringReference) {
  int compared = 0;
  for (double value : SampleValues()) {
    for (int digits : {1, 2, 3, 4, 6, 8}) {
      for (bool fixedOnly : {false, true}) {
        ASSERT_EQ(FormatSignificant(value, digits, fixedOnly), Reference(value, digits, fixedOnly))
            << Printed("%.17g", -1, value) << " digits " << digits << " fixed " << fixedOnly;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 2000);
}

TEST(FormatSignificantReferenceTest, ReferenceReproducesTheKnownTexts) {
  EXPECT_EQ(Reference(9.996, 3, false), "10.0");
  EXPECT_EQ(Reference(96, 1, false), "100");
  EXPECT_EQ(Reference(0.0000123, 3, false), "1.23e-05");
  EXPECT_EQ(Reference(1.23456, 8, false), "1.2345600");
}

// ---------------------------------------------------------------------------
// Properties that hold whatever the layout details.

// The value of one unit in the last digit shown.
double LastDigitUnit(const std::string& text, int digits) {
  std::size_t e = text.find('e');
  if (e != std::string::npos) {
    return std::pow(10.0, std::atoi(text.c_str() + e + 1) - (digits - 1));
  }
  std::size_t point = text.find('.');
  if (point != std::string::npos) {
    return std::pow(10.0, -static_cast<double>(text.size() - point - 1));
  }
  std::size_t first = text.find_first_not_of("-0");
  std::size_t integerDigits = text.size() - (first == std::string::npos ? text.size() : first);
  return std::pow(10.0, static_cast<double>(integerDigits) - digits);
}

int SignificantDigitsOf(const std::string& text) {
  std::string mantissa = text.substr(0, text.find('e'));
  std::size_t first = mantissa.find_first_of("123456789");
  int count = 0;
  for (std::size_t i = first; i < mantissa.size(); ++i) {
    count += mantissa[i] >= '0' && mantissa[i] <= '9' ? 1 : 0;
  }
  return count;
}

bool IsPowerOfTen(double v) {
  double exponent = std::log10(std::fabs(v));
  return std::fabs(exponent - std::round(exponent)) < 1e-12;
}

TEST(FormatSignificantPropertyTest, TextParsesBackWithinHalfALastDigit) {
  for (double value : SampleValues()) {
    if (value == 0.0 || std::fabs(value) < 1e-5) {
      continue;
    }
    for (int digits : {1, 2, 3, 4, 6, 8}) {
      std::string text = FormatSignificant(value, digits, false);
      double parsed = std::strtod(text.c_str(), nullptr);
      // "%f" has already rounded to six decimals before the digits are cut.
      double allowance = 0.5 * LastDigitUnit(text, digits) + 0.5e-6 + 1e-12 * std::fabs(value);
      ASSERT_LE(std::fabs(parsed - value), allowance) << text << " from " << value;
    }
  }
}

TEST(FormatSignificantPropertyTest, DecimalTextsShowExactlyTheWantedDigits) {
  for (double value : SampleValues()) {
    if (value == 0.0 || std::fabs(value) < 1e-5) {
      continue;
    }
    for (int digits : {1, 2, 3, 4, 6, 8}) {
      std::string text = FormatSignificant(value, digits, false);
      int shown = SignificantDigitsOf(text);
      if (text.find('e') != std::string::npos) {
        ASSERT_EQ(shown, digits) << text;
      } else if (text.find('.') != std::string::npos) {
        // Rounding up to a power of ten may show one digit more (0.96 as 1.0).
        bool carried = IsPowerOfTen(std::strtod(text.c_str(), nullptr)) && shown == digits + 1;
        ASSERT_TRUE(shown == digits || carried) << text << " digits " << digits;
      } else {
        std::size_t lastNonZero = text.find_last_of("123456789");
        std::size_t firstNonZero = text.find_first_of("123456789");
        ASSERT_LE(static_cast<int>(lastNonZero - firstNonZero + 1), digits) << text;
      }
    }
  }
}

}  // namespace
