#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "fake_series_document.h"
#include "model/series.h"
#include "model/series_units.h"

namespace {

TEST(UnitConversion, LengthsUseTheirShortDecimalFactorsBothWays) {
  const double expected[] = {1.0, 100.0, 1000.0, 39.37, 3.2808};
  for (int code = 1; code <= 5; ++code) {
    double value = 2.0;
    ConvertLength(value, code, false);
    EXPECT_EQ(value, 2.0 * expected[code - 1]) << code;
    ConvertLength(value, code, true);
    EXPECT_DOUBLE_EQ(value, 2.0) << code;
  }
}

}  // namespace
