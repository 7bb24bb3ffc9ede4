#pragma once

#include "foundation/geometry.h"

// The program's own, slightly shortened values of pi. Recorded angles are
// compared and differenced across frames, so every angle computation must
// use these and never the full-precision value.
inline constexpr double kPi = 3.14159265359;
inline constexpr double kTwoPi = 6.28318530718;
inline constexpr double kHalfPi = 1.570796326795;
inline constexpr double kInvTwoPi = 0.15915494309188485;

// Angle range codes, as stored per series and numbered in the "Angle Range:"
// popup.
inline constexpr int kAngleRangeSymmetric = 1;   // -pi to pi
inline constexpr int kAngleRangePositive = 2;    // 0 to 2 pi
inline constexpr int kAngleRangeContinuous = 3;  // follows the previous value

double DegToRad(double degrees);
double RadToDeg(double radians);

// Brings angle (radians) into the range of rangeCode. The continuous range
// chooses the turn that lies within about half a turn of previous, so a
// spinning object accumulates its angle without jumps. Unknown codes leave
// the angle as it is.
double NormalizeAngle(double angle, double previous, int rangeCode);

// vector holds (x, y) on entry and (r, theta) on return; theta is normalised
// as by NormalizeAngle. A vector on the y axis (x exactly 0) points straight
// up or down, the origin counting as up.
void CartesianToPolar(TdvRealPoint& vector, double previous, int rangeCode);
