#include "model/calculated_series.h"

#include <cmath>
#include <ostream>

#include "foundation/angles.h"

namespace {

constexpr std::int32_t kTagIncluded = 591;

const TdvInt* AsInt(const TdvObject* element) {
  return element != nullptr && element->IsA(TdvInt::kClassCode)
             ? static_cast<const TdvInt*>(element)
             : nullptr;
}

// Direction of the ray from the vertex towards end, measured clockwise
// from the x axis (y up); the difference of two of them is the angle.
double RayAngle(const TdvRealPoint& end, const TdvRealPoint& vertex) {
  if (end.x != vertex.x) {
    return std::atan2(vertex.y - end.y, end.x - vertex.x);
  }
  return vertex.y - end.y < 0.0 ? -kHalfPi : kHalfPi;
}

}  // namespace

std::vector<std::int32_t> TdvCalculatedObject::IncludedIdValues() const {
  std::vector<std::int32_t> ids;
  for (const TdvObject* element : includedIds) {
    if (const TdvInt* id = AsInt(element)) {
      ids.push_back(id->value);
    }
  }
  return ids;
}

void TdvCalculatedObject::FillEmptyPlaces(int count) {
  for (int i = 0; i < count; ++i) {
    includedIds.Append(std::make_unique<TdvInt>(kEmptyInputRef));
  }
}

void TdvCalculatedObject::GetIncluded(LList& list, int& required, int& max) const {
  CopyIdList(list, includedIds);
  required = requiredCount;
  max = maxCount;
}

void TdvCalculatedObject::SetIncluded(const LList& list) {
  CopyIdList(includedIds, list);
  NotifyRelayout();
  NotifyChanged();
}

void TdvCalculatedObject::RemoveIncluded(std::int32_t id) {
  if (includedIds.FindInt(id)) {
    includedIds.RemoveCurrent();
    NotifyChanged();
  }
}

void TdvCalculatedObject::EmptyPlaceOf(std::int32_t id) {
  if (includedIds.FindInt(id)) {
    static_cast<TdvInt*>(includedIds.Current())->value = kEmptyInputRef;
    NotifyChanged();
  }
}

// Included lists hold item ids only; -1 must not reach the document, which
// would read it as its default origin.
bool TdvCalculatedObject::IncludedPosition(std::int32_t id, std::int32_t frame,
                                           TdvRealPoint& position, double& itemMass) {
  TdvDataObject* item = document != nullptr && id >= 0 ? document->GetItem(id) : nullptr;
  if (item == nullptr || !item->IsPointType()) {
    return false;
  }
  double angle = 0.0;
  if (!item->GetOriginPosition(position, angle, frame)) {
    return false;
  }
  itemMass = item->GetMass();
  return true;
}

bool TdvCalculatedObject::IncludedPositions(std::size_t count, std::int32_t frame,
                                            std::vector<TdvRealPoint>& out) {
  std::vector<std::int32_t> ids = IncludedIdValues();
  if (ids.size() != count) {
    return false;
  }
  return Guarded([&] {
    out.assign(count, TdvRealPoint());
    double itemMass = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
      if (!IncludedPosition(ids[i], frame, out[i], itemMass)) {
        return false;
      }
    }
    return true;
  });
}

void TdvCalculatedObject::ExportInfo(std::ostream& out, std::int32_t number) {
  TdvDataObject::ExportInfo(out, number);
  for (std::int32_t id : IncludedIdValues()) {
    TdvDataObject* item = document != nullptr && id >= 0 ? document->GetItem(id) : nullptr;
    out << (item != nullptr ? item->GetName() : "") << '\t';
  }
}

bool TdvCalculatedObject::HitTest(const TdvPoint& click, std::int32_t frame) {
  std::vector<std::int32_t> ids = IncludedIdValues();
  if (!IsVisible() || ids.empty() || ids.size() < static_cast<std::size_t>(requiredCount) ||
      document == nullptr) {
    return false;
  }
  return Guarded([&] {
    for (std::int32_t id : ids) {
      TdvDataObject* item = id >= 0 ? document->GetItem(id) : nullptr;
      if (item == nullptr || !item->HitTest(click, frame)) {
        return false;
      }
    }
    return true;
  });
}

void TdvCalculatedObject::SetListValue(std::int32_t tag, const LList& list) {
  if (tag == kTagIncluded) {
    CopyIdList(includedIds, list);
  }
}

void TdvCalculatedObject::WriteExtraGroups(TdvTaggedWriter& writer) {
  writer.OpenGroup('l');
  writer.List(kTagIncluded, includedIds);
  writer.Text(" ");
  writer.CloseGroup();
}

TdvCalculatedLine::TdvCalculatedLine() : TdvCalculatedObject(2, 2) {
  typeLabel = "Dist.";
  markerColour = 6;
  markerType = 400;
}

std::unique_ptr<TdvObject> TdvCalculatedLine::Clone() const {
  return std::unique_ptr<TdvObject>(new TdvCalculatedLine(*this));
}

bool TdvCalculatedLine::GetEnds(TdvRealPoint& a, TdvRealPoint& b, std::int32_t frame) {
  std::vector<TdvRealPoint> ends;
  if (!IncludedPositions(2, frame, ends)) {
    return false;
  }
  a = ends[0];
  b = ends[1];
  return true;
}

bool TdvCalculatedLine::GetLength(double& length, TdvRealPoint& a, TdvRealPoint& b,
                                  std::int32_t frame) {
  if (!GetEnds(a, b, frame)) {
    return false;
  }
  length = Distance(a, b);
  return true;
}

TdvDataObject* TdvCalculatedLine::ReportingScale() {
  TdvDataObject* origin = document != nullptr ? document->GetItem(originId) : nullptr;
  if (origin == nullptr || !origin->IsOrigin() || origin->GetScaleId() == kNoScale) {
    return nullptr;
  }
  TdvDataObject* scale = document->GetItem(origin->GetScaleId());
  return scale != nullptr && scale->IsA(kCalibrateObjectCode) ? scale : nullptr;
}

// A failed conversion leaves the length in movie units with the scale's
// "unknown" label, as the coordinates of points are left.
bool TdvCalculatedLine::ReportedLength(double& length, std::string& unitLabel, std::int32_t frame) {
  TdvRealPoint a;
  TdvRealPoint b;
  if (!GetLength(length, a, b, frame)) {
    return false;
  }
  unitLabel = "(pixels)";
  if (TdvDataObject* scale = ReportingScale()) {
    scale->Convert(length, frame, lengthUnit, unitLabel);
  }
  return true;
}

TdvCalculatedAngle::TdvCalculatedAngle() : TdvCalculatedObject(3, 3) {
  typeLabel = "Ang.";
  markerColour = 4;
  markerType = 0;
  FillEmptyPlaces(3);
}

std::unique_ptr<TdvObject> TdvCalculatedAngle::Clone() const {
  return std::unique_ptr<TdvObject>(new TdvCalculatedAngle(*this));
}

bool TdvCalculatedAngle::GetEnds(TdvRealPoint& a, TdvRealPoint& vertex, TdvRealPoint& b,
                                 std::int32_t frame) {
  std::vector<TdvRealPoint> ends;
  if (!IncludedPositions(3, frame, ends)) {
    return false;
  }
  a = ends[0];
  vertex = ends[1];
  b = ends[2];
  return true;
}

bool TdvCalculatedAngle::ComputeAngle(double& angle, std::int32_t frame) {
  TdvRealPoint a;
  TdvRealPoint vertex;
  TdvRealPoint b;
  if (!GetEnds(a, vertex, b, frame)) {
    return false;
  }
  angle = RayAngle(a, vertex) - RayAngle(b, vertex);
  if (angle < 0.0) {
    angle += kTwoPi;
  }
  return true;
}
