#include <limits>
#include <utility>

#include <gtest/gtest.h>

#include "foundation/colour.h"

namespace {

TdvColour FromCode(unsigned code) {
  TdvColour colour = MakeColour(1, 2, 3);
  ColourFromCode(colour, code);
  return colour;
}

TEST(ColourCodeTest, PureColoursFollowTheirChannelsAndPercentagesTruncate) {
  const std::pair<unsigned, TdvColour> cases[] = {
      {0, MakeColour(0, 0, 0)},       {3, MakeColour(255, 0, 0)},
      {12, MakeColour(0, 255, 0)},    {48, MakeColour(0, 0, 255)},
      {15, MakeColour(255, 255, 0)},  {51, MakeColour(255, 0, 255)},
      {60, MakeColour(0, 255, 255)},  {255, MakeColour(255, 255, 255)},
      {16, MakeColour(76, 255, 76)},  {46, MakeColour(204, 204, 224)},
      {6, MakeColour(237, 237, 237)},
  };
  for (auto [code, colour] : cases) {
    EXPECT_EQ(FromCode(code), colour) << code;
  }
}

TEST(ColourPercentTest, AbsurdPercentagesStayDefined) {
  TdvColour colour = 0;
  ColourFromPercent(colour, std::numeric_limits<float>::quiet_NaN(),
                    std::numeric_limits<float>::infinity(), 1e30f);
  EXPECT_EQ(colour, 0u);
}

}  // namespace
