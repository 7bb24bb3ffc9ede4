#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kinematics/unit_table.h"

namespace {

TEST(UnitConversion, MultipliesTowardsTheDisplayAndDividesBack) {
  EXPECT_DOUBLE_EQ(ConvertUnit(9.8, kUnitMetres + 1, true), 980.0);
  EXPECT_DOUBLE_EQ(ConvertUnit(980.0, kUnitMetres + 1, false), 9.8);
  EXPECT_DOUBLE_EQ(ConvertUnit(2.0, kUnitEnergyG + 3, false), 2.0 / 1550000);
  // Every factor is non-zero, so no conversion back can divide by zero.
  for (int code = 0; code < 256; ++code) {
    const double there = ConvertUnit(3.0, code, true);
    EXPECT_DOUBLE_EQ(ConvertUnit(there, code, false), 3.0) << code;
  }
}

// The potential energy groups convert gravity into the unit of the positions
// they multiply: 9.8 per second squared in metres, 980 in centimetres, and
// the bare number in pixels, where there is no length to convert to.
TEST(UnitConversion, GravityInEachPositionUnit) {
  const double expected[] = {9.8, 980.0, 9800.0, 9.8 * 39.37, 9.8 * 3.281};
  for (int offset = 0; offset < 5; ++offset) {
    EXPECT_DOUBLE_EQ(ConvertUnit(kGravity, kUnitMetres + offset, true), expected[offset]) << offset;
  }
  EXPECT_EQ(ConvertUnit(kGravity, kUnitPixels, true), 9.8);
}

}  // namespace
