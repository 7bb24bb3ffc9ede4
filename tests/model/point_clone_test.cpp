#include <gtest/gtest.h>

#include "series_fixture.h"

namespace {

class ClonePointTest : public PointTest {
 protected:
  ClonePointTest() {
    origin.SetId(3);
    doc.Add(origin);
    origin.SetOrigin(1);
    clone.SetId(2);
    doc.Add(clone);
    point.SetOriginId(3);
    point.SetSampleType(kSemiFixed);
    point.SetCoordinates(kPolar);
    point.SetMassUnit(1);
    point.SetLengthUnit(3);
    point.SetMass(0.25);
  }

  TdvDataPoint origin;
  TdvClonePoint clone;
};

TEST_F(ClonePointTest, TheCloneTakesOverTheSettingsAndPositionOfItsSource) {
  clone.SetSource(1);
  EXPECT_EQ(clone.GetOriginId(), 3);
  EXPECT_EQ(clone.GetSampleType(), kSemiFixed);
  EXPECT_EQ(clone.GetCoordinates(), kPolar);
  EXPECT_EQ(clone.GetMassUnit(), 1);
  EXPECT_EQ(clone.GetLengthUnit(), 3);
  EXPECT_DOUBLE_EQ(clone.GetMass(), 0.25);
  std::int32_t id = 0;
  ASSERT_TRUE(clone.GetSourceId(id));
  EXPECT_EQ(id, 1);

  point.TakeData(40, -60, 200);
  point.SetValue(0.3, 200);
  TdvRealPoint position;
  double angle = 0.0;
  ASSERT_TRUE(clone.GetOriginPosition(position, angle, 500));
  EXPECT_DOUBLE_EQ(position.x, 40.0);
  EXPECT_DOUBLE_EQ(position.y, -60.0);
  EXPECT_DOUBLE_EQ(angle, 0.3);
  EXPECT_FALSE(clone.GetOriginPosition(position, angle, 100));
}

}  // namespace
