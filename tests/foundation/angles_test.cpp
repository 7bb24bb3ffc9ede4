#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "foundation/angles.h"

namespace {

TEST(NormalizeAngleTest, EachRangeCorrectsOnceFromThePreviousValue) {
  struct Case {
    double angle, previous;
    int range;
    double expected;
  };
  const Case cases[] = {
      // Symmetric: one correction, so two turns out stays outside the range.
      {-3.2, 0.0, 1, -3.2 + 6.28318530718},
      {3.2, 7.0, 1, 3.2 - 6.28318530718},
      {1.0, 0.0, 1, 1.0},
      {kPi, 0.0, 1, kPi},
      {10.0, 0.0, 1, 10.0 - kTwoPi},
      // Positive: only negative angles are lifted.
      {-0.5, 3.0, 2, 5.78318530718},
      {7.0, 0.0, 2, 7.0},
      {0.0, 0.0, 2, 0.0},
      // Continuous: follows the previous value.
      {-3.1, 3.1, 3, 3.18318530718},
      {0.1, 12.5, 3, 12.66637061436},
      {3.1, -3.1, 3, -3.18318530718},
      {0.5, 0.4, 3, 0.5},
      // Unknown codes leave the angle.
      {-9.0, 1.0, 0, -9.0},
      {9.0, 1.0, 4, 9.0},
  };
  for (const Case& c : cases) {
    double normalised = NormalizeAngle(c.angle, c.previous, c.range);
    if (c.range == 3) {  // expected values written to eleven decimals
      EXPECT_NEAR(normalised, c.expected, 1e-10) << c.angle << " after " << c.previous;
    } else {
      EXPECT_DOUBLE_EQ(normalised, c.expected) << c.angle << " in range " << c.range;
    }
  }
}

TEST(CartesianToPolarTest, GivesLengthAndTheAngleNormalisedForTheRange) {
  TdvRealPoint v(3.0, 4.0);
  CartesianToPolar(v, 0.0, 1);
  EXPECT_EQ(v.x, 5.0);
  EXPECT_DOUBLE_EQ(v.y, std::atan2(4.0, 3.0));
  TdvRealPoint origin(0.0, 0.0);  // on the y axis the program's half pi is used
  CartesianToPolar(origin, 0.0, 1);
  EXPECT_EQ(origin.x, 0.0);
  EXPECT_EQ(origin.y, kHalfPi);
  TdvRealPoint down(0.0, -2.0);
  CartesianToPolar(down, 0.0, 2);
  EXPECT_EQ(down.x, 2.0);
  EXPECT_EQ(down.y, -kHalfPi + kTwoPi);
  TdvRealPoint behind(-1.0, -0.001);
  CartesianToPolar(behind, 3.1, 3);
  EXPECT_NEAR(behind.y, kPi + 0.001, 1e-6);
}

}  // namespace
