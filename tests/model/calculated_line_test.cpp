#include <gtest/gtest.h>

#include <string>

#include "model/scale_series.h"
#include "series_fixture.h"

namespace {

class DistanceTest : public SeriesTest {
 protected:
  DistanceTest() : distance(Add<TdvCalculatedLine>(10, "D")) {
    AddPoint(1, "A", 100, -100);
    AddPoint(2, "B", 130, -140);
  }

  TdvCalculatedLine& distance;
};

TEST_F(DistanceTest, TheScaleOfTheOriginGivesTheLengthInTheDistancesUnit) {
  TdvDataPoint& origin = AddPoint(0, "Origin 1", 0, 0, 0, kFixed);
  origin.SetOrigin(1);
  AddPoint(5, "S1", 0, -300, 0, kFixed);
  AddPoint(6, "S2", 200, -300, 0, kFixed);
  auto& scale = Add<TdvCalibrateObject>(7, "Scale 1");
  Include(scale, {5, 6});
  origin.SetScaleId(7);
  Include(distance, {1, 2});
  distance.SetLengthUnit(2);

  double length = 0.0;
  std::string label;
  ASSERT_TRUE(distance.ReportedLength(length, label, 100));
  EXPECT_DOUBLE_EQ(length, 25.0);  // 50 of 200 units on a 1 m scale
  EXPECT_EQ(label, "[cm]");

  // In pixels in the Video Origin's frame, and when the origin's scale is
  // stale (a point, not a scale).
  for (int step = 0; step < 2; ++step) {
    if (step == 0) {
      distance.SetOriginId(kVideoOriginRef);
    } else {
      distance.SetOriginId(-1);
      origin.SetScaleId(2);
    }
    ASSERT_TRUE(distance.ReportedLength(length, label, 100));
    EXPECT_DOUBLE_EQ(length, 50.0);
    EXPECT_EQ(label, "(pixels)");
  }
}

}  // namespace
