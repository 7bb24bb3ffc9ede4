#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "calculated_fixture.h"
#include "model/scale_series.h"

namespace {

class DistanceTest : public CalculatedTest {
 protected:
  DistanceTest() : distance(Add<TdvCalculatedLine>(10, "D")) {
    AddPoint(1, "A", 100, -100);
    AddPoint(2, "B", 130, -140);
  }

  TdvCalculatedLine& distance;
};

TEST_F(DistanceTest, TheLengthIsTheDistanceBetweenTheEnds) {
  Include(distance, {1, 2});
  double length = 0.0;
  TdvRealPoint a;
  TdvRealPoint b;
  ASSERT_TRUE(distance.GetLength(length, a, b, 100));
  EXPECT_DOUBLE_EQ(length, 50.0);
  EXPECT_DOUBLE_EQ(a.x, 100.0);
  EXPECT_DOUBLE_EQ(b.y, -140.0);
}

TEST_F(DistanceTest, AFrameWithoutBothEndsHasNoLength) {
  Include(distance, {1, 2});
  doc.items[1]->ClearFrame(100);  // A
  double length = -1.0;
  TdvRealPoint a;
  TdvRealPoint b;
  EXPECT_FALSE(distance.GetLength(length, a, b, 100));
  EXPECT_FALSE(distance.GetLength(length, a, b, 200));
  EXPECT_EQ(length, -1.0);
}

TEST_F(DistanceTest, ADistanceWithOneItemHasNoValue) {
  Include(distance, {1});
  double length = 0.0;
  TdvRealPoint a;
  TdvRealPoint b;
  EXPECT_FALSE(distance.GetLength(length, a, b, 100));
}

TEST_F(DistanceTest, ThreeItemsAreOneTooMany) {
  AddPoint(3, "C", 0, 0);
  Include(distance, {1, 2, 3});
  double length = 0.0;
  TdvRealPoint a;
  TdvRealPoint b;
  EXPECT_FALSE(distance.GetLength(length, a, b, 100));
}

TEST_F(DistanceTest, EndsThatAreNotPointTypeGiveNoLength) {
  Add<TdvCalculatedLine>(11, "other");
  Include(distance, {1, 11});
  double length = 0.0;
  TdvRealPoint a;
  TdvRealPoint b;
  EXPECT_FALSE(distance.GetLength(length, a, b, 100));
}

TEST_F(DistanceTest, DeletingOneEndLeavesOneIdAndNoValue) {
  Include(distance, {1, 2});
  doc.events.clear();
  distance.RemoveIncluded(1);
  EXPECT_EQ(Included(distance), std::vector<std::int32_t>{2});
  EXPECT_EQ(doc.CountEvents("changed 10"), 1);
  double length = 0.0;
  TdvRealPoint a;
  TdvRealPoint b;
  EXPECT_FALSE(distance.GetLength(length, a, b, 100));
  // An id that is not included changes nothing.
  doc.events.clear();
  distance.RemoveIncluded(7);
  EXPECT_EQ(Included(distance), std::vector<std::int32_t>{2});
  EXPECT_TRUE(doc.events.empty());
}

TEST_F(DistanceTest, WithoutAScaleTheLengthIsReportedInPixels) {
  Include(distance, {1, 2});
  double length = 0.0;
  std::string label;
  ASSERT_TRUE(distance.ReportedLength(length, label, 100));
  EXPECT_DOUBLE_EQ(length, 50.0);
  EXPECT_EQ(label, "(pixels)");
}

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

  // In the Video Origin's frame there is no scale.
  distance.SetOriginId(kVideoOriginRef);
  ASSERT_TRUE(distance.ReportedLength(length, label, 100));
  EXPECT_DOUBLE_EQ(length, 50.0);
  EXPECT_EQ(label, "(pixels)");
}

TEST_F(DistanceTest, AStaleScaleLeavesTheLengthInPixels) {
  TdvDataPoint& origin = AddPoint(0, "Origin 1", 0, 0, 0, kFixed);
  origin.SetOrigin(1);
  origin.SetScaleId(2);  // a point, not a scale
  Include(distance, {1, 2});
  double length = 0.0;
  std::string label;
  ASSERT_TRUE(distance.ReportedLength(length, label, 100));
  EXPECT_DOUBLE_EQ(length, 50.0);
  EXPECT_EQ(label, "(pixels)");
}

TEST_F(DistanceTest, TheExportLineEndsWithTheNamesOfTheEnds) {
  Include(distance, {1, 2});
  std::ostringstream out;
  distance.ExportInfo(out, 1);
  EXPECT_EQ(out.str(), "\nD\t\t\tDist.\t0.100000\t\tFalse\t\tFrame by Frame\tA\tB\t");
}

TEST_F(DistanceTest, AnEndWithoutAnItemExportsAnEmptyName) {
  Include(distance, {9, 2});
  std::ostringstream out;
  distance.ExportInfo(out, 1);
  const std::string text = out.str();
  EXPECT_EQ(text.substr(text.size() - 4), "\t\tB\t");
}

class CalculatedHitTest : public DistanceTest {
 protected:
  CalculatedHitTest() {
    // Both ends under a click at (100, -100); only A under (92, -100).
    AddPoint(3, "C", 104, -100);
  }
};

TEST_F(CalculatedHitTest, AClickHitsOnlyWhenItLiesOnEveryItem) {
  Include(distance, {1, 3});
  EXPECT_TRUE(distance.HitTest(TdvPoint{100, -100}, 100));
  EXPECT_FALSE(distance.HitTest(TdvPoint{94, -100}, 100));
  EXPECT_FALSE(distance.HitTest(TdvPoint{100, -100}, 200));
  distance.SetVisible(0);
  EXPECT_FALSE(distance.HitTest(TdvPoint{100, -100}, 100));
  distance.SetVisible(1);
  Include(distance, {1});
  EXPECT_FALSE(distance.HitTest(TdvPoint{100, -100}, 100));
  Include(distance, {1, kEmptyInputRef});
  EXPECT_FALSE(distance.HitTest(TdvPoint{100, -100}, 100));
}

}  // namespace
