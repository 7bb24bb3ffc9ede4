#include <gtest/gtest.h>

#include "point_fixture.h"

namespace {

class PointHitTest : public PointTest {
 protected:
  PointHitTest() {
    point.SetOrigin(1);
    point.TakeData(200, -300, 100);
  }
};

TEST_F(PointHitTest, AClickOnTheMarkerGrabsTheDatum) {
  EXPECT_TRUE(point.HitTest(TdvPoint{203, -298}, 100));
  EXPECT_EQ(point.GetMoveTarget(), 1);
}

TEST_F(PointHitTest, OnlyTheMarkerRectangleCounts) {
  const TdvRect marker = point.MarkerRect(TdvPoint{200, -300});
  EXPECT_TRUE(point.HitTest(TdvPoint{marker.left, marker.top}, 100));
  EXPECT_TRUE(point.HitTest(TdvPoint{marker.right - 1, marker.bottom - 1}, 100));
  EXPECT_FALSE(point.HitTest(TdvPoint{marker.right, -300}, 100));
  EXPECT_FALSE(point.HitTest(TdvPoint{200, marker.top - 1}, 100));
}

TEST_F(PointHitTest, ASemiFixedPointIsHitWhereItIsHeld) {
  point.SetSampleType(kSemiFixed);
  EXPECT_TRUE(point.HitTest(TdvPoint{200, -300}, 700));
}

TEST_F(PointHitTest, AnInvisiblePointCannotBePicked) {
  point.SetVisible(0);
  EXPECT_FALSE(point.HitTest(TdvPoint{200, -300}, 100));
}

TEST_F(PointHitTest, AClickOnTheTransformPointGrabsIt) {
  point.TransformOrigin(100);
  EXPECT_TRUE(point.HitTest(TdvPoint{200, -280}, 100));
  EXPECT_EQ(point.GetMoveTarget(), 0);
  // Where both markers overlap the datum wins.
  point.SetMarkerSize(5);
  EXPECT_TRUE(point.HitTest(TdvPoint{200, -290}, 100));
  EXPECT_EQ(point.GetMoveTarget(), 1);
}

TEST_F(PointHitTest, ATransformPointIsOnlyThereOnItsOwnFrame) {
  point.TransformOrigin(100);
  point.TakeData(200, -300, 200);
  EXPECT_FALSE(point.HitTest(TdvPoint{200, -280}, 200));
  EXPECT_EQ(point.GetMoveTarget(), 1);
}

}  // namespace
