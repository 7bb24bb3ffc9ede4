#include <gtest/gtest.h>

#include <vector>

#include "model/calculated_point_series.h"
#include "series_fixture.h"

namespace {

class CentreOfMassTest : public SeriesTest {
 protected:
  CentreOfMassTest() : centre(Add<TdvCalculatedCM>(10, "CM")) {
    AddPoint(1, "A", 0, -40).SetMass(0.1);
    AddPoint(2, "B", 100, -40).SetMass(0.3);
  }

  TdvCalculatedCM& centre;
};

TEST_F(CentreOfMassTest, TheCentreIsWeightedByTheMassesAndRoundsHalfAway) {
  Include(centre, {1, 2});
  TdvPoint p;
  TdvRealPoint c;
  ASSERT_TRUE(centre.ComputeCentre(p, c, 100));
  EXPECT_DOUBLE_EQ(c.x, 75.0);
  EXPECT_DOUBLE_EQ(c.y, -40.0);
  EXPECT_EQ(p, (TdvPoint{75, -40}));
  EXPECT_DOUBLE_EQ(centre.GetMass(), 0.4);
  EXPECT_DOUBLE_EQ(centre.TotalMass(), 0.4);

  AddPoint(3, "C", 1, -3);
  Include(centre, {1, 3});
  // Masses whose sums are exact, so that the halves are exact too.
  static_cast<TdvDataPoint*>(doc.items[1])->SetMass(0.25);
  static_cast<TdvDataPoint*>(doc.items[3])->SetMass(0.25);
  ASSERT_TRUE(centre.ComputeCentre(p, c, 100));
  EXPECT_DOUBLE_EQ(c.x, 0.5);
  EXPECT_DOUBLE_EQ(c.y, -21.5);
  EXPECT_EQ(p, (TdvPoint{1, -22}));
}

TEST_F(CentreOfMassTest, NoCentreWithoutPlacedExistingItemsOfSomeMass) {
  TdvPoint p;
  TdvRealPoint c;
  EXPECT_FALSE(centre.ComputeCentre(p, c, 100));
  Include(centre, {1, 9});
  EXPECT_FALSE(centre.ComputeCentre(p, c, 100));
  EXPECT_DOUBLE_EQ(centre.TotalMass(), 0.1);

  Include(centre, {1, 2});
  centre.SetMass(0.7);
  static_cast<TdvDataPoint*>(doc.items[2])->TakeData(100, -40, 300);
  EXPECT_FALSE(centre.ComputeCentre(p, c, 300));  // A is not placed there
  EXPECT_DOUBLE_EQ(centre.GetMass(), 0.7);
  EXPECT_DOUBLE_EQ(centre.TotalMass(), 0.4);  // every existing item counts

  static_cast<TdvDataPoint*>(doc.items[1])->SetMass(0.0);
  static_cast<TdvDataPoint*>(doc.items[2])->SetMass(1e-31);
  EXPECT_FALSE(centre.ComputeCentre(p, c, 100));
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
  Include(centre, {10});
  EXPECT_FALSE(centre.HitTest(TdvPoint{0, -40}, 100));

  auto& designated = Add<TdvCalculatedDesPt>(11, "DP");
  Include(designated, {2, 10});
  Include(centre, {1, 11});
  EXPECT_FALSE(centre.ComputeCentre(p, c, 100));
  EXPECT_FALSE(designated.ComputePosition(p, c, 100));
  Include(designated, {1, 2});  // once the loop is broken both compute again
  EXPECT_TRUE(centre.ComputeCentre(p, c, 100));
}

class DesignatedPointTest : public SeriesTest {
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

TEST_F(DesignatedPointTest, AlongAndPerpendicularFractionsOfAB) {
  struct Case {
    std::int32_t bx, by;  // B on frame 100
    double along, perp;   // nothing set: a new point
    double x, y;
  };
  const Case cases[] = {
      {110, -20, -1, -1, 80, -20},   // 70 percent along AB
      {110, -20, 0.0, 0.5, 10, 30},  // perpendicular offsets go counter-clockwise
      {110, -20, 0.0, -0.25, 10, -45}, {10, -120, 0.5, 0.5, 60, -70},  // AB straight down
      {10, -120, -0.3, 0.0, 10, 10},                                   // backwards along AB
      {10, -20, 0.7, 0.4, 10, -20},  // coincident ends put the point on them
  };
  for (const Case& c : cases) {
    static_cast<TdvDataPoint*>(doc.items[2])->TakeData(c.bx, c.by, 100);
    if (c.along != -1) {
      designated.SetAlong(c.along);
      designated.SetPerp(c.perp);
    }
    TdvRealPoint position = PositionAt(100);
    EXPECT_NEAR(position.x, c.x, 1e-9) << c.along << " " << c.perp;
    EXPECT_NEAR(position.y, c.y, 1e-9) << c.along << " " << c.perp;
  }
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
