#include <limits>

#include <gtest/gtest.h>

#include "foundation/colour.h"

namespace {

TdvColour FromCode(unsigned code) {
  TdvColour colour = MakeColour(1, 2, 3);
  ColourFromCode(colour, code);
  return colour;
}

TEST(ColourCodeTest, PureColoursFollowTheirChannels) {
  EXPECT_EQ(FromCode(0), MakeColour(0, 0, 0));
  EXPECT_EQ(FromCode(3), MakeColour(255, 0, 0));
  EXPECT_EQ(FromCode(12), MakeColour(0, 255, 0));
  EXPECT_EQ(FromCode(48), MakeColour(0, 0, 255));
  EXPECT_EQ(FromCode(15), MakeColour(255, 255, 0));
  EXPECT_EQ(FromCode(51), MakeColour(255, 0, 255));
  EXPECT_EQ(FromCode(60), MakeColour(0, 255, 255));
  EXPECT_EQ(FromCode(255), MakeColour(255, 255, 255));
}

TEST(ColourCodeTest, PercentageColoursTruncateEachChannel) {
  TdvColour light = FromCode(16);
  EXPECT_EQ(RedOf(light), 76);
  EXPECT_EQ(GreenOf(light), 255);
  EXPECT_EQ(BlueOf(light), 76);
  EXPECT_EQ(FromCode(46), MakeColour(204, 204, 224));
  EXPECT_EQ(FromCode(6), MakeColour(237, 237, 237));
}

TEST(ColourCodeTest, SwatchCodesHaveTheirOwnDistinctColours) {
  TdvColour a = FromCode(42);
  TdvColour b = FromCode(21);
  EXPECT_NE(a, MakeColour(1, 2, 3));
  EXPECT_NE(b, MakeColour(1, 2, 3));
  EXPECT_NE(a, b);
}

TEST(ColourCodeTest, UnknownCodesLeaveTheCallersColour) {
  TdvColour colour = MakeColour(9, 8, 7);
  EXPECT_FALSE(ColourFromCode(colour, 7));
  EXPECT_EQ(colour, MakeColour(9, 8, 7));
  EXPECT_FALSE(ColourFromCode(colour, 1000));
  EXPECT_EQ(colour, MakeColour(9, 8, 7));
  EXPECT_TRUE(ColourFromCode(colour, 3));
}

TEST(ColourPercentTest, PacksRedGreenBlueIntoLowBytes) {
  TdvColour colour = 0;
  ColourFromPercent(colour, 100, 0, 0);
  EXPECT_EQ(colour, 0x0000FFu);
  ColourFromPercent(colour, 0, 100, 0);
  EXPECT_EQ(colour, 0x00FF00u);
  ColourFromPercent(colour, 0, 0, 100);
  EXPECT_EQ(colour, 0xFF0000u);
}

TEST(ColourPercentTest, ChannelsKeepOnlyTheirLowEightBits) {
  TdvColour colour = 0;
  ColourFromPercent(colour, 110, 200, 50);  // 280.5 and 510 wrap
  EXPECT_EQ(RedOf(colour), 280 & 0xFF);
  EXPECT_EQ(GreenOf(colour), 510 & 0xFF);
  EXPECT_EQ(BlueOf(colour), 127);
}

TEST(ColourPercentTest, AbsurdPercentagesStayDefined) {
  TdvColour colour = 0;
  ColourFromPercent(colour, std::numeric_limits<float>::quiet_NaN(),
                    std::numeric_limits<float>::infinity(), 1e30f);
  EXPECT_EQ(colour, 0u);
}

}  // namespace
