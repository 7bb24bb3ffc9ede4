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
  double X(std::int32_t id, std::int32_t frame) {
    return table.FindGroup(id, kQuantityXPos)->GetValue(frame).value();
  }
  double Y(std::int32_t id, std::int32_t frame) {
    return table.FindGroup(id, kQuantityYPos)->GetValue(frame).value();
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

TEST_F(OperationsTest, DependencyCyclesEnd) {
  Series(kOrigin).dependsOn = {kBall};
  Series(kBall).dependsOn = {kOrigin};
  doc.series[kOrigin].points[0] = {1.0, 1.0};
  Build();
  table.SeriesChanged(kOrigin, 0, TdvDataTable::kOneFrame, affected);
  EXPECT_LE(affected.size(), 11u);
  EXPECT_EQ(affected.front(), kOrigin);
}

}  // namespace
