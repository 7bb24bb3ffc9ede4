#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "foundation/angles.h"
#include "series_fixture.h"

namespace {

using PointOriginTest = PointTest;

TEST_F(PointOriginTest, BecomingAnOriginStartsWithTheOriginalEntry) {
  point.TakeData(5, -5, 300);
  point.TakeData(4, -4, 200);
  point.SetOrigin(1);
  EXPECT_TRUE(point.IsOrigin());
  EXPECT_EQ(doc.CountEvents("add-frame 1"), 1);
  ASSERT_EQ(point.TransformedFrames().Count(), 1);
  const TdvTransformedFrame* original = point.TransformedFrames().First();
  EXPECT_EQ(original->name, "original");
  EXPECT_EQ(original->startFrame, 200);
  EXPECT_EQ(original->useTransformPoint, 0);
  EXPECT_EQ(point.GetActiveTransform(), -1);
  EXPECT_EQ(point.GetRowCount(), 1);
}

TEST_F(PointOriginTest, ANewOriginTakesTheScaleOfTheSystemItReportedIn) {
  TdvDataPoint outer;
  outer.SetId(2);
  doc.Add(outer);
  outer.SetOrigin(1);
  outer.SetScaleId(9);
  point.SetOriginId(2);
  point.SetOrigin(1);
  EXPECT_EQ(point.GetScaleId(), 9);
}

TEST_F(PointOriginTest, CeasingToBeAnOriginDropsItsTransformations) {
  point.SetOrigin(1);
  point.TakeData(0, -100, 100);
  point.TransformOrigin(100);
  ASSERT_EQ(point.GetRowCount(), 3);
  point.SetOrigin(0);
  EXPECT_FALSE(point.IsOrigin());
  EXPECT_EQ(doc.CountEvents("remove-frame 1"), 1);
  EXPECT_TRUE(point.TransformedFrames().IsEmpty());
  EXPECT_TRUE(point.TransformPoints().IsEmpty());
  EXPECT_EQ(point.GetActiveTransform(), -1);
  EXPECT_EQ(point.GetRowCount(), 1);
  EXPECT_TRUE(point.HasData(100));
}

TEST_F(PointOriginTest, OriginPositionIsTheDatumAndItsRotation) {
  point.SetOrigin(1);
  point.TakeData(100, -200, 300);
  point.SetValue(0.25, 300);
  TdvRealPoint position;
  double angle = 9.0;
  ASSERT_TRUE(point.GetOriginPosition(position, angle, 300));
  EXPECT_DOUBLE_EQ(position.x, 100.0);
  EXPECT_DOUBLE_EQ(position.y, -200.0);
  EXPECT_DOUBLE_EQ(angle, 0.25);
  EXPECT_FALSE(point.GetOriginPosition(position, angle, 400));
  EXPECT_DOUBLE_EQ(angle, 0.0);
}

TEST_F(PointOriginTest, PositionsAreReportedInTheTurnedAxesOfAPointOrigin) {
  point.SetOrigin(1);
  point.TakeData(100, -100, 0);
  point.SetValue(kHalfPi, 0);
  TdvRealPoint result;
  std::string label;
  ASSERT_TRUE(point.ConvertPoint(result, TdvRealPoint(100.0, -50.0), 1, label, 0));
  // 50 units up lies on the turned x axis.
  EXPECT_NEAR(result.x, 50.0, 1e-9);
  EXPECT_NEAR(result.y, 0.0, 1e-9);
  EXPECT_EQ(label, "(pixels)");
}

// The angle of a handle dragged to p around (100, -100), and where the
// handle is then drawn: 20 units out, truncated towards zero.
TEST(HandleAngle, QuadrantsAxesAndTheDrawnHandle) {
  const std::pair<TdvPoint, double> angles[] = {
      {{150, -50}, std::atan(1.0)},
      {{50, -50}, std::atan(-1.0) + kPi},
      {{50, -150}, std::atan(1.0) + kPi},
      {{150, -150}, std::atan(-1.0) + kTwoPi},
      {{100, -40}, kHalfPi},
      {{100, -160}, 4.71238898038},
      {{100, -100}, 4.71238898038},
  };
  for (auto [p, angle] : angles) {
    EXPECT_DOUBLE_EQ(HandleAngle(TdvPoint{100, -100}, p), angle) << p.x << "," << p.y;
  }
  const std::pair<TdvPoint, TdvPoint> drawn[] = {
      {{150, -50}, {114, -85}},  // -85.86 truncates up to -85
      {{150, -150}, {114, -114}},
      {{40, -100}, {80, -100}},
  };
  for (auto [p, expected] : drawn) {
    HandleAngle(TdvPoint{100, -100}, p);
    EXPECT_EQ(p, expected);
  }
}

TEST_F(PointOriginTest, RotateToStoresTheHandleAngleSnappingWithTheExtendKey) {
  point.SetOrigin(1);
  TdvPoint handle{150, -80};
  point.RotateTo(handle, 200, 0);  // without a position nothing happens
  EXPECT_TRUE(point.FrameData().IsEmpty());
  EXPECT_EQ(handle, (TdvPoint{150, -80}));
  point.TakeData(100, -100, 200);
  doc.events.clear();
  point.RotateTo(handle, 200, 0);
  EXPECT_DOUBLE_EQ(point.GetValue(200), std::atan(0.4));
  EXPECT_EQ(handle, (TdvPoint{118, -92}));
  EXPECT_EQ(doc.events, (std::vector<std::string>{"changed 1"}));
  handle = {150, -80};  // about 21.8 degrees, snapped down to fifteen
  point.RotateTo(handle, 200, 0x200);
  EXPECT_DOUBLE_EQ(point.GetValue(200), 0.26179938779916667);
  handle = {90, -50};  // about 101.3 degrees
  point.RotateTo(handle, 200, 0x200 | 0x1000);
  EXPECT_NEAR(point.GetValue(200), kHalfPi, 1e-12);
}

TEST_F(PointOriginTest, RotatingAFixedOriginTurnsEveryFrame) {
  point.SetOrigin(1);
  point.SetSampleType(kFixed);
  point.TakeData(100, -100, 500);
  doc.events.clear();
  TdvPoint handle{100, -50};
  point.RotateTo(handle, 700, 0);
  EXPECT_DOUBLE_EQ(point.GetValue(0), kHalfPi);
  EXPECT_EQ(doc.CountEvents("fixed-origin-rotated 1 "), 1);
}

TEST_F(PointOriginTest, SemiFixedRotationOnALaterFrameKeepsThePositionInForce) {
  point.SetOrigin(1);
  point.SetSampleType(kSemiFixed);
  point.TakeData(100, -100, 200);
  TdvPoint handle{100, -40};
  point.RotateTo(handle, 600, 0);
  EXPECT_DOUBLE_EQ(point.GetValue(200), 0.0);
  EXPECT_DOUBLE_EQ(point.GetValue(700), kHalfPi);
  EXPECT_EQ(PositionAt(point, 600), (TdvPoint{100, -100}));
}

}  // namespace
