#include <cmath>

#include "document/data_object_window.h"
#include "foundation/angles.h"
#include "model/calculated_series.h"
#include "model/count_series.h"
#include "model/point_series.h"
#include "model/series_units.h"

namespace {

constexpr std::uint8_t kDegrees = 8;

enum Component : int {
  kFirstA = 2,
  kSecondA = 3,
  kSecondB = 4,
  kFirstB = 5,
  kThird = 6,
  kMagnitude = 7,
};

double InAngleUnit(double radians, std::uint8_t unit) {
  return unit == kDegrees ? RadToDeg(radians) : radians;
}

}  // namespace

bool TdvDataObjectWindow::ConvertPoint(TdvRealPoint& point, std::int32_t& originRef,
                                       std::uint8_t lengthUnit, std::string& unitLabel,
                                       std::int32_t frame) {
  if (originRef == kDefaultOriginRef) {
    originRef = defaultOrigin;
  }
  if (originRef == kVideoOriginRef) {
    if (movie == nullptr) {
      return false;
    }
    point.y += 2.0 * movie->NaturalHeight();
    unitLabel = UnitLabel(0);
    return true;
  }
  TdvDataObject* origin = GetItem(originRef);
  if (origin == nullptr || !origin->IsOrigin()) {
    if (origin != nullptr && !origin->IsPointType()) {
      InformationBox("There is no useable origin", "TdvDataObjectWindow::ConvertPoint");
      return false;
    }
    if (origin == nullptr) {
      Beep();
      Beep();
    }
    originRef = kVideoOriginRef;
    point.y = -point.y;
    unitLabel = UnitLabel(0);
    return true;
  }
  TdvRealPoint result;
  bool done = origin->ConvertPoint(result, point, lengthUnit, unitLabel, frame);
  point = result;
  return done;
}

bool TdvDataObjectWindow::GetItemValue(double& value, double& previous, std::int32_t itemRef,
                                       std::int32_t time, int component) {
  if (itemRef == kTimeItemRef) {
    value = FrameSeconds(time);
    return true;
  }
  TdvDataObject* item = GetItem(itemRef);
  if (item == nullptr) {
    return false;
  }
  if (item->IsA(kCalculatedLineCode)) {
    std::string label;
    return static_cast<TdvCalculatedLine*>(item)->ReportedLength(value, label, time);
  }
  if (item->IsA(kCalculatedAngleCode)) {
    double angle = 0.0;
    if (!static_cast<TdvCalculatedAngle*>(item)->ComputeAngle(angle, time)) {
      return false;
    }
    previous = NormalizeAngle(angle, previous, item->GetAngleRange());
    value = InAngleUnit(previous, item->GetAngleUnit());
    return true;
  }
  if (item->IsA(kCountObjectCode)) {
    return static_cast<TdvCountObject*>(item)->GetCount(value, time);
  }
  if (!item->IsPointType()) {
    return false;
  }
  return PointValue(value, previous, *item, time, component);
}

bool TdvDataObjectWindow::PointValue(double& value, double& previous, TdvDataObject& item,
                                     std::int32_t time, int component) {
  TdvRealPoint position;
  double third = 0.0;
  if (!item.GetOriginPosition(position, third, time)) {
    return false;
  }
  std::int32_t originRef = item.GetOriginId();
  std::string label;
  if (!ConvertPoint(position, originRef, item.GetLengthUnit(), label, time)) {
    return false;
  }
  // The length of the position vector, whatever the coordinates: the
  // length of (radius, angle) would mean nothing.
  if (component == kMagnitude) {
    value = std::sqrt(position.x * position.x + position.y * position.y);
    return true;
  }
  if (item.GetCoordinates() == kPolar && component != kFirstA && component != kSecondA) {
    double from = item.GetAngleRange() == kAngleRangeContinuous ? previous : 0.0;
    CartesianToPolar(position, from, item.GetAngleRange());
    if (item.GetAngleRange() == kAngleRangeContinuous) {
      previous = position.y;
    }
    position.y = InAngleUnit(position.y, item.GetAngleUnit());
  }
  switch (component) {
    case kFirstA:
    case kFirstB:
      value = position.x;
      return true;
    case kSecondA:
    case kSecondB:
      value = position.y;
      return true;
    case kThird:
      value = InAngleUnit(third, item.GetAngleUnit());
      return true;
    default:
      return false;
  }
}
