#include "model/series_record.h"

#include <cmath>
#include <limits>

#include "foundation/tagged_frame_groups.h"

namespace {

enum SeriesTag : std::int32_t {
  kTagIsOrigin = 500,
  kTagVisible = 501,
  kTagTrails = 502,
  kTagActiveTransform = 505,
  kTagId = 498,
  kTagFrameData = 520,
  kTagTransformPoints = 521,
  kTagTransformedFrames = 522,
  kTagScale = 550,
  kTagOrigin = 551,
  kTagRowCount = 552,
  kTagMarkerSize = 553,
  kTagMarkerType = 554,
  kTagMarkerColour = 555,
  kTagLengthUnit = 556,
  kTagMassUnit = 557,
  kTagCoordinates = 558,
  kTagSampleType = 559,
  kTagFrameCoordinates = 560,
  kTagName = 570,
  kTagMass = 580,
  kTagAngleRange = 800,
  kTagAngleUnit = 801,
};

template <typename Field>
bool FitsIn(std::int32_t value) {
  return value >= std::numeric_limits<Field>::min() && value <= std::numeric_limits<Field>::max();
}

// Hands the tokens of a legacy record on to the series, converting the four
// values that older files stored differently.
class LegacySeriesReceiver : public TdvTaggedReceiver {
 public:
  explicit LegacySeriesReceiver(TdvDataObject& series) : series_(series) {}

  void SetFlagValue(std::int32_t tag, bool flag) override { series_.SetFlagValue(tag, flag); }
  void SetIntValue(std::int32_t tag, std::int32_t value) override {
    switch (tag) {
      case kTagMarkerSize:
        value = LegacyMarkerSize(value);
        break;
      case kTagMarkerType:
        value = LegacyMarkerType(value);
        break;
      case kTagMarkerColour:
        value = LegacyMarkerColour(value);
        break;
      default:
        break;
    }
    series_.SetIntValue(tag, value);
  }
  void SetRealValue(std::int32_t tag, double value) override {
    series_.SetRealValue(tag, tag == kTagMass ? LegacyMass(value) : value);
  }
  void SetStringValue(std::int32_t tag, const std::string& text) override {
    series_.SetStringValue(tag, text);
  }
  void SetRectValue(std::int32_t tag, const TdvRect& rect) override {
    series_.SetRectValue(tag, rect);
  }
  void SetListValue(std::int32_t tag, const LList& list) override {
    series_.SetListValue(tag, list);
  }
  void ReadOwnGroup(int code, TdvStringStream& stream) override {
    series_.ReadOwnGroup(code, stream);
  }

 private:
  TdvDataObject& series_;
};

}  // namespace

std::int32_t LegacyMarkerSize(std::int32_t value) {
  // Sizes counted from 1 then; a size 0 (or less) has no smaller size to
  // become.
  return value > 0 ? value - 1 : 0;
}

std::int32_t LegacyMarkerType(std::int32_t value) {
  return value > 5 && value < 99 ? 0 : value;
}

std::int32_t LegacyMarkerColour(std::int32_t value) {
  switch (value) {
    case 15:
      return 1;
    case 12:
      return 2;
    case 46:
      return 3;
    case 42:
      return 6;
    case 255:
      return 7;
    default:
      return 4;
  }
}

// Older files stored grams.
double LegacyMass(double value) {
  return value / 1000.0;
}

void ReadSeriesRecordBody(TdvStringStream& stream, TdvDataObject& series, bool legacy) {
  if (!legacy) {
    ReadRecordBody(stream, series);
    return;
  }
  LegacySeriesReceiver receiver(series);
  ReadRecordBody(stream, receiver);
}

int TdvDataObject::RecordKind() const {
  if (IsA(kDataPointCode)) {
    return IsA(kClonePointCode) ? 6 : 1;
  }
  // A scale is also a distance: it must be tested first.
  if (IsA(kCalibrateObjectCode)) {
    return 4;
  }
  if (IsA(kCalculatedLineCode)) {
    return 3;
  }
  if (IsA(kCalculatedCMCode)) {
    return 5;
  }
  if (IsA(kCalculatedAngleCode)) {
    return 7;
  }
  if (IsA(kCalculatedDesPtCode)) {
    return 8;
  }
  if (IsA(kCountObjectCode)) {
    return 9;
  }
  return 1;
}

void TdvDataObject::WriteRecord(TdvTaggedWriter& writer) {
  using enum TdvTokenEnd;
  writer.OpenObjectRecord(id, RecordKind());

  writer.OpenGroup('b');
  writer.Flag(kTagIsOrigin, isOrigin != 0, kSeparator);
  writer.Flag(kTagVisible, markerVisible != 0, kSeparator);
  writer.Flag(kTagTrails, leaveTrails != 0, kSpace);
  writer.CloseGroup();

  writer.OpenGroup('i');
  std::int32_t sourceId = 0;
  if (GetSourceId(sourceId)) {
    writer.Int(565, sourceId, kSeparator);
  }
  writer.Int(kTagScale, scaleId, kSeparator);
  writer.Int(kTagOrigin, originId, kSeparator);
  writer.Int(kTagRowCount, rowCount, kSeparator);
  writer.Int(kTagMarkerSize, markerSize, kSeparator);
  writer.Int(kTagMarkerType, markerType, kSeparator);
  writer.Int(kTagMarkerColour, markerColour, kSeparator);
  writer.Int(kTagLengthUnit, lengthUnit, kSeparator);
  writer.Int(kTagAngleUnit, angleUnit, kSeparator);
  writer.Int(kTagAngleRange, angleRange, kSeparator);
  writer.Int(kTagMassUnit, massUnit, kSeparator);
  writer.Int(kTagCoordinates, coordinates, kSeparator);
  writer.Int(kTagActiveTransform, activeTransform, kSeparator);
  writer.Int(kTagFrameCoordinates, frameCoordinates, kSeparator);
  writer.Int(kTagSampleType, sampleType, kSpace);
  writer.CloseGroup();

  writer.OpenGroup('s');
  writer.String(kTagName, name, kSpace);
  writer.CloseGroup();

  writer.OpenGroup('d');
  writer.Real(kTagMass, mass, kSpace);
  writer.CloseGroup();

  // Transform points and transformed frames only mean something with data.
  if (!frameData.IsEmpty()) {
    WriteFrameData(writer, kTagFrameData, frameData);
    if (!transformPoints.IsEmpty()) {
      WriteFrameData(writer, kTagTransformPoints, transformPoints);
    }
    WriteTransformedFrames(writer);
  }
  WriteExtraGroups(writer);
  writer.CloseRecord();
}

void TdvDataObject::WriteExtraGroups(TdvTaggedWriter&) {}

void TdvDataObject::WriteFrameData(TdvTaggedWriter& writer, std::int32_t tag,
                                   const ArrayAsLList<TdvTimeData>& data) {
  std::int32_t count = 0;
  for (auto it = data.begin(); it != data.end(); ++it) {
    ++count;
  }
  writer.OpenFrameData(tag, count);
  for (const auto& entry : data) {
    writer.FrameDatum(entry.key, entry.value->x, entry.value->y, entry.value->value);
  }
  writer.CloseGroup();
}

// The first entry ("original") alone is implied by the origin flag.
void TdvDataObject::WriteTransformedFrames(TdvTaggedWriter& writer) {
  std::int32_t count = 0;
  for (auto it = listTransformedFrames.begin(); it != listTransformedFrames.end(); ++it) {
    ++count;
  }
  if (count <= 1) {
    return;
  }
  writer.OpenTransformedFrames(kTagTransformedFrames, count);
  for (const TdvTransformedFrame* entry : listTransformedFrames) {
    writer.TransformedFrame(entry->name, entry->startFrame, entry->useTransformPoint);
  }
  writer.CloseGroup();
}

void TdvDataObject::SetFlagValue(std::int32_t tag, bool flag) {
  switch (tag) {
    case kTagIsOrigin:
      SetOrigin(flag ? 1 : 0);
      break;
    case kTagVisible:
      SetVisible(flag ? 1 : 0);
      break;
    case kTagTrails:
      SetTrails(flag ? 1 : 0);
      break;
    default:
      break;
  }
}

// Values that do not fit their field are dropped rather than wrapped.
void TdvDataObject::SetIntValue(std::int32_t tag, std::int32_t value) {
  switch (tag) {
    case kTagId:
      id = value;
      break;
    case kTagScale:
      SetScaleId(value);
      break;
    case kTagOrigin:
      SetOriginId(value);
      break;
    case kTagRowCount:
      rowCount = value;
      break;
    case kTagMarkerSize:
      markerSize = value;
      break;
    case kTagMarkerType:
      if (FitsIn<std::uint16_t>(value)) {
        markerType = static_cast<std::uint16_t>(value);
      }
      break;
    case kTagActiveTransform:
      if (FitsIn<std::int16_t>(value)) {
        activeTransform = static_cast<std::int16_t>(value);
      }
      break;
    case kTagSampleType:
      SetSampleType(value);
      break;
    default:
      SetByteValue(tag, value);
      break;
  }
}

void TdvDataObject::SetByteValue(std::int32_t tag, std::int32_t value) {
  if (!FitsIn<std::uint8_t>(value)) {
    return;
  }
  auto byte = static_cast<std::uint8_t>(value);
  switch (tag) {
    case kTagMarkerColour:
      markerColour = byte;
      break;
    case kTagLengthUnit:
      SetLengthUnit(byte);
      break;
    case kTagMassUnit:
      SetMassUnit(byte);
      break;
    case kTagCoordinates:
      coordinates = byte;
      break;
    case kTagAngleUnit:
      angleUnit = byte;
      break;
    case kTagAngleRange:
      angleRange = byte;
      break;
    case kTagFrameCoordinates:
      frameCoordinates = byte;
      break;
    default:
      break;
  }
}

void TdvDataObject::SetRealValue(std::int32_t tag, double value) {
  // A number that is not finite would poison every derived quantity.
  if (!std::isfinite(value)) {
    RefuseValue();
  } else if (tag == kTagMass) {
    SetMass(value);
  }
}

void TdvDataObject::SetStringValue(std::int32_t tag, const std::string& text) {
  if (tag == kTagName) {
    SetName(text);
  }
}

void TdvDataObject::ReadOwnGroup(int code, TdvStringStream& stream) {
  if (code == kTdvCodeFrameDataGroup) {
    ReadFrameData(stream);
  } else if (code == kTdvCodeTransformedFramesGroup) {
    ReadTransformedFrames(stream);
  } else {
    TdvTaggedReceiver::ReadOwnGroup(code, stream);
  }
}

void TdvDataObject::ReadFrameData(TdvStringStream& stream) {
  ReadFrameDataGroup(stream, [this](std::int32_t tag, const TdvFrameDatumToken& token) {
    if (tag != kTagFrameData && tag != kTagTransformPoints) {
      return;
    }
    if (!std::isfinite(token.value)) {
      RefuseValue();
      return;
    }
    ArrayAsLList<TdvTimeData>& target = tag == kTagFrameData ? frameData : transformPoints;
    target.Set(token.key, std::make_unique<TdvTimeData>(token.x, token.y, token.value));
    NotifyChangedAt(token.key);
  });
}

// Entries arrive numbered from 0; a number already present replaces that
// entry, a new one is appended.
void TdvDataObject::ReadTransformedFrames(TdvStringStream& stream) {
  ReadTransformedFramesGroup(stream, [this](std::int32_t tag, std::int32_t position,
                                            const TdvTransformedFrameToken& token) {
    if (tag != kTagTransformedFrames) {
      return;
    }
    std::int32_t use = token.useTransformPoint != 0 ? 1 : 0;
    if (listTransformedFrames.Seek(position)) {
      TdvTransformedFrame* entry = listTransformedFrames.Current();
      entry->name = token.name;
      entry->startFrame = token.startFrame;
      entry->useTransformPoint = use;
    } else {
      listTransformedFrames.Append(
          std::make_unique<TdvTransformedFrame>(token.name, token.startFrame, use));
    }
  });
}
