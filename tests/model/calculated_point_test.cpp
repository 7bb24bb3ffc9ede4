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

}  // namespace
