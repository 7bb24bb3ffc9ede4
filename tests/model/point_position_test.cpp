#include <gtest/gtest.h>

#include "series_fixture.h"

namespace {

using PointPositionTest = PointTest;

TEST(PointIdentity, ClassCodesAndWhatEachKindStartsWith) {
  TdvDataPoint point;
  TdvClonePoint clone;
  TdvRecordPoint record;
  for (int code : {50, 49, 0}) {
    EXPECT_TRUE(point.IsA(code) && clone.IsA(code) && record.IsA(code)) << code;
  }
  EXPECT_TRUE(clone.IsA(56) && record.IsA(52));
  for (int code : {52, 56, 53, 61, 63}) {
    EXPECT_FALSE(point.IsA(code)) << code;
  }
  EXPECT_FALSE(clone.IsA(52) || record.IsA(56));

  EXPECT_EQ(point.GetTypeLabel(), "Pt.");
  EXPECT_EQ(point.GetMarkerSize(), 1);
  EXPECT_EQ(point.TableWidth(), 100);
  EXPECT_EQ(point.TableColumns(), 2);
  point.SetOrigin(1);
  EXPECT_EQ(point.TableWidth(), 150);
  EXPECT_EQ(point.TableColumns(), 3);
  EXPECT_EQ(clone.GetTypeLabel(), "Cl.Pt.");
  EXPECT_FALSE(clone.IsVisible());
  EXPECT_EQ(record.GetName(), "Click on movie adds");
  EXPECT_EQ(record.GetTypeLabel(), "");
  EXPECT_FALSE(record.IsPointType() || record.IsExported());
  EXPECT_EQ(record.TableWidth() + record.TableColumns(), 0);
}

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

TEST_F(PointPositionTest, DatumWithoutPositionGivesNoPosition) {
  point.SetValue(0.5, 400);
  TdvPoint position;
  double value = 0.0;
  EXPECT_FALSE(point.GetPosition(400, position, value));
  EXPECT_FALSE(point.GetDisplayPosition(400, position, value));
}

TEST_F(PointPositionTest, SetPositionKeepsOrTakesOverTheRotationInForce) {
  point.SetSampleType(kSemiFixed);
  point.TakeData(10, -10, 200);
  point.SetValue(0.4, 200);
  EXPECT_FALSE(point.SetPosition(15, -12, 200));
  EXPECT_TRUE(point.SetPosition(50, -50, 600));
  TdvPoint position;
  double value = 0.0;
  for (auto [frame, expected] : {std::pair{200, TdvPoint{15, -12}}, {600, TdvPoint{50, -50}}}) {
    ASSERT_TRUE(point.GetPosition(frame, position, value));
    EXPECT_EQ(position, expected);
    EXPECT_DOUBLE_EQ(value, 0.4);
  }
}

TEST_F(PointPositionTest, CloneCopiesDataTransformationsAndMoveTarget) {
  point.SetOrigin(1);
  point.TakeData(10, -100, 100);
  point.TakeData(20, -100, 300);
  point.TransformOrigin(300);
  point.HitTest(TdvPoint{20, -80}, 300);
  ASSERT_EQ(point.GetMoveTarget(), 0);
  std::unique_ptr<TdvObject> copy = point.Clone();
  ASSERT_TRUE(copy->IsA(kDataPointCode));
  auto& clone = static_cast<TdvDataPoint&>(*copy);
  EXPECT_EQ(clone.GetMoveTarget(), 0);
  EXPECT_EQ(clone.GetActiveTransform(), 0);
  EXPECT_EQ(clone.GetRowCount(), 3);
  EXPECT_EQ(clone.TransformPoints().Count(), 1);
  point.ClearFrame(100);  // the copy owns its own data
  EXPECT_EQ(PositionAt(clone, 100), (TdvPoint{10, -100}));
}

TEST_F(PointPositionTest, ClearingOneFrameOrAllWithoutTransformations) {
  point.TakeData(1, -1, 100);
  point.TakeData(2, -2, 200);
  doc.events.clear();
  point.ClearFrame(100);
  EXPECT_FALSE(point.HasData(100));
  EXPECT_TRUE(point.HasData(200));
  point.ClearAllData();
  EXPECT_TRUE(point.FrameData().IsEmpty());
  EXPECT_TRUE(doc.confirmations.empty());
  EXPECT_EQ(doc.events, (std::vector<std::string>{"changed-at 1 100 1", "changed 1"}));
}

}  // namespace
