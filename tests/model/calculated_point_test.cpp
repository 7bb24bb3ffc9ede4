#include <gtest/gtest.h>

#include <vector>

#include "calculated_fixture.h"
#include "model/calculated_point_series.h"

namespace {

class CentreOfMassTest : public CalculatedTest {
 protected:
  CentreOfMassTest() : centre(Add<TdvCalculatedCM>(10, "CM")) {
    AddPoint(1, "A", 0, -40).SetMass(0.1);
    AddPoint(2, "B", 100, -40).SetMass(0.3);
  }

  TdvCalculatedCM& centre;
};

TEST_F(CentreOfMassTest, TheCentreIsWeightedByTheMasses) {
  Include(centre, {1, 2});
  TdvPoint p;
  TdvRealPoint c;
  ASSERT_TRUE(centre.ComputeCentre(p, c, 100));
  EXPECT_DOUBLE_EQ(c.x, 75.0);
  EXPECT_DOUBLE_EQ(c.y, -40.0);
  EXPECT_EQ(p, (TdvPoint{75, -40}));
  EXPECT_DOUBLE_EQ(centre.GetMass(), 0.4);
  EXPECT_DOUBLE_EQ(centre.TotalMass(), 0.4);
}

TEST_F(CentreOfMassTest, TheRoundedCentreGoesHalfAwayFromZero) {
  AddPoint(3, "C", 1, -3);
  Include(centre, {1, 3});
  // Masses whose sums are exact, so that the halves are exact too.
  static_cast<TdvDataPoint*>(doc.items[1])->SetMass(0.25);
  static_cast<TdvDataPoint*>(doc.items[3])->SetMass(0.25);
  TdvPoint p;
  TdvRealPoint c;
  ASSERT_TRUE(centre.ComputeCentre(p, c, 100));
  EXPECT_DOUBLE_EQ(c.x, 0.5);
  EXPECT_DOUBLE_EQ(c.y, -21.5);
  EXPECT_EQ(p, (TdvPoint{1, -22}));
}

TEST_F(CentreOfMassTest, OneUnplacedItemLeavesNoCentreAndTheMassAlone) {
  Include(centre, {1, 2});
  centre.SetMass(0.7);
  static_cast<TdvDataPoint*>(doc.items[2])->TakeData(100, -40, 300);
  TdvPoint p;
  TdvRealPoint c;
  EXPECT_FALSE(centre.ComputeCentre(p, c, 300));
  EXPECT_DOUBLE_EQ(centre.GetMass(), 0.7);
  // The total counts every existing item, placed or not.
  EXPECT_DOUBLE_EQ(centre.TotalMass(), 0.4);
}

TEST_F(CentreOfMassTest, MasslessItemsHaveNoCentre) {
  static_cast<TdvDataPoint*>(doc.items[1])->SetMass(0.0);
  static_cast<TdvDataPoint*>(doc.items[2])->SetMass(1e-31);
  Include(centre, {1, 2});
  TdvPoint p;
  TdvRealPoint c;
  EXPECT_FALSE(centre.ComputeCentre(p, c, 100));
}

TEST_F(CentreOfMassTest, NoItemsOrMissingItemsHaveNoCentre) {
  TdvPoint p;
  TdvRealPoint c;
  EXPECT_FALSE(centre.ComputeCentre(p, c, 100));
  Include(centre, {1, 9});
  EXPECT_FALSE(centre.ComputeCentre(p, c, 100));
  EXPECT_DOUBLE_EQ(centre.TotalMass(), 0.1);
}

TEST_F(CentreOfMassTest, AsAnOriginItGivesTheCentreAndItsOwnRotation) {
  Include(centre, {1, 2});
  centre.SetValue(0.5, 100);
  TdvRealPoint position;
  double angle = 0.0;
  ASSERT_TRUE(centre.GetOriginPosition(position, angle, 100));
  EXPECT_DOUBLE_EQ(position.x, 75.0);
  EXPECT_DOUBLE_EQ(angle, 0.5);
  EXPECT_FALSE(centre.GetOriginPosition(position, angle, 200));
}

TEST_F(CentreOfMassTest, ACentreOfCentresUsesTheirTotalMasses) {
  Include(centre, {1, 2});
  AddPoint(3, "C", 175, -40).SetMass(0.4);
  auto& outer = Add<TdvCalculatedCM>(11, "CM2");
  Include(outer, {10, 3});
  TdvPoint p;
  TdvRealPoint c;
  ASSERT_TRUE(outer.ComputeCentre(p, c, 100));
  EXPECT_DOUBLE_EQ(c.x, 125.0);  // 0.4 kg at 75 and 0.4 kg at 175
  EXPECT_DOUBLE_EQ(outer.GetMass(), 0.8);
}

// Inputs may be chosen so that a series depends on itself; the computation
// must fail rather than run away.
TEST_F(CentreOfMassTest, ACentreThatDependsOnItselfHasNoPosition) {
  Include(centre, {1, 10});
  TdvPoint p;
  TdvRealPoint c;
  EXPECT_FALSE(centre.ComputeCentre(p, c, 100));

  auto& designated = Add<TdvCalculatedDesPt>(11, "DP");
  Include(designated, {2, 10});
  Include(centre, {1, 11});
  EXPECT_FALSE(centre.ComputeCentre(p, c, 100));
  EXPECT_FALSE(designated.ComputePosition(p, c, 100));

  // Once the loop is broken both compute again.
  Include(designated, {1, 2});
  EXPECT_TRUE(centre.ComputeCentre(p, c, 100));
}

TEST_F(CentreOfMassTest, ASeriesThatIncludesItselfIsNeverHit) {
  Include(centre, {10});
  EXPECT_FALSE(centre.HitTest(TdvPoint{0, -40}, 100));
}

class DesignatedPointTest : public CalculatedTest {
 protected:
  DesignatedPointTest() : designated(Add<TdvCalculatedDesPt>(10, "DP")) {
    AddPoint(1, "A", 10, -20);
    AddPoint(2, "B", 110, -20);
    Include(designated, {1, 2});
  }

  TdvRealPoint PositionAt(std::int32_t frame) {
    TdvPoint p;
    TdvRealPoint c;
    EXPECT_TRUE(designated.ComputePosition(p, c, frame));
    return c;
  }

  TdvCalculatedDesPt& designated;
};

TEST_F(DesignatedPointTest, ANewPointLiesSeventyPercentAlongAB) {
  TdvRealPoint c = PositionAt(100);
  EXPECT_NEAR(c.x, 80.0, 1e-9);
  EXPECT_NEAR(c.y, -20.0, 1e-9);
}

TEST_F(DesignatedPointTest, PerpendicularOffsetsGoCounterClockwiseFromAB) {
  designated.SetAlong(0.0);
  designated.SetPerp(0.5);
  TdvRealPoint c = PositionAt(100);
  EXPECT_NEAR(c.x, 10.0, 1e-9);
  EXPECT_NEAR(c.y, 30.0, 1e-9);  // half of AB to the left of A
  designated.SetPerp(-0.25);
  c = PositionAt(100);
  EXPECT_NEAR(c.x, 10.0, 1e-9);
  EXPECT_NEAR(c.y, -45.0, 1e-9);
}

TEST_F(DesignatedPointTest, AlongAndPerpCombineForAnyDirectionOfAB) {
  // AB straight down, 100 long.
  static_cast<TdvDataPoint*>(doc.items[2])->TakeData(10, -120, 100);
  designated.SetAlong(0.5);
  designated.SetPerp(0.5);
  TdvRealPoint c = PositionAt(100);
  EXPECT_NEAR(c.x, 60.0, 1e-9);
  EXPECT_NEAR(c.y, -70.0, 1e-9);
  // Backwards along AB.
  designated.SetAlong(-0.3);
  designated.SetPerp(0.0);
  c = PositionAt(100);
  EXPECT_NEAR(c.x, 10.0, 1e-9);
  EXPECT_NEAR(c.y, 10.0, 1e-9);
}

TEST_F(DesignatedPointTest, TheRoundedPositionIsAnIntegerPoint) {
  designated.SetAlong(0.125);
  TdvPoint p;
  TdvRealPoint c;
  ASSERT_TRUE(designated.ComputePosition(p, c, 100));
  EXPECT_DOUBLE_EQ(c.x, 22.5);
  EXPECT_EQ(p, (TdvPoint{23, -20}));
}

TEST_F(DesignatedPointTest, CoincidentEndsPutThePointOnThem) {
  static_cast<TdvDataPoint*>(doc.items[2])->TakeData(10, -20, 100);
  designated.SetPerp(0.4);
  TdvRealPoint c = PositionAt(100);
  EXPECT_NEAR(c.x, 10.0, 1e-9);
  EXPECT_NEAR(c.y, -20.0, 1e-9);
}

TEST_F(DesignatedPointTest, AMissingEndLeavesNoPosition) {
  TdvPoint p;
  TdvRealPoint c;
  EXPECT_FALSE(designated.ComputePosition(p, c, 200));
  designated.RemoveIncluded(1);
  EXPECT_EQ(Included(designated), (std::vector<std::int32_t>{kEmptyInputRef, 2}));
  EXPECT_FALSE(designated.ComputePosition(p, c, 100));
}

TEST_F(DesignatedPointTest, ItCanIncludeAnotherCalculatedPoint) {
  auto& centre = Add<TdvCalculatedCM>(11, "CM");
  Include(centre, {1, 2});
  Include(designated, {1, 11});  // A to the middle of AB
  designated.SetAlong(1.0);
  TdvRealPoint c = PositionAt(100);
  EXPECT_NEAR(c.x, 60.0, 1e-9);
}

TEST_F(DesignatedPointTest, AsAnOriginItGivesItsPositionAndRotation) {
  designated.SetSampleType(kFixed);
  designated.SetValue(-0.25, 700);
  TdvRealPoint position;
  double angle = 0.0;
  ASSERT_TRUE(designated.GetOriginPosition(position, angle, 100));
  EXPECT_NEAR(position.x, 80.0, 1e-9);
  EXPECT_DOUBLE_EQ(angle, -0.25);
  EXPECT_EQ(designated.TableWidth(), 100);
  designated.SetOrigin(1);
  EXPECT_EQ(designated.TableColumns(), 3);
}

}  // namespace
