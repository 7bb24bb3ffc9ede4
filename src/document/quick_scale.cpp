#include "document/data_object_window.h"
#include "model/point_series.h"
#include "model/scale_series.h"
#include "model/series_units.h"

namespace {

constexpr std::uint8_t kScaleColour = 6;
constexpr std::uint16_t kScaleEndMarker = 3;

}  // namespace

void TdvDataObjectWindow::StartQuickScale() {
  itemBeforeScale = currentItem;
  BringMovieForward();
  Dialogs().ScaleMovie(*this);
}

void TdvDataObjectWindow::SetQuickScale(double length, int unitCode, std::int32_t origin,
                                        int sampleType) {
  quickScaleLength = length;
  quickScaleUnit = unitCode;
  quickScaleOrigin = origin;
  quickScaleSampleType = sampleType;
  quickScaleName = "Scale" + std::to_string(NextDefaultNumber(kCalibrateObjectCode));
}

void TdvDataObjectWindow::ScalePoint(int x, int y, int code) {
  BeginUpdate();
  switch (code) {
    case -5:
      pendingScaleEnd = NewScaleEnd(" A", x, y);
      break;
    case -6:
      FinishQuickScale(x, y);
      break;
    case -4:
      if (pendingScaleEnd != kNoItem && GetItem(pendingScaleEnd) != nullptr) {
        RemoveItem(pendingScaleEnd);
      }
      pendingScaleEnd = kNoItem;
      recalculateOnChange = true;
      SelectItemBeforeScale();
      break;
    default:
      break;
  }
  EndUpdate();
}

std::int32_t TdvDataObjectWindow::NewScaleEnd(const std::string& suffix, int x, int y) {
  std::int32_t id = ObjectNewObject(kItemPoint, quickScaleName + suffix);
  auto* end = static_cast<TdvDataPoint*>(GetItem(id));
  end->SetOriginId(kVideoOriginRef);
  end->SetSampleType(quickScaleSampleType);
  end->TakeData(x, y, displayedTime);
  end->SetMarkerColour(kScaleColour);
  end->SetMarkerType(kScaleEndMarker);
  end->SetMarkerSize(0);
  SeriesChanged(*end);
  return id;
}

// A second click whose first end is gone (deleted meanwhile) makes no
// scale: a scale with one end could never be measured.
void TdvDataObjectWindow::FinishQuickScale(int x, int y) {
  if (pendingScaleEnd == kNoItem || GetItem(pendingScaleEnd) == nullptr) {
    pendingScaleEnd = kNoItem;
    recalculateOnChange = true;
    return;
  }
  std::int32_t second = NewScaleEnd(" B", x, y);
  std::int32_t id = ObjectNewObject(kItemScale, quickScaleName);
  auto* scale = static_cast<TdvCalibrateObject*>(GetItem(id));
  LList ends;
  ends.Append(std::make_unique<TdvInt>(pendingScaleEnd));
  ends.Append(std::make_unique<TdvInt>(second));
  scale->SetIncluded(ends);
  double metres = quickScaleLength;
  ConvertLength(metres, quickScaleUnit, true);
  scale->SetKnownLength(metres);
  scale->SetLengthUnit(static_cast<std::uint8_t>(quickScaleUnit));
  scale->SetMarkerColour(kScaleColour);
  std::int32_t servedRef = quickScaleOrigin == kDefaultOriginRef ? defaultOrigin : quickScaleOrigin;
  if (TdvDataObject* served = quickScaleOrigin != kVideoOriginRef ? GetItem(servedRef) : nullptr;
      served != nullptr && served->IsOrigin()) {
    served->SetScaleId(id);
  }
  pendingScaleEnd = kNoItem;
  recalculateOnChange = true;
  SeriesChanged(*scale);
  SelectItemBeforeScale();
  RedrawWindows();
}

// The item current before the scale, unless it went meanwhile.
void TdvDataObjectWindow::SelectItemBeforeScale() {
  SelectItem(GetItem(itemBeforeScale) != nullptr ? itemBeforeScale : kNoItem, 0);
}
