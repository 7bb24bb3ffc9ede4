#include "foundation/geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

int RoundHalfAway(double v) {
  if (std::isnan(v)) {
    return 0;
  }
  double rounded = std::trunc(v >= 0.0 ? v + 0.5 : v - 0.5);
  if (rounded >= static_cast<double>(INT_MAX)) {
    return INT_MAX;
  }
  if (rounded <= static_cast<double>(INT_MIN)) {
    return INT_MIN;
  }
  return static_cast<int>(rounded);
}

TdvPoint RoundPoint(const TdvRealPoint& p) {
  return TdvPoint{RoundHalfAway(p.x), RoundHalfAway(p.y)};
}

double Distance(const TdvRealPoint& a, const TdvRealPoint& b) {
  double dx = b.x - a.x;
  double dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

TdvRealPoint RotatePoint(double x, double y, double angle) {
  double c = std::cos(angle);
  double s = std::sin(angle);
  return TdvRealPoint(x * c - y * s, x * s + y * c);
}

TdvRealPoint RotateAbout(const TdvRealPoint& centre, const TdvRealPoint& p, double angle) {
  TdvRealPoint turned = RotatePoint(p.x - centre.x, p.y - centre.y, angle);
  return TdvRealPoint(centre.x + turned.x, centre.y + turned.y);
}

bool PointInRect(const TdvPoint& p, const TdvRect& r) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

bool PointInRectNegatedY(const TdvPoint& p, const TdvRect& r) {
  // Widened so that negating INT_MIN cannot overflow.
  std::int64_t top = -static_cast<std::int64_t>(r.top);
  std::int64_t bottom = -static_cast<std::int64_t>(r.bottom);
  return p.x >= r.left && p.x < r.right && p.y >= top && p.y < bottom;
}

TdvPoint ClampPointToRect(const TdvPoint& p, const TdvRect& r) {
  return TdvPoint{std::max(r.left, std::min(p.x, r.right)),
                  std::max(r.top, std::min(p.y, r.bottom))};
}

TdvPoint RectCentre(const TdvRect& r) {
  // Computed as left + half the width so that wide rectangles do not overflow.
  auto middle = [](int low, int high) {
    return static_cast<int>(low + (static_cast<std::int64_t>(high) - low) / 2);
  };
  return TdvPoint{middle(r.left, r.right), middle(r.top, r.bottom)};
}

bool IsEmptyRect(const TdvRect& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

std::optional<TdvRect> IntersectRects(const TdvRect& a, const TdvRect& b) {
  TdvRect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
  if (IsEmptyRect(common)) {
    return std::nullopt;
  }
  return common;
}
