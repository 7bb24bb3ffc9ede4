#include "graph/nice_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

TdvAxisScale Auto(double min, double max, double centre, bool smoothed) {
  TdvAxisScale axis;
  EXPECT_TRUE(NiceScale(min, max, centre, smoothed, true, axis));
  return axis;
}

void ExpectAxis(const TdvAxisScale& axis, double min, double max, double step, int ticks) {
  EXPECT_NEAR(axis.axisMin, min, 1e-9);
  EXPECT_NEAR(axis.axisMax, max, 1e-9);
  EXPECT_NEAR(axis.step, step, 1e-9);
  EXPECT_EQ(axis.ticks, ticks);
}

TEST(NiceScaleExamples, DataFillingTheirRange) {
  ExpectAxis(Auto(0.03, 0.97, 0.5, false), 0.0, 1.0, 0.2, 5);
  ExpectAxis(Auto(-2.3, 7.9, 2.8, false), -3.0, 9.0, 2.0, 6);
}

TEST(NiceScaleExamples, UpperEndIsNeverCutOff) {
  // The nearest tick to 0.94 is 0.9; the axis goes on to the next one.
  const TdvAxisScale axis = Auto(0.5, 0.94, 0.72, false);
  EXPECT_GE(axis.axisMax, 0.94);
  ExpectAxis(axis, 0.5, 1.0, 0.1, 5);
}

TEST(NiceScaleInput, NumbersThatAreNotFiniteLeaveTheAxis) {
  const TdvAxisScale before{-1.0, 1.0, 0.5, 4};
  const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()};
  for (double v : bad) {
    for (int which = 0; which < 3; ++which) {
      TdvAxisScale axis = before;
      const double min = which == 0 ? v : 0.0;
      const double max = which == 1 ? v : 1.0;
      const double centre = which == 2 ? v : 0.5;
      EXPECT_FALSE(NiceScale(min, max, centre, false, true, axis));
      EXPECT_EQ(axis.axisMin, before.axisMin);
      EXPECT_EQ(axis.axisMax, before.axisMax);
      EXPECT_EQ(axis.ticks, before.ticks);
    }
  }
  TdvAxisScale axis = before;
  EXPECT_FALSE(NiceScale(-1e308, 1e308, 0.0, false, true, axis)) << "range overflows";
  EXPECT_EQ(axis.axisMax, before.axisMax);
}

// Over data of every size and place, the automatic axis shows all the data
// with 1 to 12 intervals of a positive step.
TEST(NiceScaleProperty, AxisHoldsTheDataWithOneToTwelveTicks) {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::uniform_int_distribution<int> exponent(-12, 12);
  for (int trial = 0; trial < 200000; ++trial) {
    const double magnitude = std::pow(10.0, exponent(random));
    const double offset = (unit(random) - 0.5) * magnitude * std::pow(10.0, exponent(random) % 4);
    double min = offset + (unit(random) - 0.5) * magnitude;
    double max = min + (trial % 7 == 0 ? 0.0 : unit(random) * magnitude);
    const double centre = min + unit(random) * (max - min);
    const bool smoothed = trial % 3 == 0;
    TdvAxisScale axis;
    ASSERT_TRUE(NiceScale(min, max, centre, smoothed, true, axis))
        << min << " " << max << " " << centre;
    const double slack = 1e-12 * std::max({std::fabs(min), std::fabs(max), axis.step});
    ASSERT_LE(axis.axisMin, min + slack) << min << " " << max << " " << centre << " " << smoothed;
    ASSERT_GE(axis.axisMax, max - slack) << min << " " << max << " " << centre << " " << smoothed;
    ASSERT_GE(axis.ticks, 1) << min << " " << max << " " << centre << " " << smoothed;
    ASSERT_LE(axis.ticks, 12) << min << " " << max << " " << centre << " " << smoothed;
    ASSERT_GT(axis.step, 0.0);
    ASSERT_NEAR(axis.axisMax - axis.axisMin, axis.ticks * axis.step, 1e-9 * axis.ticks * axis.step);
  }
}

}  // namespace
