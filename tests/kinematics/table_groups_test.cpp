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

class RecordingListener : public TdvDataTableListener {
 public:
  void ColumnAvailable(std::int32_t id, int quantity) override {
    columns.emplace_back(id, quantity);
  }
  void GroupActiveChanged(std::int32_t id, int quantity) override {
    redraws.emplace_back(id, quantity);
  }
  std::vector<std::pair<std::int32_t, int>> columns;
  std::vector<std::pair<std::int32_t, int>> redraws;
};

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

TEST_F(GroupsTest, TotalEnergyAtRestIsThePotentialEnergy) {
  Series(kBall).mass = 1.5;
  Track(6, [](double) { return std::pair{1.0, 2.0}; });
  EXPECT_EQ(At(kQuantityTotalEnergy, 2), At(kQuantityMgy, 2));
  EXPECT_NEAR(At(kQuantityMgy, 2), 1.5 * 9.8 * 2.0, 1e-9);
  // A vector of length zero points nowhere; its direction is 0.
  EXPECT_EQ(At(kQuantityVelocityDirection, 2), 0.0);
}

TEST_F(GroupsTest, PotentialEnergyTakesGravityInThePositionUnit) {
  FakeSeries& ball = Series(kBall);
  ball.mass = 2.0;
  ball.lengthUnit = 2;  // cm; the fake stores metres
  Track(3, [](double) { return std::pair{0.0, 0.1}; });
  EXPECT_NEAR(At(kQuantityMgy, 1), 19600.0, 1e-6);
}

TEST_F(GroupsTest, ThetaRunsOnPastAHalfTurn) {
  for (int angleUnit : {8, 7}) {
    doc.series.clear();
    table.RemoveSeries(kBall);
    Series(kBall).angleUnit = angleUnit;
    Track(9, [](double t) {
      double degrees = 160.0 + 150.0 * t;  // 5 degrees a frame
      return std::pair{2.0 * std::cos(DegToRad(degrees)), 2.0 * std::sin(DegToRad(degrees))};
    });
    const TdvDataValueGroup& theta = Shown(kBall, kQuantityTheta);
    double previous = -1e9;
    for (const auto& [frame, value] : theta.Values()) {
      EXPECT_GT(value, previous) << frame;
      previous = value;
    }
    double last = angleUnit == 8 ? 200.0 : DegToRad(200.0);
    EXPECT_NEAR(theta.GetValue(8).value(), last, 1e-6) << "angle unit " << angleUnit;
  }
}

TEST_F(GroupsTest, PointOnTheOriginHasThetaZero) {
  Track(3, [](double t) { return t > 0.05 ? std::pair{1.0, 1.0} : std::pair{0.0, 0.0}; });
  EXPECT_EQ(At(kQuantityTheta, 0), 0.0);
  EXPECT_NEAR(At(kQuantityTheta, 2), 45.0, 1e-9);
}

TEST_F(GroupsTest, QuantitiesWithoutAComputingClassGiveNoGroup) {
  Track(3, [](double t) { return std::pair{t, t}; });
  std::size_t groups = table.FindObject(kBall)->Groups().size();
  for (int quantity : {0, 33, 34, 43, 45, 80, 255}) {
    EXPECT_EQ(table.FindGroup(kBall, quantity), nullptr) << quantity;
  }
  EXPECT_EQ(table.FindObject(kBall)->Groups().size(), groups);
  EXPECT_EQ(table.FindGroup(99, kQuantityXPos), nullptr);
}

TEST_F(GroupsTest, UseCountsRunDownTheInputs) {
  RecordingListener window;
  table.SetWindow(&window);
  Track(6, [](double t) { return std::pair{t * t, t}; });
  TdvDataValueGroup& energy = *table.FindGroup(kBall, kQuantityKineticEnergy);
  TdvDataValueGroup& vx = *table.FindGroup(kBall, kQuantityXVelocity);
  TdvDataValueGroup& vy = *table.FindGroup(kBall, kQuantityYVelocity);
  EXPECT_FALSE(vx.IsActive());
  energy.Use(true);
  EXPECT_EQ(vx.UseCount(), 1);
  EXPECT_EQ(vy.UseCount(), 1);
  EXPECT_EQ(table.TimeGroup()->UseCount(), 2);
  EXPECT_TRUE(vx.IsActive());
  Shown(kBall, kQuantityXVelocity);
  EXPECT_EQ(vx.UseCount(), 2);
  energy.Use(false);
  EXPECT_TRUE(vx.IsActive());
  EXPECT_FALSE(vy.IsActive());
  EXPECT_FALSE(energy.IsActive());
  energy.Use(false);  // one release too many
  EXPECT_EQ(energy.UseCount(), 0);
  EXPECT_EQ(vy.UseCount(), 0);
  using Redraw = std::pair<std::int32_t, int>;
  EXPECT_THAT(window.redraws,
              ::testing::UnorderedElementsAre(
                  Redraw{kBall, kQuantityXVelocity}, Redraw{kBall, kQuantityYVelocity},
                  Redraw{kBall, kQuantityKineticEnergy}, Redraw{kBall, kQuantityYVelocity},
                  Redraw{kBall, kQuantityKineticEnergy}));
  EXPECT_THAT(window.columns, ::testing::Contains(Redraw{kBall, kQuantityKineticEnergy}));
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

TEST_F(GroupsTest, RotationOfTheAxesIsReadAndDifferentiated) {
  FakeSeries& ball = Series(kBall);
  for (std::int32_t f = 0; f < 5; ++f) {
    ball.rotations[f] = 0.3 * f;
  }
  Track(5, [](double) { return std::pair{1.0, 1.0}; });
  EXPECT_EQ(At(kQuantityRotation, 3), 0.3 * 3);
  EXPECT_NEAR(At(kQuantityRotationVelocity, 2), 9.0, 1e-9);
}

TEST_F(GroupsTest, UnitsFollowTheSeries) {
  Series(kBall).scale = false;
  Track(3, [](double t) { return std::pair{t, t}; });
  EXPECT_EQ(Shown(kBall, kQuantityXPos).Unit(), kUnitPixels);
  EXPECT_EQ(Shown(kBall, kQuantityXVelocity).Unit(), kUnitPixelsPerSecond);
  EXPECT_EQ(Shown(kBall, kQuantityXAcceleration).Unit(), kUnitPixelsPerSecondSquared);
  EXPECT_EQ(Shown(kBall, kQuantityMomentum).Unit(), kUnitPixelMomentumKg);
  EXPECT_EQ(table.TimeGroup()->Unit(), kUnitSeconds);
}

TEST(GroupClassTest, ClassCodesFollowTheHierarchy) {
  TdvModelVelocityGroup velocity(kQuantityXVelocity);
  TdvModelAccelerationGroup acceleration(kQuantityXAcceleration);
  TdvModelAngleGroup theta(kQuantityTheta);
  TdvModelSpeedGroup speed(kQuantitySpeed);
  TdvDataValueGroup raw(kQuantityXPos, kGroupPlain);
  struct Row {
    const TdvObject* group;
    std::string codes;  // every code the group answers to, 0 aside
  };
  for (const Row& row : {Row{&velocity, "JHG"}, Row{&acceleration, "HG"}, Row{&theta, "KHG"},
                         Row{&speed, "IHG"}, Row{&raw, "G"}}) {
    EXPECT_TRUE(row.group->IsA(0));
    for (char code : std::string("GHIJK")) {
      EXPECT_EQ(row.group->IsA(code), row.codes.find(code) != std::string::npos)
          << row.codes << " asked " << code;
    }
  }
  EXPECT_EQ(acceleration.Mode(), kGroupSmoothed);
  EXPECT_EQ(theta.Mode(), kGroupContinuousAngle);
  EXPECT_EQ(TdvModelForceGroup(kQuantityXNetForce).Mode(), kGroupAlwaysFull);
}

TEST(GroupListTest, CursorWalksInFrameOrderAndTargetDependsOnMode) {
  TdvDataValueGroup plain(kQuantityXPos, kGroupPlain);
  for (std::int32_t frame : {7, 2, 5}) {
    plain.SetValue(frame, frame * 1.5);
  }
  EXPECT_EQ(plain.First()->frame, 2);
  EXPECT_EQ(plain.Next()->frame, 5);
  plain.RemoveValue(5);
  EXPECT_EQ(plain.Next()->frame, 7);
  EXPECT_FALSE(plain.Next());
  EXPECT_EQ(plain.Prev()->frame, 2);
  EXPECT_FALSE(plain.Prev());

  TdvDataValueGroup smoothed(kQuantityXAcceleration, kGroupSmoothed);
  smoothed.SetValue(3, 1.0);
  EXPECT_FALSE(smoothed.GetValue(3));
  EXPECT_EQ(smoothed.RawValues().at(3), 1.0);
  smoothed.RemoveValue(3);
  EXPECT_TRUE(smoothed.RawValues().empty());
}

}  // namespace
