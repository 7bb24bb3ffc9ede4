#include <gtest/gtest.h>

#include <sstream>
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

TEST_F(DistanceTest, TheLengthNeedsExactlyTwoPlacedPointEnds) {
  Include(distance, {1, 2});
  double length = -1.0;
  TdvRealPoint a;
  TdvRealPoint b;
  ASSERT_TRUE(distance.GetLength(length, a, b, 100));
  EXPECT_DOUBLE_EQ(length, 50.0);
  EXPECT_DOUBLE_EQ(a.x, 100.0);
  EXPECT_DOUBLE_EQ(b.y, -140.0);
  length = -1.0;
  EXPECT_FALSE(distance.GetLength(length, a, b, 200));  // no ends there
  EXPECT_EQ(length, -1.0);

  AddPoint(3, "C", 0, 0);
  Add<TdvCalculatedLine>(11, "other");
  for (auto ids : {std::vector<std::int32_t>{1}, {1, 2, 3}, {1, 11}}) {
    LList list;
    for (std::int32_t id : ids) {
      list.Append(std::make_unique<TdvInt>(id));
    }
    distance.SetIncluded(list);
    EXPECT_FALSE(distance.GetLength(length, a, b, 100)) << ids.size() << " ends";
  }
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
  doc.events.clear();
  distance.RemoveIncluded(7);  // an id that is not included changes nothing
  EXPECT_EQ(Included(distance), std::vector<std::int32_t>{2});
  EXPECT_TRUE(doc.events.empty());
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

TEST_F(DistanceTest, TheExportLineEndsWithTheNamesOfTheEnds) {
  Include(distance, {1, 2});
  std::ostringstream out;
  distance.ExportInfo(out, 1);
  EXPECT_EQ(out.str(), "\nD\t\t\tDist.\t0.100000\t\tFalse\t\tFrame by Frame\tA\tB\t");
  Include(distance, {9, 2});  // an end without an item exports an empty name
  std::ostringstream missing;
  distance.ExportInfo(missing, 1);
  EXPECT_EQ(missing.str().substr(missing.str().size() - 4), "\t\tB\t");
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
