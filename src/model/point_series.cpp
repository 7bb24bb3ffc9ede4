#include "model/point_series.h"

#include <set>
#include <string>

namespace {

constexpr std::int32_t kTagCloneSource = 565;

}  // namespace

TdvDataPoint::TdvDataPoint() {
  typeLabel = "Pt.";
  originId = kDefaultOriginRef;
  leaveTrails = 0;
  markerSize = 1;
}

std::unique_ptr<TdvObject> TdvDataPoint::Clone() const {
  return std::unique_ptr<TdvObject>(new TdvDataPoint(*this));
}

bool TdvDataPoint::TakeData(std::int32_t x, std::int32_t y, std::int32_t frame) {
  std::int32_t key = GetSampleType() == kFixed ? 0 : frame;
  frameData.Set(key, std::make_unique<TdvTimeData>(x, y, 0.0));
  NotifyChangedAt(frame);
  return true;
}

bool TdvDataPoint::SetPosition(std::int32_t x, std::int32_t y, std::int32_t frame) {
  std::int32_t key = GetSampleType() == kFixed ? 0 : frame;
  if (TdvTimeData* datum = frameData.Get(key)) {
    datum->x = x;
    datum->y = y;
    return false;
  }
  // A datum made by moving keeps the rotation in force before it.
  auto datum = std::make_unique<TdvTimeData>(x, y, 0.0);
  if (const TdvTimeData* earlier = frameData.Get(ResolveFrame(key))) {
    datum->value = earlier->value;
  }
  frameData.Set(key, std::move(datum));
  return true;
}

bool TdvDataPoint::GetPosition(std::int32_t frame, TdvPoint& position, double& value) {
  const TdvTimeData* datum = AnsweringDatum(frame);
  if (datum == nullptr || !datum->HasPosition()) {
    return false;
  }
  position = TdvPoint{datum->x, datum->y};
  value = datum->value;
  return true;
}

bool TdvDataPoint::GetTransformPoint(std::int32_t frame, TdvPoint& position, double& value) {
  const TdvTimeData* point = transformPoints.Get(frame);
  if (point == nullptr) {
    return false;
  }
  position = TdvPoint{point->x, point->y};
  value = point->value;
  return true;
}

bool TdvDataPoint::GetDisplayPosition(std::int32_t frame, TdvPoint& position, double& value) {
  if (GetSampleType() != kFixed) {
    const TdvTransformedFrame* entry = EntryInForce();
    // An entry read from a damaged file may name a transform point that
    // was never stored; the datum answers then.
    if (entry != nullptr && entry->startFrame == frame && entry->useTransformPoint != 0 &&
        GetTransformPoint(frame, position, value)) {
      return true;
    }
  }
  return GetPosition(frame, position, value);
}

const TdvTransformedFrame* TdvDataPoint::EntryInForce() {
  if (activeTransform < 0) {
    return nullptr;
  }
  if (listTransformedFrames.Seek(activeTransform)) {
    return listTransformedFrames.Current();
  }
  return listTransformedFrames.Last();
}

std::int32_t TdvDataPoint::FirstDataKey() {
  return frameData.First() != nullptr ? frameData.CurrentKey() : -1;
}

bool TdvDataPoint::HitTest(const TdvPoint& click, std::int32_t frame) {
  if (markerVisible == 0) {
    return false;
  }
  TdvPoint position;
  double value = 0.0;
  if (GetPosition(frame, position, value) && PointInRect(click, MarkerRect(position))) {
    moveTarget = 1;
    return true;
  }
  if (GetTransformPoint(frame, position, value) && PointInRect(click, MarkerRect(position))) {
    moveTarget = 0;
    return true;
  }
  return false;
}

void TdvDataPoint::ClearFrame(std::int32_t frame) {
  if (GetSampleType() == kFixed) {
    frameData.Clear();
  } else if (activeTransform < 0 || transformPoints.Get(frame) == nullptr) {
    frameData.Remove(frame);
  } else {
    RemoveTransformationAt(frame);
  }
  NotifyChangedAt(frame);
}

// The "original" entry is never removed here: it stands for the origin's
// own coordinate system even when a transformation starts on its first
// frame.
void TdvDataPoint::RemoveTransformationAt(std::int32_t frame) {
  if (listTransformedFrames.First() == nullptr) {
    return;
  }
  int index = 1;
  for (TdvTransformedFrame* entry = listTransformedFrames.Next(); entry != nullptr;
       entry = listTransformedFrames.Next(), ++index) {
    if (entry->startFrame != frame) {
      continue;
    }
    listTransformedFrames.RemoveCurrent();
    transformPoints.Remove(frame);
    frameData.Remove(frame);
    // The entry in force stays the same entry when one before it goes.
    if (activeTransform >= index) {
      --activeTransform;
    }
    rowCount = listTransformedFrames.Count() + 1;
    // With only "original" left the origin has no transformations.
    if (rowCount <= 2) {
      activeTransform = -1;
      rowCount = 1;
    }
    NotifyRelayout();
    return;
  }
}

void TdvDataPoint::ClearAllData() {
  if (activeTransform < 0) {
    frameData.Clear();
    NotifyChanged();
    return;
  }
  bool confirmed =
      document != nullptr &&
      document->Confirm("This will remove all transformations of " + name + ", continue?",
                        "Transformed Origin");
  if (!confirmed) {
    return;
  }
  listTransformedFrames.Clear();
  transformPoints.Clear();
  PutOriginalFirst();
  rowCount = 1;
  activeTransform = -1;
  NotifyChanged();
}

void TdvDataPoint::PutOriginalFirst() {
  listTransformedFrames.PushFront(
      std::make_unique<TdvTransformedFrame>("original", FirstDataKey(), 0));
}

TdvClonePoint::TdvClonePoint() {
  typeLabel = "Cl.Pt.";
  originId = kDefaultOriginRef;
  markerVisible = 0;
}

std::unique_ptr<TdvObject> TdvClonePoint::Clone() const {
  return std::unique_ptr<TdvObject>(new TdvClonePoint(*this));
}

TdvDataPoint* TdvClonePoint::Source() const {
  // Only a point has positions to copy; -1 would find the default origin.
  if (document == nullptr || sourceId == id || sourceId < 0) {
    return nullptr;
  }
  TdvDataObject* item = document->GetItem(sourceId);
  if (item == nullptr || !item->IsA(kDataPointCode)) {
    return nullptr;
  }
  return static_cast<TdvDataPoint*>(item);
}

bool TdvClonePoint::CopiesThisClone(std::int32_t itemId) const {
  std::set<std::int32_t> visited;
  for (std::int32_t next = itemId; document != nullptr && visited.insert(next).second;) {
    const TdvDataObject* item = document->GetItem(next);
    if (item == this) {
      return true;
    }
    if (item == nullptr || !item->GetSourceId(next)) {
      return false;
    }
  }
  return false;
}

bool TdvClonePoint::SetSource(std::int32_t newSourceId) {
  if (newSourceId != id && CopiesThisClone(newSourceId)) {
    sourceId = kNoItem;
    return false;
  }
  sourceId = newSourceId;
  TdvDataPoint* source = Source();
  if (source == nullptr) {
    return true;
  }
  SetOriginId(source->GetOriginId());
  SetSampleType(source->GetSampleType());
  SetCoordinates(source->GetCoordinates());
  SetMassUnit(source->GetMassUnit());
  SetLengthUnit(source->GetLengthUnit());
  SetMass(source->GetMass());
  return true;
}

int TdvClonePoint::GetSampleType() const {
  const TdvDataPoint* source = Source();
  return source != nullptr ? source->GetSampleType() : kFrameByFrame;
}

// The source answers as a point would, so a clone of a clone has nothing
// to report rather than following a chain.
bool TdvClonePoint::GetOriginPosition(TdvRealPoint& point, double& angle, std::int32_t frame) {
  angle = 0.0;
  TdvDataPoint* source = Source();
  return source != nullptr && source->TdvDataPoint::GetOriginPosition(point, angle, frame);
}

bool TdvClonePoint::GetSourceId(std::int32_t& id) const {
  id = sourceId;
  return true;
}

void TdvClonePoint::SetIntValue(std::int32_t tag, std::int32_t value) {
  // A saved id: the reader maps it to the new ids once every record is in,
  // and only then follows it.
  if (tag == kTagCloneSource) {
    sourceId = value;
  } else {
    TdvDataPoint::SetIntValue(tag, value);
  }
}

TdvRecordPoint::TdvRecordPoint() {
  name = "Click on movie adds";
  typeLabel.clear();
}

std::unique_ptr<TdvObject> TdvRecordPoint::Clone() const {
  return std::unique_ptr<TdvObject>(new TdvRecordPoint(*this));
}
