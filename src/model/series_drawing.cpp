#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "model/series.h"

namespace {

constexpr double kHalfPiAngle = 1.570796326795;
constexpr int kTrailHalf = 1;

constexpr TdvColour kMarkerColours[] = {
    MakeColour(255, 0, 0),     MakeColour(255, 255, 0),   MakeColour(0, 255, 0),
    MakeColour(0, 255, 255),   MakeColour(0, 0, 255),     MakeColour(255, 0, 255),
    MakeColour(128, 128, 128), MakeColour(255, 255, 255), MakeColour(0, 0, 0),
};

// The part of the line through `through` at `angle` (window pixels, y
// down) that lies in `rect`; false when it misses the rectangle.
bool ClipAxis(const TdvPoint& through, double angle, const TdvRect& rect, TdvPoint& from,
              TdvPoint& to) {
  double dx = std::cos(angle);
  double dy = -std::sin(angle);
  double low = -1e9;
  double high = 1e9;
  auto clip = [&](double start, double direction, double min, double max) {
    if (std::abs(direction) < 1e-12) {
      return start >= min && start <= max;
    }
    double a = (min - start) / direction;
    double b = (max - start) / direction;
    low = std::max(low, std::min(a, b));
    high = std::min(high, std::max(a, b));
    return low <= high;
  };
  if (!clip(through.x, dx, rect.left, rect.right - 1) ||
      !clip(through.y, dy, rect.top, rect.bottom - 1)) {
    return false;
  }
  from = RoundPoint(TdvRealPoint(through.x + low * dx, through.y + low * dy));
  to = RoundPoint(TdvRealPoint(through.x + high * dx, through.y + high * dy));
  return true;
}

}  // namespace

TdvColour MarkerColourRgb(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kMarkerColours))) {
    return MakeColour(0, 0, 0);
  }
  return kMarkerColours[index];
}

bool TdvDataObject::MoviePosition(TdvPoint& position, double& angle, std::int32_t frame) {
  TdvRealPoint point;
  if (!IsPointType() || !GetOriginPosition(point, angle, frame)) {
    return false;
  }
  position = RoundPoint(point);
  return true;
}

void TdvDataObject::DrawOnMovie(TdvSeriesView& view, std::int32_t frame) {
  TdvPoint position;
  double angle = 0.0;
  if (!MoviePosition(position, angle, frame)) {
    return;
  }
  TdvPoint at = view.ToWindow(position);
  DrawMarker(view, at, angle, frame);
  DrawLabel(view, at.x, at.y, frame);
}

void TdvDataObject::DrawSelection(TdvSeriesView& view, std::int32_t frame) {
  TdvPoint position;
  double angle = 0.0;
  if (MoviePosition(position, angle, frame)) {
    FrameMarker(view, view.ToWindow(position), frame, true);
  }
}

void TdvDataObject::FrameMarker(TdvSeriesView& view, const TdvPoint& at, std::int32_t frame,
                                bool withLabel) {
  int reach = 2 * std::max(markerSize, 0) + 6;
  TdvRect box{at.x - reach, at.y - reach, at.x + reach + 1, at.y + reach + 1};
  view.SetColour(MarkerColourRgb(markerColour));
  view.SetPenWidth(2);
  view.FrameRect(box);
  if (withLabel && view.IsMovieWindow()) {
    TdvRect label = view.SmallTextRect(LabelText(view, frame), TdvPoint{at.x + 5, at.y - 5});
    TdvRect around{label.left - 2, label.top - 2, label.right + 2, label.bottom + 2};
    view.FrameRect(around);
    view.Line(TdvPoint{box.right, box.top}, TdvPoint{around.left, around.bottom});
  }
  view.SetPenWidth(1);
}

std::string TdvDataObject::LabelText(TdvSeriesView&, std::int32_t) {
  return name;
}

void TdvDataObject::DrawLabel(TdvSeriesView& view, int x, int y, std::int32_t frame) {
  view.SetColour(MarkerColourRgb(markerColour));
  view.SmallText(LabelText(view, frame), TdvPoint{x + 5, y - 5});
}

void TdvDataObject::DrawTrailMark(TdvSeriesView& view, const TdvPoint& at, const TdvRect& picture,
                                  TdvPoint& last) {
  bool touchesLast = std::abs(at.x - last.x) <= kTrailHalf && std::abs(at.y - last.y) <= kTrailHalf;
  if (touchesLast || !PointInRect(at, picture)) {
    return;
  }
  last = at;
  view.FillRect(
      TdvRect{at.x - kTrailHalf, at.y - kTrailHalf, at.x + kTrailHalf + 1, at.y + kTrailHalf + 1});
}

void TdvDataObject::DrawTrails(TdvSeriesView& view, std::int32_t frame,
                               const std::vector<std::int32_t>& frames) {
  if (!IsPointType()) {
    return;
  }
  TdvRect picture = view.PictureRect();
  TdvPoint last{kNoPosition, kNoPosition};
  view.SetColour(MarkerColourRgb(markerColour));
  for (std::int32_t key : frames) {
    TdvPoint position;
    double angle = 0.0;
    if (key != frame && MoviePosition(position, angle, key)) {
      DrawTrailMark(view, view.ToWindow(position), picture, last);
    }
  }
}

void TdvDataObject::DrawMarker(TdvSeriesView& view, const TdvPoint& at, double angle,
                               std::int32_t frame) {
  view.SetColour(MarkerColourRgb(markerColour));
  if (markerType <= 10) {
    view.BitmapMarker(at, markerType, markerSize, markerColour);
  } else if (markerType >= 100 && markerType <= 102) {
    TdvRealPoint unused;
    double originAngle = 0.0;
    if (TdvDataObject* origin = document != nullptr ? document->GetItem(originId) : nullptr;
        origin != nullptr && origin != this) {
      origin->GetOriginPosition(unused, originAngle, frame);
    }
    double xAxis = angle + originAngle;
    TdvRect picture = view.PictureRect();
    TdvPoint from;
    TdvPoint to;
    if (markerType != 101 && ClipAxis(at, xAxis, picture, from, to)) {
      view.Line(from, to);
    }
    if (markerType != 100 && ClipAxis(at, xAxis + kHalfPiAngle, picture, from, to)) {
      view.Line(from, to);
    }
  } else if (markerType >= 200 && markerType <= 203 && view.IsMovieWindow()) {
    DrawChangeMarker(view, at, frame);
  } else if (markerType >= 300 && markerType <= 306 && view.IsMovieWindow()) {
    DrawVectorMarker(view, at, frame);
  }
}

bool TdvDataObject::NextPosition(TdvPoint& position, std::int32_t frame) {
  if (document == nullptr) {
    return false;
  }
  const std::vector<std::int32_t>& keys = document->FrameKeys();
  auto next = std::upper_bound(keys.begin(), keys.end(), frame);
  double angle = 0.0;
  return next != keys.end() && MoviePosition(position, angle, *next);
}

// 200 an arrow to the next frame's position, 201 with a heavy pen, 202
// twice as long, 203 a line without a head.
void TdvDataObject::DrawChangeMarker(TdvSeriesView& view, const TdvPoint& at, std::int32_t frame) {
  TdvPoint next;
  if (!NextPosition(next, frame)) {
    return;
  }
  TdvPoint to = view.ToWindow(next);
  if (markerType == 202) {
    to = TdvPoint{2 * to.x - at.x, 2 * to.y - at.y};
  }
  view.SetPenWidth(markerType == 201 ? 2 : 1);
  view.Line(at, to);
  if (markerType != 203) {
    view.ArrowHead(at, to, 6);
  }
  view.SetPenWidth(1);
}

// From the origin's position to the series': 300 the vector, 301 its
// component along the origin's x axis, 302 along its y axis, 303 both
// components, 304 to 306 the vector with both components (305 with a heavy
// pen, 306 with the marker at its head).
void TdvDataObject::DrawVectorMarker(TdvSeriesView& view, const TdvPoint& at, std::int32_t frame) {
  TdvDataObject* origin = document != nullptr ? document->GetItem(originId) : nullptr;
  TdvPoint base;
  double angle = 0.0;
  if (origin == nullptr || origin == this || !origin->MoviePosition(base, angle, frame)) {
    return;
  }
  TdvPoint tail = view.ToWindow(base);
  TdvRealPoint offset(at.x - tail.x, at.y - tail.y);
  // Window y runs down: the axes turn the other way.
  double along = offset.x * std::cos(angle) - offset.y * std::sin(angle);
  TdvPoint corner =
      RoundPoint(TdvRealPoint(tail.x + along * std::cos(angle), tail.y - along * std::sin(angle)));
  bool vector = markerType == 300 || markerType >= 304;
  bool xPart = markerType == 301 || markerType >= 303;
  bool yPart = markerType == 302 || markerType >= 303;
  view.SetPenWidth(markerType == 305 ? 2 : 1);
  if (vector) {
    view.Line(tail, at);
    view.ArrowHead(tail, at, 6);
  }
  if (xPart) {
    view.Line(tail, corner);
    view.ArrowHead(tail, corner, 4);
  }
  if (yPart) {
    view.Line(corner, at);
    view.ArrowHead(corner, at, 4);
  }
  view.SetPenWidth(1);
  if (markerType == 306) {
    view.BitmapMarker(at, 0, markerSize, markerColour);
  }
}
