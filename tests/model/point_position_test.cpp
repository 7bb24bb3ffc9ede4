#include <gtest/gtest.h>

#include "series_fixture.h"

namespace {

using PointPositionTest = PointTest;

TEST_F(PointPositionTest, TakeDataStoresTheClickPerSampleType) {
  EXPECT_TRUE(point.TakeData(40, -60, 300));
  EXPECT_EQ(PositionAt(point, 300), (TdvPoint{40, -60}));
  EXPECT_FALSE(point.HasData(200));
  EXPECT_EQ(doc.events, (std::vector<std::string>{"changed-at 1 300 1"}));

  TdvDataPoint semi;
  semi.SetId(2);
  doc.Add(semi);
  semi.SetSampleType(kSemiFixed);
  semi.TakeData(5, -5, 300);
  semi.TakeData(7, -7, 700);
  EXPECT_EQ(PositionAt(semi, 500), (TdvPoint{5, -5}));
  EXPECT_EQ(PositionAt(semi, 900), (TdvPoint{7, -7}));
  TdvPoint none;
  double value = 0.0;
  EXPECT_FALSE(semi.GetPosition(200, none, value));

  point.SetSampleType(kFixed);
  point.SetValue(0.75, 700);
  EXPECT_DOUBLE_EQ(point.GetValue(0), 0.75);
  point.TakeData(30, -40, 900);  // a click resets the rotation of a fixed point
  EXPECT_EQ(point.FrameData().Count(), 1);
  EXPECT_EQ(PositionAt(point, 100), (TdvPoint{30, -40}));
  EXPECT_DOUBLE_EQ(point.GetValue(900), 0.0);
}

}  // namespace
