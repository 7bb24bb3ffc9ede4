#include <cmath>

#include "model/calculated_series.h"

namespace {

constexpr int kTickHalf = 5;
constexpr int kArcRadius = 15;

TdvPoint WindowPoint(TdvSeriesView& view, const TdvRealPoint& stored) {
  return view.ToWindow(RoundPoint(stored));
}

void FrameEnd(TdvSeriesView& view, const TdvPoint& at) {
  view.FrameRect(TdvRect{at.x - 5, at.y - 5, at.x + 6, at.y + 6});
}

}  // namespace

void TdvCalculatedLine::DrawOnMovie(TdvSeriesView& view, std::int32_t frame) {
  TdvRealPoint a;
  TdvRealPoint b;
  if (!GetEnds(a, b, frame)) {
    return;
  }
  TdvPoint from = WindowPoint(view, a);
  TdvPoint to = WindowPoint(view, b);
  view.SetColour(MarkerColourRgb(markerColour));
  view.Line(from, to);
  if (markerType == 401 || markerType == 403) {
    double length = std::hypot(to.x - from.x, to.y - from.y);
    if (length > 0.0) {
      int nx = static_cast<int>(std::lround(-(to.y - from.y) * kTickHalf / length));
      int ny = static_cast<int>(std::lround((to.x - from.x) * kTickHalf / length));
      for (const TdvPoint& end : {from, to}) {
        view.Line(TdvPoint{end.x - nx, end.y - ny}, TdvPoint{end.x + nx, end.y + ny});
      }
    }
  }
  if (markerType == 402 || markerType == 403) {
    view.ArrowHead(from, to, 6);
    view.ArrowHead(to, from, 6);
  }
  DrawLabel(view, (from.x + to.x) / 2, (from.y + to.y) / 2, frame);
}

void TdvCalculatedLine::DrawSelection(TdvSeriesView& view, std::int32_t frame) {
  TdvRealPoint a;
  TdvRealPoint b;
  if (!GetEnds(a, b, frame)) {
    return;
  }
  view.SetColour(MarkerColourRgb(markerColour));
  view.SetPenWidth(2);
  FrameEnd(view, WindowPoint(view, a));
  FrameEnd(view, WindowPoint(view, b));
  view.SetPenWidth(1);
}

void TdvCalculatedAngle::DrawOnMovie(TdvSeriesView& view, std::int32_t frame) {
  TdvRealPoint a;
  TdvRealPoint vertex;
  TdvRealPoint b;
  double angle = 0.0;
  if (!GetEnds(a, vertex, b, frame) || !ComputeAngle(angle, frame)) {
    return;
  }
  TdvPoint centre = WindowPoint(view, vertex);
  TdvPoint toA = WindowPoint(view, a);
  TdvPoint toB = WindowPoint(view, b);
  view.SetColour(MarkerColourRgb(markerColour));
  view.Line(centre, toA);
  view.Line(centre, toB);
  TdvRect bounds{centre.x - kArcRadius, centre.y - kArcRadius, centre.x + kArcRadius + 1,
                 centre.y + kArcRadius + 1};
  // Counter-clockwise on the screen from the ray to A to the ray to B.
  view.Arc(bounds, toA, toB);
  DrawLabel(view, centre.x, centre.y, frame);
}

void TdvCalculatedAngle::DrawSelection(TdvSeriesView& view, std::int32_t frame) {
  TdvRealPoint a;
  TdvRealPoint vertex;
  TdvRealPoint b;
  if (!GetEnds(a, vertex, b, frame)) {
    return;
  }
  view.SetColour(MarkerColourRgb(markerColour));
  view.SetPenWidth(2);
  FrameEnd(view, WindowPoint(view, vertex));
  view.SetPenWidth(1);
}
