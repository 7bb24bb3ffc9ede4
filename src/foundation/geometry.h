#pragma once

#include <optional>

// A position or vector with real coordinates. valid is cleared by the series
// for a datum that has no position.
struct TdvRealPoint {
  constexpr TdvRealPoint() = default;
  constexpr TdvRealPoint(double px, double py, bool v = true) : x(px), y(py), valid(v) {}

  double x = 0.0;
  double y = 0.0;
  bool valid = true;
};

// A position in integer units (movie units or client pixels).
struct TdvPoint {
  int x = 0;
  int y = 0;

  bool operator==(const TdvPoint&) const = default;
};

// A rectangle in integer pixels; right and bottom lie just outside it.
struct TdvRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const TdvRect&) const = default;
};

// Rounds halves away from zero (2.5 to 3, -2.5 to -3). Values beyond the
// integer range give the nearest representable integer and NaN gives 0.
int RoundHalfAway(double v);
TdvPoint RoundPoint(const TdvRealPoint& p);
double Distance(const TdvRealPoint& a, const TdvRealPoint& b);
// Turns (x, y) about the origin by angle radians, counter-clockwise with y up.
TdvRealPoint RotatePoint(double x, double y, double angle);
TdvRealPoint RotateAbout(const TdvRealPoint& centre, const TdvRealPoint& p, double angle);

// left <= x < right and top <= y < bottom.
bool PointInRect(const TdvPoint& p, const TdvRect& r);
// The same test against r with its top and bottom negated, for a rectangle
// kept in y-up coordinates while the point is in y-down coordinates or the
// reverse.
bool PointInRectNegatedY(const TdvPoint& p, const TdvRect& r);
// Moves p into r, x and y separately.
TdvPoint ClampPointToRect(const TdvPoint& p, const TdvRect& r);
TdvPoint RectCentre(const TdvRect& r);
bool IsEmptyRect(const TdvRect& r);
// The common part of a and b, or none when they do not overlap.
std::optional<TdvRect> IntersectRects(const TdvRect& a, const TdvRect& b);
