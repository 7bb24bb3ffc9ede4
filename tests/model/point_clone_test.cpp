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

TEST_F(ClonePointTest, ACloneOfATransformedOriginFollowsItsOriginalSystem) {
  clone.SetSource(3);
  origin.TakeData(100, -100, 100);
  origin.TransformOrigin(100);
  origin.TakeData(110, -80, 200);
  TdvRealPoint position;
  double angle = 0.0;
  ASSERT_TRUE(clone.GetOriginPosition(position, angle, 200));
  EXPECT_DOUBLE_EQ(position.x, 110.0);
  EXPECT_DOUBLE_EQ(position.y, -100.0);
}

// Itself, a series that is not a point, a missing id, the default origin,
// a negative id, a source deleted later and a clone of a clone all leave
// nothing to report.
TEST_F(ClonePointTest, WithoutAPointSourceThereIsNothingToReport) {
  TdvDataObject distance;
  distance.SetId(4);
  doc.Add(distance);
  TdvClonePoint second;
  second.SetId(5);
  doc.Add(second);
  second.SetSource(2);
  point.TakeData(40, -60, 200);
  TdvRealPoint position;
  double angle = 1.0;
  for (std::int32_t id : {2, 4, 9, -1, -19}) {
    clone.SetSource(id);
    EXPECT_FALSE(clone.GetOriginPosition(position, angle, 200)) << id;
    EXPECT_DOUBLE_EQ(angle, 0.0);
    EXPECT_EQ(clone.GetSampleType(), kFrameByFrame) << id;
    EXPECT_EQ(clone.GetOriginId(), -1) << id;
  }
  clone.SetSource(1);
  EXPECT_FALSE(second.GetOriginPosition(position, angle, 200));
  doc.items.erase(1);
  EXPECT_FALSE(clone.GetOriginPosition(position, angle, 200));
  EXPECT_EQ(clone.GetSampleType(), kFrameByFrame);

  clone.SetSource(7);  // a source that appears later is found then
  TdvDataPoint late;
  late.SetId(7);
  doc.Add(late);
  late.TakeData(1, -1, 0);
  EXPECT_TRUE(clone.GetOriginPosition(position, angle, 0));
}

TEST_F(ClonePointTest, TheCloneStaysInvisibleAndIsNeverAnOrigin) {
  clone.SetVisible(1);
  clone.SetTrails(1);
  clone.SetOrigin(1);
  EXPECT_FALSE(clone.IsVisible() || clone.HasTrails() || clone.IsOrigin());
  EXPECT_EQ(doc.CountEvents("add-frame 2"), 0);
  clone.SetSource(1);
  point.TakeData(40, -60, 200);
  EXPECT_FALSE(clone.HitTest(TdvPoint{40, -60}, 200));
}

TEST(RecordPoint, StandsInForClicksWithoutBeingData) {
  TdvRecordPoint record;
  EXPECT_TRUE(record.HasData(0) && record.HasData(12345));
  std::unique_ptr<TdvObject> copy = record.Clone();
  EXPECT_TRUE(copy->IsA(kRecordPointCode));
  EXPECT_EQ(static_cast<TdvRecordPoint&>(*copy).GetName(), "Click on movie adds");
  std::int32_t id = 0;
  EXPECT_FALSE(record.GetSourceId(id));
}

}  // namespace
