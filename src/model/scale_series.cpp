#include "model/scale_series.h"

#include <cmath>
#include <vector>

#include "foundation/format_significant.h"
#include "model/series_units.h"

namespace {

constexpr std::int32_t kTagKnownLength = 566;

// Ends closer than this (movie units) give no usable scale.
constexpr double kLeastPixelLength = 1e-20;
// How far the last end is moved when the ends coincide, in movie units.
constexpr std::int32_t kSpreadStep = 5;

}  // namespace

TdvCalibrateObject::TdvCalibrateObject() {
  typeLabel = "Scale";
  // A scale measures in the movie's own frame.
  originId = kVideoOriginRef;
}

std::unique_ptr<TdvObject> TdvCalibrateObject::Clone() const {
  return std::unique_ptr<TdvObject>(new TdvCalibrateObject(*this));
}

int TdvCalibrateObject::GetSampleType() const {
  int types[2] = {kFixed, kFixed};
  std::vector<std::int32_t> ids = IncludedIdValues();
  for (std::size_t i = 0; i < 2 && i < ids.size(); ++i) {
    TdvDataObject* end = document != nullptr && ids[i] >= 0 ? document->GetItem(ids[i]) : nullptr;
    if (end == nullptr) {
      continue;
    }
    if (!end->IsPointType()) {
      return kFixed;
    }
    types[i] = end->GetSampleType();
  }
  if (types[0] == types[1] || types[0] == kFixed) {
    return types[1];
  }
  if (types[1] == kFixed) {
    return types[0];
  }
  return types[0] == kSemiFixed ? types[1] : types[0];
}

void TdvCalibrateObject::SetKnownLength(double metres) {
  knownLength = metres;
  NotifyChanged();
}

// The mass that the series record carries is not read back: a scale has
// none.
void TdvCalibrateObject::SetRealValue(std::int32_t tag, double value) {
  if (tag != kTagKnownLength) {
    return;
  }
  if (std::isfinite(value) && value > 0.0) {
    SetKnownLength(value);
  } else {
    RefuseValue();
  }
}

void TdvCalibrateObject::WriteExtraGroups(TdvTaggedWriter& writer) {
  TdvCalculatedLine::WriteExtraGroups(writer);
  writer.OpenGroup('d');
  writer.Real(kTagKnownLength, knownLength, TdvTokenEnd::kSpace);
  writer.CloseGroup();
}

bool TdvCalibrateObject::PixelLength(double& length, std::int32_t frame) {
  TdvRealPoint a;
  TdvRealPoint b;
  return GetLength(length, a, b, frame);
}

bool TdvCalibrateObject::Convert(double& value, std::int32_t frame, std::uint8_t unit,
                                 std::string& unitLabel) {
  double pixelLength = 0.0;
  if (!PixelLength(pixelLength, frame)) {
    unitLabel = name + " unknown";
    return false;
  }
  if (pixelLength > kLeastPixelLength) {
    value = value * knownLength / pixelLength;
    ConvertLength(value, unit, false);
    unitLabel = UnitLabel(unit);
    return true;
  }
  ShowInformation("Calibrate value too small. Spacing will be changed",
                  "TdvCalibrateObject::Convert");
  SpreadEnds();
  return false;
}

// The end is grabbed by its datum first: a drag that last took its
// transform point must not decide what moves here.
void TdvCalibrateObject::SpreadEnds() {
  std::vector<std::int32_t> ids = IncludedIdValues();
  if (document == nullptr || ids.empty() || ids.back() < 0) {
    return;
  }
  if (TdvDataObject* end = document->GetItem(ids.back())) {
    end->SelectDatum();
    end->MoveTransformPoint(kSpreadStep, kSpreadStep, document->DisplayedFrame());
  }
}

bool TdvCalibrateObject::GetScaleFactor(double& pixelsPerUnit, std::int32_t frame) {
  double pixelLength = 0.0;
  if (!PixelLength(pixelLength, frame)) {
    return false;
  }
  double known = knownLength * LengthFactor(lengthUnit);
  pixelsPerUnit = known == 0.0 ? 1.0 : pixelLength / known;
  return true;
}

double TdvCalibrateObject::MetresPerPixel(std::int32_t frame) {
  double pixelLength = 0.0;
  if (!PixelLength(pixelLength, frame) || pixelLength == 0.0) {
    return 1.0;
  }
  return knownLength / pixelLength;
}

// A scale of no known length has no number of units to show.
std::string TdvCalibrateObject::ScaleRowText(std::int32_t frame) {
  double pixelLength = 0.0;
  double known = knownLength * LengthFactor(lengthUnit);
  std::string number = "No Value";
  if (PixelLength(pixelLength, frame) && known != 0.0) {
    number = FormatSignificant(pixelLength / known, 4, false);
  }
  return " Scale: " + name + "  " + number + " (pixels)/" + UnitLabel(lengthUnit);
}
