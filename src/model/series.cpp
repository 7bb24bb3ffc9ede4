#include "model/series.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>

#include "foundation/format_significant.h"
#include "model/series_units.h"

namespace {

// Names and labels are saved in 256-byte fields.
constexpr std::size_t kMaxNameLength = 255;

}  // namespace

std::unique_ptr<TdvObject> TdvDataObject::Clone() const {
  return std::unique_ptr<TdvObject>(new TdvDataObject(*this));
}

void TdvDataObject::SetOrigin(std::int32_t flag) {
  isOrigin = flag != 0 ? 1 : 0;
  if (!IsPointType() || document == nullptr) {
    return;
  }
  if (isOrigin != 0) {
    document->AddCoordinateFrame(id);
  } else {
    document->RemoveCoordinateFrame(id);
  }
}

TdvTimeData* TdvDataObject::AnsweringDatum(std::int32_t frame) {
  switch (GetSampleType()) {
    case kFixed:
      return frameData.Get(0);
    case kSemiFixed:
      if (TdvTimeData* own = frameData.Get(frame)) {
        return own;
      }
      return frameData.Get(ResolveFrame(frame));
    default:
      return frameData.Get(frame);
  }
}

// Walking the movie's frames backwards from frame and taking the first one
// with a datum is the same as taking the latest stored key at or before
// frame that is a frame of the movie; the stored keys are walked instead
// because they are few and the walk stops at the first movie frame.
std::int32_t TdvDataObject::ResolveFrame(std::int32_t frame) {
  if (frameData.Get(frame) != nullptr || document == nullptr) {
    return frame;
  }
  const std::vector<std::int32_t>& keys = document->FrameKeys();
  if (!std::binary_search(keys.begin(), keys.end(), frame)) {
    return frame;
  }
  TdvTimeData* datum = frameData.CurrentValue();
  if (datum != nullptr && frameData.CurrentKey() > frame) {
    datum = frameData.Prev();
  }
  while (datum != nullptr && frameData.CurrentKey() < frame) {
    if (std::binary_search(keys.begin(), keys.end(), frameData.CurrentKey())) {
      return frameData.CurrentKey();
    }
    datum = frameData.Prev();
  }
  return frame;
}

double TdvDataObject::GetValue(std::int32_t frame) {
  TdvTimeData* datum = AnsweringDatum(frame);
  return datum != nullptr ? datum->value : 0.0;
}

bool TdvDataObject::HasData(std::int32_t frame) {
  TdvTimeData* datum = AnsweringDatum(frame);
  return datum != nullptr && datum->HasPosition();
}

void TdvDataObject::SetValue(double value, std::int32_t frame) {
  bool fixed = GetSampleType() == kFixed;
  double oldValue = 0.0;
  if (TdvTimeData* datum = frameData.Get(fixed ? 0 : frame)) {
    oldValue = datum->value;
    datum->value = value;
  } else {
    CreateValue(value, frame);
  }
  if (document == nullptr) {
    return;
  }
  if (isOrigin != 0 && fixed) {
    document->FixedOriginRotated(*this, oldValue, value);
  } else {
    document->SeriesChanged(*this);
  }
}

void TdvDataObject::CreateValue(double value, std::int32_t frame) {
  int type = GetSampleType();
  if (type == kSemiFixed) {
    TdvTimeData* resolved = frameData.Get(ResolveFrame(frame));
    if (resolved != nullptr) {
      frameData.Set(frame, std::make_unique<TdvTimeData>(resolved->x, resolved->y, value));
    }
    return;
  }
  std::int32_t key = type == kFixed ? 0 : frame;
  frameData.Set(key, std::make_unique<TdvTimeData>(kNoPosition, kNoPosition, value));
}

void TdvDataObject::SetSampleType(int type) {
  // A hand-edited file may hold anything; only the three kinds exist.
  if (type == sampleType || type < kFrameByFrame || type > kSemiFixed) {
    return;
  }
  if (type == kFixed) {
    std::int32_t displayed = document != nullptr ? document->DisplayedFrame() : 0;
    frameData.Seek(displayed);
    std::unique_ptr<TdvTimeData> kept;
    if (TdvTimeData* datum = frameData.CurrentValue()) {
      kept = std::make_unique<TdvTimeData>(*datum);
    }
    frameData.Clear();
    if (kept != nullptr) {
      frameData.Set(0, std::move(kept));
    }
    // The document reads the series again when told: it must find it Fixed.
    sampleType = kFixed;
    if (document != nullptr) {
      document->SeriesBecameFixed(*this);
    }
    return;
  }
  bool wasFixed = sampleType == kFixed;
  sampleType = static_cast<std::uint8_t>(type);
  if (document == nullptr) {
    return;
  }
  // Semi-Fixed data answer for the frames after them as well: the values
  // change between Frame-by-Frame and Semi-Fixed too.
  if (wasFixed) {
    document->SeriesNoLongerFixed(*this);
  } else {
    document->SeriesChanged(*this);
  }
}

void TdvDataObject::MoveTransformPoint(std::int32_t, std::int32_t, std::int32_t) {}

void TdvDataObject::RotateTo(TdvPoint&, std::int32_t, std::int32_t) {}

bool TdvDataObject::HitTest(const TdvPoint&, std::int32_t) {
  return false;
}

bool TdvDataObject::GetOriginPosition(TdvRealPoint&, double& angle, std::int32_t) {
  angle = 0.0;
  return false;
}

bool TdvDataObject::GetSourceId(std::int32_t&) const {
  return false;
}

bool TdvDataObject::Convert(double&, std::int32_t, std::uint8_t, std::string&) {
  return false;
}

void TdvDataObject::ClearAllData() {
  frameData.Clear();
}

void TdvDataObject::ClearFrame(std::int32_t frame) {
  frameData.Remove(frame);
}

void TdvDataObject::RedrawInDocument() {
  if (document != nullptr) {
    document->RedrawWindows();
  }
}

bool TdvDataObject::ConvertPoint(TdvRealPoint& result, const TdvRealPoint& point, std::uint8_t unit,
                                 std::string& unitLabel, std::int32_t frame) {
  if (isOrigin == 0) {
    ShowInformation("DataPoint is not an origin", "TdvDataPoint::ConvertPoint");
    return false;
  }
  TdvRealPoint origin;
  double angle = 0.0;
  if (!GetOriginPosition(origin, angle, frame)) {
    return false;
  }
  result = TdvRealPoint(point.x - origin.x, point.y - origin.y);
  if (angle != 0.0) {
    result = RotatePoint(result.x, result.y, -angle);
  }
  // Without a usable scale the values stay in movie units, and the label
  // says so.
  unitLabel = UnitLabel(0);
  if (scaleId == kNoScale) {
    return true;
  }
  TdvDataObject* scale = document != nullptr ? document->GetItem(scaleId) : nullptr;
  if (scale == nullptr || !scale->IsA(kCalibrateObjectCode)) {
    ShowInformation("calibrate Object not found", "TdvDataObject::ConvertPoint");
    return true;
  }
  scale->Convert(result.x, frame, unit, unitLabel);
  scale->Convert(result.y, frame, unit, unitLabel);
  return true;
}

TdvPoint TdvDataObject::LabelPosition(int x, int y, double angle) const {
  double d = markerSize * 3.0 + 5.0;
  TdvRealPoint centre(x, y);
  return RoundPoint(RotateAbout(centre, TdvRealPoint(x + d, y), -angle));
}

// The drawn marker is 2 * markerSize + 1 window pixels across, two movie
// units each at the natural size; two pixels of grip are added around it.
// Sizes and positions come from files too, so the sides are computed wide
// and kept within the integer range.
TdvRect TdvDataObject::MarkerRect(const TdvPoint& centre) const {
  std::int64_t half = 2 * static_cast<std::int64_t>(std::max(markerSize, 0)) + 5;
  auto side = [](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
  };
  return TdvRect{side(centre.x - half), side(centre.y - half), side(centre.x + half + 1),
                 side(centre.y + half + 1)};
}

void TdvDataObject::SetName(const std::string& text) {
  name = text.substr(0, kMaxNameLength);
}

void TdvDataObject::SetMass(double kilograms) {
  mass = kilograms;
  NotifyChanged();
}

void TdvDataObject::SetMassUnit(std::uint8_t code) {
  massUnit = code;
  NotifyRedrawRow();
}

void TdvDataObject::SetLengthUnit(std::uint8_t code) {
  lengthUnit = code;
  NotifyRedrawRow();
}

void TdvDataObject::SetAngleUnit(std::uint8_t code) {
  angleUnit = code;
  NotifyRedrawRow();
}

void TdvDataObject::SetAngleRange(std::uint8_t code) {
  angleRange = code;
  NotifyRedrawRow();
}

void TdvDataObject::SetCoordinates(std::uint8_t kind) {
  coordinates = kind;
  NotifyRedrawRow();
}

void TdvDataObject::SetFrameCoordinates(std::uint8_t kind) {
  frameCoordinates = kind;
  NotifyRedrawRow();
}

void TdvDataObject::SetOriginId(std::int32_t newOriginId) {
  if (newOriginId != originId) {
    TdvDataObject* item = document != nullptr ? document->GetItem(newOriginId) : nullptr;
    std::int32_t target = newOriginId;
    if (item != nullptr) {
      // The id is settled: nothing is left for the file reader to map.
      pendingOriginId = kVideoOriginRef;
    } else {
      pendingOriginId = newOriginId;
      target = kVideoOriginRef;
    }
    if (document != nullptr) {
      document->SeriesMovedOrigin(*this, originId, target);
    }
    originId = target;
  }
  NotifyRelayout();
  NotifyChanged();
}

void TdvDataObject::SetScaleId(std::int32_t newScaleId) {
  if (newScaleId == scaleId) {
    return;
  }
  scaleId = newScaleId;
  NotifyRelayout();
  NotifyRedrawRow();
}

std::int32_t TdvDataObject::GetSavedOriginId() const {
  return pendingOriginId != kVideoOriginRef ? pendingOriginId : originId;
}

void TdvDataObject::ExportInfo(std::ostream& out, std::int32_t) {
  std::string originName = document != nullptr ? document->GetOriginName(originId) : "";
  out << '\n'
      << name << "\t\t\t" << typeLabel << '\t' << FormatSignificant(mass, 6, true) << '\t'
      << originName << '\t';
  if (isOrigin != 0) {
    out << "True\t" << (document != nullptr ? document->GetOriginName(scaleId) : "") << '\t';
  } else {
    out << "False\t\t";
  }
  out << (GetSampleType() == kFixed ? "Fixed\t" : "Frame by Frame\t");
}

void TdvDataObject::NotifyChangedAt(std::int32_t frame) {
  if (document != nullptr) {
    document->SeriesChangedAt(*this, frame, GetSampleType());
  }
}

void TdvDataObject::NotifyChanged() {
  if (document != nullptr) {
    document->SeriesChanged(*this);
  }
}

void TdvDataObject::NotifyRedrawRow() {
  if (document != nullptr) {
    document->RedrawRow(*this);
  }
}

void TdvDataObject::NotifyRelayout() {
  if (document != nullptr) {
    document->RelayoutBox(*this);
  }
}

void TdvDataObject::ShowInformation(const std::string& text, const std::string& caption) {
  if (document != nullptr) {
    document->InformationBox(text, caption);
  }
}
