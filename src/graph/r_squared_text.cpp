#include "graph/r_squared_text.h"

#include <cstdlib>

#include "foundation/format_significant.h"

namespace {

constexpr int kDigits = 3;
// The largest value of kDigits digits below 1.
constexpr const char* kLargestBelowOne = "0.999";

// r² comes from sums of products, whose rounding can leave a perfect fit a
// few units of the last place short of 1 (five points on a line: 2e-16).
// Points measured on a movie never come this close to a perfect fit.
constexpr double kRoundingOfOne = 1e-12;

}  // namespace

std::string FormatRSquaredValue(double rSquared) {
  const std::string rounded = FormatSignificant(rSquared, kDigits, false);
  const bool roundedUpToOne =
      rSquared < 1.0 - kRoundingOfOne && std::strtod(rounded.c_str(), nullptr) >= 1.0;
  return roundedUpToOne ? kLargestBelowOne : rounded;
}
