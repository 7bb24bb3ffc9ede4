#include <gtest/gtest.h>

#include "point_fixture.h"

namespace {

using PointPositionTest = PointTest;

TEST(PointIdentity, ClassCodesOfThePointKinds) {
  TdvDataPoint point;
  TdvClonePoint clone;
  TdvRecordPoint record;
  for (int code : {50, 49, 0}) {
    EXPECT_TRUE(point.IsA(code)) << code;
    EXPECT_TRUE(clone.IsA(code)) << code;
    EXPECT_TRUE(record.IsA(code)) << code;
  }
  EXPECT_TRUE(clone.IsA(56));
  EXPECT_TRUE(record.IsA(52));
  for (int code : {52, 56, 53, 61, 63}) {
    EXPECT_FALSE(point.IsA(code)) << code;
  }
  EXPECT_FALSE(clone.IsA(52));
  EXPECT_FALSE(record.IsA(56));
}

TEST(PointIdentity, NewPointsStartAsTheirKindsSay) {
  TdvDataPoint point;
  EXPECT_EQ(point.GetTypeLabel(), "Pt.");
  EXPECT_EQ(point.GetMarkerSize(), 1);
  EXPECT_EQ(point.TableWidth(), 100);
  EXPECT_EQ(point.TableColumns(), 2);
  point.SetOrigin(1);
  EXPECT_EQ(point.TableWidth(), 150);
  EXPECT_EQ(point.TableColumns(), 3);

  TdvClonePoint clone;
  EXPECT_EQ(clone.GetTypeLabel(), "Cl.Pt.");
  EXPECT_FALSE(clone.IsVisible());

  TdvRecordPoint record;
  EXPECT_EQ(record.GetName(), "Click on movie adds");
  EXPECT_EQ(record.GetTypeLabel(), "");
  EXPECT_FALSE(record.IsPointType());
  EXPECT_FALSE(record.IsExported());
  EXPECT_EQ(record.TableWidth(), 0);
  EXPECT_EQ(record.TableColumns(), 0);
}

TEST_F(PointPositionTest, TakeDataStoresTheClickAndReportsTheFrame) {
  EXPECT_TRUE(point.TakeData(40, -60, 300));
  EXPECT_EQ(PositionAt(point, 300), (TdvPoint{40, -60}));
  EXPECT_FALSE(point.HasData(200));
  EXPECT_EQ(doc.events, (std::vector<std::string>{"changed-at 1 300 1"}));
}

TEST_F(PointPositionTest, FixedPointKeepsOneDatumAndAClickResetsItsRotation) {
  point.SetSampleType(kFixed);
  point.TakeData(10, -20, 700);
  ASSERT_NE(point.FrameData().Get(0), nullptr);
  point.SetValue(0.75, 700);
  EXPECT_DOUBLE_EQ(point.GetValue(0), 0.75);

  point.TakeData(30, -40, 900);
  EXPECT_EQ(point.FrameData().Count(), 1);
  EXPECT_EQ(PositionAt(point, 100), (TdvPoint{30, -40}));
  EXPECT_DOUBLE_EQ(point.GetValue(900), 0.0);
}

TEST_F(PointPositionTest, SemiFixedPointAnswersWithTheLastPlacedDatum) {
  point.SetSampleType(kSemiFixed);
  point.TakeData(5, -5, 300);
  point.TakeData(7, -7, 700);
  EXPECT_EQ(PositionAt(point, 500), (TdvPoint{5, -5}));
  EXPECT_EQ(PositionAt(point, 900), (TdvPoint{7, -7}));
  TdvPoint none;
  double value = 0.0;
  EXPECT_FALSE(point.GetPosition(200, none, value));
}

TEST_F(PointPositionTest, DatumWithoutPositionGivesNoPosition) {
  point.SetValue(0.5, 400);
  TdvPoint position;
  double value = 0.0;
  EXPECT_FALSE(point.GetPosition(400, position, value));
  EXPECT_FALSE(point.GetDisplayPosition(400, position, value));
}

TEST_F(PointPositionTest, SetPositionMovesAStoredDatumAndKeepsItsRotation) {
  point.TakeData(10, -10, 200);
  point.SetValue(0.3, 200);
  EXPECT_FALSE(point.SetPosition(15, -12, 200));
  TdvPoint position;
  double value = 0.0;
  ASSERT_TRUE(point.GetPosition(200, position, value));
  EXPECT_EQ(position, (TdvPoint{15, -12}));
  EXPECT_DOUBLE_EQ(value, 0.3);
}

TEST_F(PointPositionTest, SetPositionOnANewFrameTakesOverTheRotationInForce) {
  point.SetSampleType(kSemiFixed);
  point.TakeData(10, -10, 200);
  point.SetValue(0.4, 200);
  EXPECT_TRUE(point.SetPosition(50, -50, 600));
  TdvPoint position;
  double value = 0.0;
  ASSERT_TRUE(point.GetPosition(600, position, value));
  EXPECT_EQ(position, (TdvPoint{50, -50}));
  EXPECT_DOUBLE_EQ(value, 0.4);
  // The earlier datum is left where it was.
  EXPECT_EQ(PositionAt(point, 200), (TdvPoint{10, -10}));
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
  EXPECT_EQ(PositionAt(clone, 100), (TdvPoint{10, -100}));

  // The copy owns its own data.
  point.ClearFrame(100);
  EXPECT_EQ(PositionAt(clone, 100), (TdvPoint{10, -100}));
}

TEST_F(PointPositionTest, ClearFrameRemovesOnlyThatFrame) {
  point.TakeData(1, -1, 100);
  point.TakeData(2, -2, 200);
  doc.events.clear();
  point.ClearFrame(100);
  EXPECT_FALSE(point.HasData(100));
  EXPECT_TRUE(point.HasData(200));
  EXPECT_EQ(doc.events, (std::vector<std::string>{"changed-at 1 100 1"}));
}

TEST_F(PointPositionTest, ClearAllDataWithoutTransformationsEmptiesTheData) {
  point.TakeData(1, -1, 100);
  point.TakeData(2, -2, 200);
  doc.events.clear();
  point.ClearAllData();
  EXPECT_TRUE(point.FrameData().IsEmpty());
  EXPECT_TRUE(doc.confirmations.empty());
  EXPECT_EQ(doc.events, (std::vector<std::string>{"changed 1"}));
}

}  // namespace
