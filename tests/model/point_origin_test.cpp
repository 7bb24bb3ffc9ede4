#include <gtest/gtest.h>

#include "foundation/angles.h"
#include "series_fixture.h"

namespace {

using PointOriginTest = PointTest;

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

}  // namespace
