#include <cmath>
#include <utility>

#include "foundation/angles.h"
#include "foundation/format_significant.h"
#include "model/point_series.h"
#include "model/series_units.h"

namespace {

// The rotation handle of an origin lies this far out on its x axis (movie
// units), where a drag turns the axes.
constexpr double kHandleReach = 20.0;
constexpr int kHandleGrip = 6;
constexpr char kThetaLetter = static_cast<char>(216);

TdvPoint HandlePosition(const TdvPoint& origin, double angle) {
  return TdvPoint{origin.x + static_cast<int>(kHandleReach * std::cos(angle)),
                  origin.y + static_cast<int>(kHandleReach * std::sin(angle))};
}

}  // namespace

bool TdvDataPoint::MoviePosition(TdvPoint& position, double& angle, std::int32_t frame) {
  return GetDisplayPosition(frame, position, angle);
}

// An origin's label sits on its handle, so that the name shows which way
// its x axis points.
void TdvDataPoint::DrawOnMovie(TdvSeriesView& view, std::int32_t frame) {
  if (isOrigin == 0) {
    TdvDataObject::DrawOnMovie(view, frame);
    return;
  }
  TdvPoint position;
  double angle = 0.0;
  if (!MoviePosition(position, angle, frame)) {
    return;
  }
  DrawMarker(view, view.ToWindow(position), angle, frame);
  TdvPoint handle = view.ToWindow(HandlePosition(position, angle));
  view.FrameRect(TdvRect{handle.x - 2, handle.y - 2, handle.x + 3, handle.y + 3});
  DrawLabel(view, handle.x, handle.y, frame);
}

bool TdvDataPoint::HitLabel(const TdvPoint& click, std::int32_t frame) {
  TdvPoint position;
  double angle = 0.0;
  if (isOrigin == 0 || markerVisible == 0 || !MoviePosition(position, angle, frame)) {
    return false;
  }
  TdvPoint handle = HandlePosition(position, angle);
  return std::abs(click.x - handle.x) <= kHandleGrip && std::abs(click.y - handle.y) <= kHandleGrip;
}

std::string TdvDataPoint::LabelText(TdvSeriesView& view, std::int32_t frame) {
  if (listTransformedFrames.Count() > 1) {
    const TdvTransformedFrame* entry = EntryInForce();
    return entry != nullptr ? entry->name + ":" + name : name;
  }
  TdvPoint position;
  double value = 0.0;
  if (GetSampleType() != kFixed || !view.IsSelected(id) || !GetPosition(frame, position, value)) {
    return name;
  }
  TdvRealPoint point(position.x, position.y);
  std::string unit;
  if (!view.ConvertPoint(point, originId, lengthUnit, unit, frame)) {
    return name;
  }
  if (coordinates == kPolar) {
    CartesianToPolar(point, value, angleRange);
    double theta = angleUnit == 8 ? point.y * 180.0 / kPi : point.y;
    return name + " [r:" + FormatSignificant(point.x, 3, false) + " " + unit + " " + kThetaLetter +
           ":" + FormatSignificant(theta, 3, false) + " " + UnitLabel(angleUnit) + "]";
  }
  return name + " [x:" + FormatSignificant(point.x, 3, false) +
         "  y:" + FormatSignificant(point.y, 3, false) + " " + unit + "]";
}

// The data are walked once, in key order: a datum answers for the frames
// up to the next one, so drawing each datum is drawing every frame's
// position. A transformed origin is drawn frame by frame.
void TdvDataPoint::DrawTrails(TdvSeriesView& view, std::int32_t frame,
                              const std::vector<std::int32_t>& frames) {
  if (GetSampleType() == kFixed) {
    return;
  }
  if (activeTransform >= 0) {
    TdvDataObject::DrawTrails(view, frame, frames);
    return;
  }
  TdvRect picture = view.PictureRect();
  TdvPoint last{kNoPosition, kNoPosition};
  view.SetColour(MarkerColourRgb(markerColour));
  for (auto entry : std::as_const(frameData)) {
    if (entry.key != frame && entry.value->HasPosition()) {
      DrawTrailMark(view, view.ToWindow(TdvPoint{entry.value->x, entry.value->y}), picture, last);
    }
  }
}
