#include "foundation/angles.h"

#include <cmath>

namespace {

constexpr double kInv360 = 0.002777777777777778;

// Brings a difference of angles into [-pi, pi] with at most one correction.
double WrapOnce(double a) {
  if (a < -kPi) {
    return a + kTwoPi;
  }
  if (a > kPi) {
    return a - kTwoPi;
  }
  return a;
}

double FollowPrevious(double angle, double previous) {
  double turns = std::trunc(previous * kInvTwoPi);
  double previousWithinTurn = previous - 2.0 * turns * kPi;
  return previous + WrapOnce(angle - previousWithinTurn);
}

}  // namespace

double DegToRad(double degrees) {
  return kTwoPi * degrees * kInv360;
}

double RadToDeg(double radians) {
  return 360.0 * radians * kInvTwoPi;
}

double NormalizeAngle(double angle, double previous, int rangeCode) {
  switch (rangeCode) {
    case kAngleRangeSymmetric:
      return WrapOnce(angle);
    case kAngleRangePositive:
      return angle < 0.0 ? angle + kTwoPi : angle;
    case kAngleRangeContinuous:
      return FollowPrevious(angle, previous);
    default:
      return angle;
  }
}

void CartesianToPolar(TdvRealPoint& vector, double previous, int rangeCode) {
  double r = std::sqrt(vector.x * vector.x + vector.y * vector.y);
  double theta;
  if (vector.x == 0.0) {
    theta = vector.y < 0.0 ? -kHalfPi : kHalfPi;
  } else {
    theta = std::atan2(vector.y, vector.x);
  }
  vector.x = r;
  vector.y = NormalizeAngle(theta, previous, rangeCode);
}
