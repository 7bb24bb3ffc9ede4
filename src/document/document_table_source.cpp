#include "document/document_table_source.h"

#include <algorithm>

#include "document/data_object_window.h"
#include "foundation/angles.h"
#include "kinematics/quantity_table.h"
#include "model/calculated_series.h"
#include "model/count_series.h"
#include "model/scale_series.h"

namespace {

constexpr std::uint8_t kDegrees = 8;
// A scale shorter than this converts nothing (the scale's own threshold).
constexpr double kLeastScaleLength = 1e-20;

double InAngleUnit(double radians, std::uint8_t unit) {
  return unit == kDegrees ? RadToDeg(radians) : radians;
}

}  // namespace

double TdvDocumentTableSource::FrameTime(std::int32_t frame) {
  return document.FrameSeconds(frame);
}

bool TdvDocumentTableSource::IsPointSeries(std::int32_t seriesId) {
  TdvDataObject* item = document.GetItem(seriesId);
  return item != nullptr && item->IsPointType();
}

int TdvDocumentTableSource::NaturalQuantity(std::int32_t seriesId) {
  TdvDataObject* item = document.GetItem(seriesId);
  return item != nullptr ? item->ScalarKind() : 0;
}

std::optional<double> TdvDocumentTableSource::RawValue(std::int32_t seriesId, std::int32_t frame,
                                                       int quantity) {
  TdvDataObject* item = seriesId >= 0 ? document.GetItem(seriesId) : nullptr;
  if (item == nullptr) {
    return std::nullopt;
  }
  if (quantity == kQuantityXPos || quantity == kQuantityYPos || quantity == kQuantityRotation) {
    return item->IsPointType() ? PointValue(*item, frame, quantity) : std::nullopt;
  }
  if (quantity != item->ScalarKind()) {
    return std::nullopt;
  }
  return ScalarValue(*item, frame, quantity);
}

std::optional<double> TdvDocumentTableSource::PointValue(TdvDataObject& item, std::int32_t frame,
                                                         int quantity) {
  TdvRealPoint position;
  double rotation = 0.0;
  if (!item.GetOriginPosition(position, rotation, frame)) {
    return std::nullopt;
  }
  if (quantity == kQuantityRotation) {
    return InAngleUnit(rotation, item.GetAngleUnit());
  }
  if (!ConvertQuietly(position, item.GetOriginId(), item, frame)) {
    return std::nullopt;
  }
  return quantity == kQuantityXPos ? position.x : position.y;
}

std::optional<double> TdvDocumentTableSource::ScalarValue(TdvDataObject& item, std::int32_t frame,
                                                          int quantity) {
  double value = 0.0;
  switch (quantity) {
    case kQuantityLength: {
      TdvDataObject* origin = document.GetItem(item.GetOriginId());
      if (origin != nullptr && !ScaleUsable(*origin, frame)) {
        return std::nullopt;
      }
      std::string label;
      bool found = static_cast<TdvCalculatedLine&>(item).ReportedLength(value, label, frame);
      return found ? std::optional<double>(value) : std::nullopt;
    }
    case kQuantityCount:
      return static_cast<TdvCountObject&>(item).GetCount(value, frame) ? std::optional(value)
                                                                       : std::nullopt;
    case kQuantityScale:
      return static_cast<TdvCalibrateObject&>(item).GetScaleFactor(value, frame)
                 ? std::optional(value)
                 : std::nullopt;
    case kQuantityAngle: {
      if (!static_cast<TdvCalculatedAngle&>(item).ComputeAngle(value, frame)) {
        return std::nullopt;
      }
      // Each frame stands alone: a value continued from the frame before
      // would change whenever an earlier frame changed.
      return InAngleUnit(NormalizeAngle(value, 0.0, item.GetAngleRange()), item.GetAngleUnit());
    }
    default:
      return std::nullopt;
  }
}

bool TdvDocumentTableSource::ConvertQuietly(TdvRealPoint& position, std::int32_t originRef,
                                            TdvDataObject& item, std::int32_t frame) {
  if (originRef == kDefaultOriginRef) {
    originRef = document.DefaultOrigin();
  }
  if (originRef != kVideoOriginRef) {
    TdvDataObject* origin = document.GetItem(originRef);
    if (origin != nullptr && !origin->IsPointType()) {
      return false;
    }
    if (origin == nullptr || !origin->IsOrigin()) {
      // As the document reports relative to an origin that is gone.
      position.y = -position.y;
      return true;
    }
    if (!ScaleUsable(*origin, frame)) {
      return false;
    }
  }
  std::string label;
  return document.ConvertPoint(position, originRef, item.GetLengthUnit(), label, frame);
}

bool TdvDocumentTableSource::ScaleUsable(TdvDataObject& origin, std::int32_t frame) {
  if (origin.GetScaleId() == kNoScale) {
    return true;
  }
  TdvDataObject* scale = document.GetItem(origin.GetScaleId());
  if (scale == nullptr || !scale->IsA(kCalibrateObjectCode)) {
    return false;
  }
  double length = 0.0;
  TdvRealPoint a;
  TdvRealPoint b;
  if (!static_cast<TdvCalibrateObject*>(scale)->GetLength(length, a, b, frame)) {
    return true;
  }
  return length > kLeastScaleLength;
}

double TdvDocumentTableSource::Mass(std::int32_t seriesId) {
  TdvDataObject* item = document.GetItem(seriesId);
  return item != nullptr ? item->GetMass() : 0.0;
}

int TdvDocumentTableSource::LengthUnit(std::int32_t seriesId) {
  TdvDataObject* item = document.GetItem(seriesId);
  return item != nullptr ? item->GetLengthUnit() : 0;
}

int TdvDocumentTableSource::AngleUnit(std::int32_t seriesId) {
  TdvDataObject* item = document.GetItem(seriesId);
  return item != nullptr ? item->GetAngleUnit() : 0;
}

int TdvDocumentTableSource::MassUnit(std::int32_t seriesId) {
  TdvDataObject* item = document.GetItem(seriesId);
  return item != nullptr ? item->GetMassUnit() : 0;
}

// Values are scaled by the scale of the coordinate system they are
// reported in, not by a scale the series itself names.
bool TdvDocumentTableSource::HasScale(std::int32_t seriesId) {
  TdvDataObject* item = document.GetItem(seriesId);
  return item != nullptr && document.HasScale(item->GetOriginId());
}

int TdvDocumentTableSource::SampleType(std::int32_t seriesId) {
  TdvDataObject* item = document.GetItem(seriesId);
  return item != nullptr ? item->GetSampleType() : kFrameByFrame;
}

std::string TdvDocumentTableSource::SeriesName(std::int32_t seriesId) {
  TdvDataObject* item = document.GetItem(seriesId);
  return item != nullptr ? item->GetName() : std::string();
}

bool TdvDocumentTableSource::MarksFrames(TdvDataObject& item) {
  bool tracked = item.IsA(kDataPointCode) || item.IsA(kCountObjectCode);
  return tracked && item.GetSampleType() != kFixed;
}

bool TdvDocumentTableSource::HoldsDatum(TdvDataObject& item, std::int32_t frame) {
  if (item.IsA(kCountObjectCode)) {
    return static_cast<TdvCountObject&>(item).FrameCounts().Get(frame) != nullptr;
  }
  const TdvTimeData* datum = item.FrameData().Get(frame);
  return datum != nullptr && datum->HasPosition();
}

std::vector<std::int32_t> TdvDocumentTableSource::DataFrames() {
  std::vector<std::int32_t> frames;
  for (std::int32_t id : document.ItemOrder()) {
    TdvDataObject* item = document.GetItem(id);
    if (item == nullptr || !MarksFrames(*item)) {
      continue;
    }
    if (item->IsA(kCountObjectCode)) {
      for (const auto& entry : static_cast<TdvCountObject*>(item)->FrameCounts()) {
        frames.push_back(entry.key);
      }
      continue;
    }
    for (const auto& entry : item->FrameData()) {
      if (entry.value->HasPosition()) {
        frames.push_back(entry.key);
      }
    }
  }
  std::sort(frames.begin(), frames.end());
  frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
  return frames;
}

bool TdvDocumentTableSource::FrameHasData(std::int32_t frame) {
  for (std::int32_t id : document.ItemOrder()) {
    TdvDataObject* item = document.GetItem(id);
    if (item != nullptr && MarksFrames(*item) && HoldsDatum(*item, frame)) {
      return true;
    }
  }
  return false;
}

std::vector<std::int32_t> TdvDocumentTableSource::DependsOn(std::int32_t seriesId) {
  std::vector<std::int32_t> ids;
  TdvDataObject* item = document.GetItem(seriesId);
  if (item == nullptr) {
    return ids;
  }
  auto add = [&ids, seriesId](std::int32_t id) {
    if (id >= 0 && id != seriesId && std::find(ids.begin(), ids.end(), id) == ids.end()) {
      ids.push_back(id);
    }
  };
  std::int32_t origin = item->GetOriginId();
  add(origin == kDefaultOriginRef ? document.DefaultOrigin() : origin);
  add(item->GetScaleId());
  std::int32_t source = kNoItem;
  if (item->GetSourceId(source)) {
    add(source);
  }
  if (item->IsA(kCalculatedObjectCode)) {
    LList inputs;
    int required = 0;
    int max = 0;
    static_cast<TdvCalculatedObject*>(item)->GetIncluded(inputs, required, max);
    for (const TdvObject* boxed : inputs) {
      add(static_cast<const TdvInt*>(boxed)->value);
    }
  }
  return ids;
}

TdvDocumentTableSource::UnitState TdvDocumentTableSource::UnitsOf(TdvDataObject& item) {
  return UnitState{item.GetLengthUnit(), item.GetAngleUnit(), item.GetMassUnit(),
                   document.HasScale(item.GetOriginId())};
}

// A change of one series can change the units of others (an origin that
// gains a scale calibrates its members), so every series is compared with
// the units it had at the last question.
bool TdvDocumentTableSource::ChangeNeedsNoNewUnits(std::int32_t) {
  std::map<std::int32_t, UnitState> now;
  for (std::int32_t id : document.ItemOrder()) {
    if (TdvDataObject* item = document.GetItem(id)) {
      now.emplace(id, UnitsOf(*item));
    }
  }
  bool same = now == knownUnits;
  knownUnits = std::move(now);
  return same;
}

bool TdvDocumentTableSource::IsLoading() {
  return document.loading;
}
