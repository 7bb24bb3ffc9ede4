#include <climits>
#include <cmath>
#include <limits>
#include <utility>

#include <gtest/gtest.h>

#include "foundation/angles.h"
#include "foundation/geometry.h"

namespace {

TEST(RoundingTest, HalvesRoundAwayFromZeroAndOutOfRangeValuesStayDefined) {
  const std::pair<double, int> cases[] = {
      {2.5, 3},
      {-2.5, -3},
      {-0.5, -1},
      {0.5, 1},
      {0.49, 0},
      {-0.49, 0},
      {-7.7, -8},
      {1e300, INT_MAX},
      {-1e300, INT_MIN},
      {std::numeric_limits<double>::quiet_NaN(), 0},
      {std::numeric_limits<double>::infinity(), INT_MAX},
  };
  for (auto [value, rounded] : cases) {
    EXPECT_EQ(RoundHalfAway(value), rounded) << value;
  }
  EXPECT_EQ(RoundPoint(TdvRealPoint(1.5, -1.5)), (TdvPoint{2, -2}));
}

TEST(RectTest, PointInRectIncludesTopLeftAndExcludesBottomRight) {
  TdvRect r{10, 20, 30, 40};
  EXPECT_TRUE(PointInRect({10, 20}, r));
  EXPECT_TRUE(PointInRect({29, 39}, r));
  EXPECT_FALSE(PointInRect({30, 25}, r));
  EXPECT_FALSE(PointInRect({15, 40}, r));
  EXPECT_FALSE(PointInRect({9, 25}, r));
  EXPECT_FALSE(PointInRect({15, 19}, TdvRect{10, 20, 30, 40}));
}

}  // namespace
