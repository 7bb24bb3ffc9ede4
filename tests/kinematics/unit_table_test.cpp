#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kinematics/unit_table.h"

namespace {

struct UnitBlock {
  int firstCode;
  std::vector<const char*> texts;
  std::vector<double> factors;
};

// The unit table in blocks of related codes, texts and factors as users
// see them (the misspellings are part of what exports have always held).
const std::vector<UnitBlock>& ExpectedUnits() {
  static const std::vector<UnitBlock> blocks = {
      {0,
       {"", "s", "m", "cm", "mm", "in", "ft", "", "g"},
       {1, 1, 1, 100, 1000, 39.37, 3.281, 1, 1000}},
      {9, {"m/s", "cm/s", "mm/s", "in/s", "ft/s"}, {1, 100, 1000, 39.37, 3.281}},
      {14, {"m/s^2", "cm/s^2", "mm/s^2", "in/s^2", "ft/s^2"}, {1, 100, 1000, 39.37, 3.281}},
      {19, {"kg m/s", "kg cm/s", "kg mm/s", "kg in/s", "kg ft/s"}, {1, 100, 1000, 39.37, 3.281}},
      {24,
       {"kg m/s", "kg cm/s", "kg mm/s", "kg in/s", "kg ft/s"},
       {1000, 100000, 1000000, 39370, 3281}},
      {29, {"N", "kg cm/s^2", "kg mm/s^2", "kg in/s^2", "kg ft/s^2"}, {1, 100, 1000, 39.37, 3.281}},
      {34,
       {"N", "kg cm/s^2", "kg mm/s^2", "kg in/s^2", "kg ft/s^2"},
       {1000, 100000, 1000000, 39370, 3281}},
      {39,
       {"J", "kg cm^2/s^2", "kg mm^2/s^2", "kg in^2/s^2", "kg ft^2/s62"},
       {1000, 10000000, 1000000000, 1550000, 10765}},
      {44,
       {"J", "kg cm^2/s^2", "kg mm/s^2", "kg in^2/s^2", "kg ft^2/s^2"},
       {1, 10000, 1000000, 1550, 10.765}},
      {49,
       {"deg", "rad", "deg/s", "rad/s", "deg/s^2", "rad/s^2"},
       {0.0174532925, 1, 0.0174532925, 1, 0.0174532925, 1}},
      {55, {"kg rad/s", "g rad/s", "kg deg/s", "kg deg/s"}, {1, 1000, 1, 17.4532925}},
      {59, {"", "", "", ""}, {1, 1, 1, 1}},
      {63, {"kg rad/s^2", "kg rad/s^2", "kg deg/s^2", "kg deg/s^2"}, {1, 1000, 1, 1}},
      {67, {"pixel/m", "pixel/cm", "pixel/mm", "pixel/in", "pixel/ft"}, {1, 1, 1, 1, 1}},
      {72, {"", "pixels", "pixels/s", "pixels/s^2"}, {1, 1, 1, 1}},
      {76, {"kg pixels/s", "kg pixels/s", "k pixels/s^2", "kg pixels/s^2"}, {1, 1000, 1, 1000}},
  };
  return blocks;
}

std::string Text(int unit) {
  std::string out = "previous contents";
  UnitText(out, unit);
  return out;
}

TEST(UnitTable, TextsAndFactorsOfEveryCode) {
  int next = 0;
  for (const UnitBlock& block : ExpectedUnits()) {
    ASSERT_EQ(block.firstCode, next) << "blocks must cover every code";
    ASSERT_EQ(block.texts.size(), block.factors.size());
    for (std::size_t i = 0; i < block.texts.size(); ++i, ++next) {
      SCOPED_TRACE(next);
      EXPECT_EQ(Text(next), block.texts[i]);
      EXPECT_EQ(UnitFactor(next), block.factors[i]);
    }
  }
  EXPECT_EQ(next, 80);
}

TEST(UnitTable, CodesPastTheTableHaveNoTextAndFactorOne) {
  for (int code : {80, 81, 128, 255, 256, -1}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(Text(code), "");
    EXPECT_EQ(UnitFactor(code), 1.0);
    EXPECT_EQ(ConvertUnit(2.5, code, true), 2.5);
    EXPECT_EQ(ConvertUnit(2.5, code, false), 2.5);
  }
}

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
