#include <gtest/gtest.h>

#include "series_fixture.h"

namespace {

class PointHitTest : public PointTest {
 protected:
  PointHitTest() {
    point.SetOrigin(1);
    point.TakeData(200, -300, 100);
  }
};

TEST_F(PointHitTest, OnlyTheMarkerRectangleOfAVisiblePointCounts) {
  EXPECT_TRUE(point.HitTest(TdvPoint{203, -298}, 100));
  EXPECT_EQ(point.GetMoveTarget(), 1);
  const TdvRect marker = point.MarkerRect(TdvPoint{200, -300});
  EXPECT_TRUE(point.HitTest(TdvPoint{marker.left, marker.top}, 100));
  EXPECT_TRUE(point.HitTest(TdvPoint{marker.right - 1, marker.bottom - 1}, 100));
  EXPECT_FALSE(point.HitTest(TdvPoint{marker.right, -300}, 100));
  EXPECT_FALSE(point.HitTest(TdvPoint{200, marker.top - 1}, 100));
  point.SetSampleType(kSemiFixed);
  EXPECT_TRUE(point.HitTest(TdvPoint{200, -300}, 700));  // hit where it is held
  point.SetVisible(0);
  EXPECT_FALSE(point.HitTest(TdvPoint{200, -300}, 100));
}

}  // namespace
