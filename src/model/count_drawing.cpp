#include "model/count_series.h"

void TdvCountObject::DrawOnMovie(TdvSeriesView& view, std::int32_t frame) {
  TdvCountDataObject* marks = frameCounts.Get(frame);
  if (marks == nullptr) {
    return;
  }
  int labelled = currentMark >= 0 ? currentMark : 0;
  int index = 0;
  for (const TdvTimeData* mark : marks->Marks()) {
    TdvPoint at = view.ToWindow(TdvPoint{mark->x, mark->y});
    DrawMarker(view, at, 0.0, frame);
    if (index++ == labelled) {
      DrawLabel(view, at.x, at.y, frame);
    }
  }
}

void TdvCountObject::DrawSelection(TdvSeriesView& view, std::int32_t frame) {
  TdvCountDataObject* marks = frameCounts.Get(frame);
  std::int32_t x = 0;
  std::int32_t y = 0;
  if (marks != nullptr && currentMark >= 0 && marks->GetMark(currentMark, x, y)) {
    FrameMarker(view, view.ToWindow(TdvPoint{x, y}), frame, false);
  }
}

std::string TdvCountObject::LabelText(TdvSeriesView&, std::int32_t) {
  return "[" + std::to_string(currentMark + (currentMark >= 0 ? 1 : 2)) + "]";
}
