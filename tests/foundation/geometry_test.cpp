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

TEST(RotationTest, PositiveAnglesTurnCounterClockwiseWithYUp) {
  TdvRealPoint turned = RotatePoint(1.0, 0.0, kHalfPi);
  EXPECT_NEAR(turned.x, 0.0, 1e-11);
  EXPECT_NEAR(turned.y, 1.0, 1e-11);
  EXPECT_TRUE(turned.valid);
  TdvRealPoint back = RotatePoint(turned.x, turned.y, -kHalfPi);
  EXPECT_NEAR(back.x, 1.0, 1e-11);
  EXPECT_NEAR(back.y, 0.0, 1e-11);
}

TEST(RotationTest, RotateAboutKeepsTheCentreAndTheDistance) {
  TdvRealPoint centre(10.0, 5.0);
  TdvRealPoint p(13.0, 9.0);
  TdvRealPoint turned = RotateAbout(centre, p, kPi);
  EXPECT_NEAR(turned.x, 7.0, 1e-9);
  EXPECT_NEAR(turned.y, 1.0, 1e-9);
  EXPECT_NEAR(Distance(centre, turned), 5.0, 1e-12);
  EXPECT_EQ(Distance(centre, p), 5.0);
  TdvRealPoint same = RotateAbout(centre, centre, 1.0);
  EXPECT_EQ(same.x, 10.0);
  EXPECT_EQ(same.y, 5.0);
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

TEST(RectTest, NegatedYTestsAgainstTheMirroredRectangle) {
  TdvRect yUp{0, 10, 50, -20};  // top 10 above the axis, bottom 20 below
  EXPECT_TRUE(PointInRectNegatedY({5, -10}, yUp));
  EXPECT_TRUE(PointInRectNegatedY({5, 19}, yUp));
  EXPECT_FALSE(PointInRectNegatedY({5, 20}, yUp));
  EXPECT_FALSE(PointInRectNegatedY({5, -11}, yUp));
  EXPECT_FALSE(PointInRectNegatedY({5, 0}, TdvRect{0, 0, 10, 10}));
  EXPECT_FALSE(PointInRectNegatedY({0, 0}, TdvRect{0, INT_MIN, 10, 0}));
}

TEST(RectTest, ClampMovesEachCoordinateSeparately) {
  TdvRect r{0, 0, 100, 50};
  EXPECT_EQ(ClampPointToRect({-5, 20}, r), (TdvPoint{0, 20}));
  EXPECT_EQ(ClampPointToRect({150, 70}, r), (TdvPoint{100, 50}));
  EXPECT_EQ(ClampPointToRect({40, -3}, r), (TdvPoint{40, 0}));
  EXPECT_EQ(ClampPointToRect({40, 30}, r), (TdvPoint{40, 30}));
}

TEST(RectTest, CentreUsesHalfTheExtentFromTheLowEdge) {
  EXPECT_EQ(RectCentre(TdvRect{0, 0, 11, 7}), (TdvPoint{5, 3}));
  // Integer division of the extent truncates towards zero.
  EXPECT_EQ(RectCentre(TdvRect{-3, -5, 0, 0}), (TdvPoint{-2, -3}));
  EXPECT_EQ(RectCentre(TdvRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}), (TdvPoint{-1, -1}));
}

TEST(RectTest, IntersectionIsTheCommonPartOrNone) {
  std::optional<TdvRect> common = IntersectRects({0, 0, 10, 10}, {5, -5, 20, 8});
  ASSERT_TRUE(common.has_value());
  EXPECT_EQ(*common, (TdvRect{5, 0, 10, 8}));
  EXPECT_FALSE(IntersectRects({0, 0, 10, 10}, {10, 0, 20, 10}).has_value());
  EXPECT_FALSE(IntersectRects({0, 0, 10, 10}, {20, 20, 30, 30}).has_value());
  EXPECT_FALSE(IntersectRects({0, 0, 0, 10}, {0, 0, 10, 10}).has_value());
}

}  // namespace
