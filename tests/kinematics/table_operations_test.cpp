#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "foundation/angles.h"
#include "kinematics/quantity_table.h"
#include "kinematics/unit_table.h"
#include "table_fixture.h"

namespace {

constexpr std::int32_t kOrigin = 1;
constexpr std::int32_t kBall = 2;
constexpr std::int32_t kPin = 3;

using ::testing::ElementsAre;

class OperationsTest : public TableFixture {
 protected:
  // A ball reported relative to a moving origin, on frames 0 to 5.
  void BallOnOrigin() {
    FakeSeries& origin = Series(kOrigin, "Origin");
    FakeSeries& ball = Series(kBall, "Ball");
    ball.origin = kOrigin;
    ball.dependsOn = {kOrigin};
    for (std::int32_t f = 0; f < 6; ++f) {
      origin.points[f] = {0.5 * f, 0.0};
      ball.points[f] = {1.0 + f, 2.0 - f * 0.5};
    }
    Build();
  }
  double X(std::int32_t id, std::int32_t frame) {
    return table.FindGroup(id, kQuantityXPos)->GetValue(frame).value();
  }
  double Y(std::int32_t id, std::int32_t frame) {
    return table.FindGroup(id, kQuantityYPos)->GetValue(frame).value();
  }
  std::vector<std::int32_t> ObjectOrder() {
    std::vector<std::int32_t> order;
    for (const auto& object : table.Objects()) {
      order.push_back(object->SeriesId());
    }
    return order;
  }
};

TEST_F(OperationsTest, ExportWritesHeadingsAndOneRowPerFrame) {
  FakeSeries& ball = Series(kBall, "Ball");
  ball.points = {{0, {1.0, 2.5}}, {2, {-0.25, 12345.678}}};
  FakeSeries& pin = Series(kPin, "Pin");
  pin.sampleType = 2;  // Fixed: one position, shown on every row
  pin.points = {{0, {3.0, 4.0}}};
  FakeSeries& lost = Series(4, "Lost");
  lost.points = {{2, {1.0, 1.0}}};
  lost.scale = false;
  Build();
  std::ostringstream out;
  table.WriteText(out);
  EXPECT_EQ(out.str(),
            "\n"
            "time(s)\tBall:x-pos(m)\tBall:y-pos(m)\tPin:x-pos(m)\tPin:y-pos(m)\t"
            "Lost:x-pos(pixels)\tLost:y-pos(pixels)\t\n"
            "0.000\t1.000\t2.500\t3.000\t4.000\t\t\t\n"
            "0.06667\t-0.2500\t12350\t3.000\t4.000\t1.000\t1.000\t\n");
}

TEST_F(OperationsTest, ExportShowsOnlyActiveGroups) {
  FakeSeries& ball = Series(kBall, "Ball");
  for (std::int32_t f = 0; f < 3; ++f) {
    ball.points[f] = {f * 1.0, 0.0};
  }
  Build();
  table.FindGroup(kBall, kQuantitySpeed);  // made, never shown
  Shown(kBall, kQuantityXVelocity);
  std::ostringstream out;
  table.WriteText(out);
  std::string headings = out.str().substr(1, out.str().find('\n', 1));
  EXPECT_EQ(headings, "time(s)\tBall:x-pos(m)\tBall:y-pos(m)\tBall:x-vel.(m/s)\t\n");
}

TEST_F(OperationsTest, SeriesReadFromAFileGoDirectlyAfterTheTime) {
  Series(kOrigin);
  Series(kBall);
  Series(kPin);
  table.RefreshFrames();
  table.AddSeries(kOrigin);
  doc.loading = true;
  table.AddSeries(kBall);
  table.AddSeries(kPin);
  doc.loading = false;
  table.AddSeries(kPin);  // already there: nothing changes
  EXPECT_THAT(ObjectOrder(), ElementsAre(TdvDataTable::kTimeSeries, kPin, kBall, kOrigin));
}

TEST_F(OperationsTest, MovingAnOriginUpdatesTheSeriesThatDependOnIt) {
  BallOnOrigin();
  EXPECT_EQ(X(kBall, 3), 4.0 - 1.5);
  Place(kOrigin, 3, 10.0, 1.0);
  EXPECT_THAT(affected, ElementsAre(kOrigin, kBall));
  EXPECT_EQ(X(kBall, 3), 4.0 - 10.0);
  EXPECT_EQ(Y(kBall, 3), 0.5 - 1.0);
}

TEST_F(OperationsTest, ChangesReachAtMostTenSeriesDeep) {
  for (std::int32_t id = 1; id <= 14; ++id) {
    FakeSeries& s = Series(id);
    s.points[0] = {1.0, 1.0};
    if (id > 1) {
      s.dependsOn = {id - 1};
    }
  }
  Build();
  // Every series moves, but only the first says so.
  for (auto& [id, s] : doc.series) {
    s.points[0] = {2.0, 2.0};
  }
  table.SeriesChanged(1, 0, TdvDataTable::kOneFrame, affected);
  EXPECT_EQ(affected.size(), 11u);
  EXPECT_EQ(X(11, 0), 2.0);
  EXPECT_EQ(X(12, 0), 1.0);
}

TEST_F(OperationsTest, DependencyCyclesEnd) {
  Series(kOrigin).dependsOn = {kBall};
  Series(kBall).dependsOn = {kOrigin};
  doc.series[kOrigin].points[0] = {1.0, 1.0};
  Build();
  table.SeriesChanged(kOrigin, 0, TdvDataTable::kOneFrame, affected);
  EXPECT_LE(affected.size(), 11u);
  EXPECT_EQ(affected.front(), kOrigin);
}

TEST_F(OperationsTest, RefreshedDependenciesAreFollowed) {
  BallOnOrigin();
  doc.series[kBall].dependsOn.clear();
  table.RefreshDependencies(kBall);
  Place(kOrigin, 1, 7.0, 0.0);
  EXPECT_THAT(affected, ElementsAre(kOrigin));
}

TEST_F(OperationsTest, TransformStoredShiftsOrTurnsPositionsInPlace) {
  BallOnOrigin();
  Shown(kBall, kQuantityXVelocity);
  double x = X(kBall, 2), y = Y(kBall, 2);

  table.TransformStored({kBall}, TdvRealPoint(1.0, 2.0), 0.0, 0.0);
  EXPECT_EQ(X(kBall, 2), x - 1.0);
  EXPECT_EQ(Y(kBall, 2), y - 2.0);

  // The document's own values are not read again: the moved ones stay.
  table.TransformStored({kBall}, TdvRealPoint(0.0, 0.0), 0.0, kHalfPi);
  EXPECT_NEAR(X(kBall, 2), -(y - 2.0), 1e-9);
  EXPECT_NEAR(Y(kBall, 2), x - 1.0, 1e-9);
  // The velocity turned with the positions: x now runs against the old y,
  // which fell by 15 a second.
  double vx = table.FindGroup(kBall, kQuantityXVelocity)->GetValue(2).value();
  EXPECT_NEAR(vx, 15.0, 1e-9);

  // With both angles equal the offset is taken in the turned axes.
  double x2 = X(kBall, 2), y2 = Y(kBall, 2);
  std::vector<std::int32_t> reached;
  table.TransformStored({kBall}, TdvRealPoint(1.0, 0.0), kHalfPi, kHalfPi, &reached);
  EXPECT_NEAR(X(kBall, 2), x2, 1e-9);
  EXPECT_NEAR(Y(kBall, 2), y2 + 1.0, 1e-9);
  EXPECT_THAT(reached, ElementsAre(kBall));
}

TEST_F(OperationsTest, UnitChangesReselectUnitsAndReadValuesAgain) {
  BallOnOrigin();
  TdvDataValueGroup& velocity = Shown(kBall, kQuantityXVelocity);
  double x = X(kBall, 2);
  doc.series[kBall].lengthUnit = 2;
  doc.noNewUnits = true;
  table.UnitsChanged(kBall);
  EXPECT_EQ(table.FindGroup(kBall, kQuantityXPos)->Unit(), kUnitMetres);
  doc.noNewUnits = false;
  table.UnitsChanged(kBall);
  EXPECT_EQ(table.FindGroup(kBall, kQuantityXPos)->Unit(), kUnitMetres + 1);
  EXPECT_EQ(velocity.Unit(), kUnitMetresPerSecond + 1);
  EXPECT_NEAR(X(kBall, 2), 100.0 * x, 1e-9);
  EXPECT_NEAR(velocity.GetValue(2).value(), 1500.0, 1e-9);
}

TEST_F(OperationsTest, WholeSeriesChangesRecomputeEveryFrame) {
  BallOnOrigin();
  TdvDataValueGroup& momentum = Shown(kBall, kQuantityXMomentum);
  doc.series[kBall].mass = 4.0;
  table.SeriesChanged(kBall, 0, 0, affected);
  for (const auto& [frame, value] : momentum.Values()) {
    EXPECT_NEAR(value, 4.0 * 15.0, 1e-9) << frame;
  }
  // New frame times change every derivative.
  for (std::int32_t f = 0; f < 6; ++f) {
    doc.times[f] = f / 15.0;
  }
  table.SeriesChanged(TdvDataTable::kTimeSeries, 0, 0, affected);
  EXPECT_NEAR(momentum.GetValue(3).value(), 4.0 * 7.5, 1e-9);
  EXPECT_THAT(affected, ::testing::Contains(kBall));
}

TEST_F(OperationsTest, FramesFollowTheDataOfEverySeries) {
  BallOnOrigin();
  Place(kBall, 9, 1.0, 1.0);
  EXPECT_TRUE(table.AllFrames().contains(9));
  EXPECT_NEAR(table.TimeGroup()->GetValue(9).value(), 9.0 / 30.0, 1e-12);
  Erase(kBall, 9);
  EXPECT_FALSE(table.AllFrames().contains(9));
  EXPECT_FALSE(table.TimeGroup()->GetValue(9));
  Erase(kBall, 5);  // the origin still holds data there
  EXPECT_TRUE(table.AllFrames().contains(5));
  // The time has no position to differentiate.
  EXPECT_TRUE(table.FindGroup(TdvDataTable::kTimeSeries, kQuantityXVelocity)->Values().empty());
}

TEST_F(OperationsTest, RemovingClearingAndAnnouncing) {
  BallOnOrigin();
  Shown(kBall, kQuantitySpeed);
  struct Columns : TdvDataTableListener {
    void ColumnAvailable(std::int32_t id, int quantity) override {
      seen.emplace_back(id, quantity);
    }
    void GroupActiveChanged(std::int32_t, int) override {}
    std::vector<std::pair<std::int32_t, int>> seen;
  } window;
  table.AnnounceColumns(window);
  std::size_t groups = 0;
  for (const auto& object : table.Objects()) {
    groups += object->Groups().size();
  }
  EXPECT_EQ(window.seen.size(), groups);

  table.ClearValues();
  EXPECT_TRUE(table.FindGroup(kBall, kQuantitySpeed)->Values().empty());
  EXPECT_TRUE(table.TimeGroup()->Values().empty());

  table.RemoveSeries(TdvDataTable::kTimeSeries);  // still read by the others
  table.RemoveSeries(kBall);
  EXPECT_THAT(ObjectOrder(), ElementsAre(TdvDataTable::kTimeSeries, kOrigin));
}

TEST_F(OperationsTest, EnsureGroupAddsTheSeriesFirst) {
  BallOnOrigin();
  Series(kPin, "Pin").points[1] = {1.0, 2.0};
  EXPECT_EQ(table.FindGroup(kPin, kQuantityXPos), nullptr);
  TdvDataValueGroup* y = table.EnsureGroup(kPin, kQuantityYPos);
  ASSERT_NE(y, nullptr);
  EXPECT_EQ(y->GetValue(1), 2.0);
  EXPECT_EQ(table.GetMass(kPin), 1.0);
}

TEST(TableWithoutDocumentTest, HasNoValuesAndNoMass) {
  TdvDataTable table;
  table.RefreshFrames();
  table.AddSeries(5);
  EXPECT_EQ(table.GetMass(5), 0.0);
  TdvDataValueGroup* x = table.FindGroup(5, kQuantityXPos);
  ASSERT_NE(x, nullptr);
  EXPECT_TRUE(x->Values().empty());
  TdvDataValueGroup* speed = table.EnsureGroup(5, kQuantitySpeed);
  ASSERT_NE(speed, nullptr);
  EXPECT_TRUE(speed->Values().empty());
  std::vector<std::int32_t> affected;
  table.SeriesChanged(5, 3, TdvDataTable::kOneFrame, affected);
  std::ostringstream out;
  table.WriteText(out);
  // Positions are always exported, here without values, name or unit.
  EXPECT_EQ(out.str(), "\ntime(s)\tx-pos()\ty-pos()\t\n");
}

}  // namespace
