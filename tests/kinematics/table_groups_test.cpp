#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "foundation/angles.h"
#include "kinematics/angle_group.h"
#include "kinematics/calculated_groups.h"
#include "kinematics/derivative_groups.h"
#include "kinematics/quantity_table.h"
#include "kinematics/unit_table.h"
#include "table_fixture.h"

namespace {

constexpr std::int32_t kBall = 1;

class GroupsTest : public TableFixture {
 protected:
  // Frames 0 to count - 1 with the point at position(t).
  template <typename F>
  void Track(int count, F position) {
    FakeSeries& ball = Series(kBall);
    for (std::int32_t f = 0; f < count; ++f) {
      ball.points[f] = position(doc.FrameTime(f));
    }
    Build();
  }
  double At(int quantity, std::int32_t frame) {
    return Shown(kBall, quantity).GetValue(frame).value();
  }
};

TEST_F(GroupsTest, MassAndVelocityGiveSpeedMomentumAndEnergies) {
  Series(kBall).mass = 0.5;
  Track(6, [](double t) { return std::pair{3.0 * t, 4.0 * t}; });
  EXPECT_NEAR(At(kQuantitySpeed, 2), 5.0, 1e-9);
  EXPECT_NEAR(At(kQuantityMomentum, 2), 2.5, 1e-9);
  EXPECT_NEAR(At(kQuantityXMomentum, 2), 1.5, 1e-9);
  EXPECT_NEAR(At(kQuantityKineticEnergy, 2), 6.25, 1e-9);
  EXPECT_NEAR(At(kQuantityXKineticEnergy, 2), 2.25, 1e-9);
  EXPECT_NEAR(At(kQuantityYKineticEnergy, 2), 4.0, 1e-9);
  EXPECT_NEAR(At(kQuantityVelocityDirection, 2), std::atan2(4.0, 3.0), 1e-9);
  EXPECT_NEAR(At(kQuantityNetForce, 2), 0.0, 1e-6);
}

TEST_F(GroupsTest, GroupShownAgainCatchesUpWithEditsMadeWhileHidden) {
  Track(8, [](double t) { return std::pair{t * t, 0.0}; });
  TdvDataValueGroup& speed = Shown(kBall, kQuantitySpeed);
  speed.Use(false);
  Place(kBall, 4, 10.0, 0.0);
  Erase(kBall, 6);
  speed.Use(true);
  TdvDataTable fresh;
  fresh.SetDocument(&doc);
  fresh.RefreshFrames();
  fresh.AddSeries(kBall);
  EXPECT_TRUE(SameValues(speed.Values(), fresh.FindGroup(kBall, kQuantitySpeed)->Values()));
}

}  // namespace
