#include <set>

#include "document/data_object_window.h"
#include "document/document_table_source.h"
#include "kinematics/data_table.h"
#include "kinematics/data_value_group.h"
#include "kinematics/quantity_table.h"

namespace {

constexpr int kEveryFrame = 0;

// A datum on one frame of a Frame-by-Frame series answers for that frame
// alone; Fixed and Semi-Fixed data answer for other frames too, and so do
// the transform points of a transformed origin.
bool ReachesOtherFrames(const TdvDataObject& series, int sampleType) {
  const auto& transforms = series.TransformedFrames();
  return sampleType != kFrameByFrame || transforms.begin() != transforms.end();
}

}  // namespace

// A window that takes over from a kept table replaces it for good.
void TdvDataObjectWindow::AttachTableWindow(TdvTableWindowLink* window) {
  tableWindow = window;
  dataTable->SetWindow(window);
  if (window != keptTable.get()) {
    keptTable.reset();
  }
  if (window != nullptr) {
    dataTable->AnnounceColumns(*window);
  }
}

void TdvDataObjectWindow::ShowTableWindow() {
  if (tableWindow != nullptr && tableWindow->BringForward()) {
    return;
  }
  if (tableOpener != nullptr) {
    std::optional<TdvRect> place = tableWindow != nullptr ? tableWindow->KeptRect() : std::nullopt;
    tableOpener->OpenTable(*this, place);
  }
}

// A file may name anything; the time has only its time column.
void TdvDataObjectWindow::RestoreColumn(std::int32_t itemRef, int quantity) {
  bool series = itemRef >= 0 && GetItem(itemRef) != nullptr;
  bool time = itemRef == kTimeItemRef && quantity == kQuantityTime;
  if (!series && !time) {
    return;
  }
  if (TdvDataValueGroup* group = dataTable->EnsureGroup(itemRef, quantity)) {
    group->Use(true);
  }
}

// Fixed and Semi-Fixed series answer on every row of the table, not only
// on the frames of their own data: when rows come or go they must follow,
// though nothing of theirs changed.
void TdvDataObjectWindow::TableSeriesChanged(std::int32_t id, std::int32_t frame, int kind) {
  std::vector<std::int32_t> affected;
  const std::set<std::int32_t>& rows = dataTable->AllFrames();
  if (kind == TdvDataTable::kOneFrame) {
    bool wasRow = rows.contains(frame);
    dataTable->SeriesChanged(id, frame, kind, affected);
    if (wasRow == rows.contains(frame)) {
      return;
    }
    for (TdvDataObject* item : AllItems()) {
      if (item->GetId() != id && item->GetSampleType() != kFrameByFrame) {
        dataTable->SeriesChanged(item->GetId(), frame, kind, affected);
      }
    }
    return;
  }
  std::set<std::int32_t> before = rows;
  dataTable->SeriesChanged(id, frame, kind, affected);
  if (before != rows) {
    dataTable->SeriesChanged(kTimeItemRef, 0, kEveryFrame, affected);
  }
}

void TdvDataObjectWindow::SeriesChangedAt(TdvDataObject& series, std::int32_t frame,
                                          int sampleType) {
  if (!recalculateOnChange) {
    return;
  }
  bool oneFrame = !ReachesOtherFrames(series, sampleType);
  TableSeriesChanged(series.GetId(), frame, oneFrame ? TdvDataTable::kOneFrame : kEveryFrame);
}

// Settings changed as well as data: the origin, scale or inputs the series
// depends on may be others now, and with another origin or scale its units.
void TdvDataObjectWindow::SeriesChanged(TdvDataObject& series) {
  if (!recalculateOnChange) {
    return;
  }
  dataTable->RefreshDependencies(series.GetId());
  dataTable->UnitsChanged(series.GetId());
  TableSeriesChanged(series.GetId(), 0, kEveryFrame);
}

// Units, scales and angle ranges change through the row of the series.
void TdvDataObjectWindow::RedrawRow(TdvDataObject& series) {
  SeriesChanged(series);
  RedrawWindows();
}

// A fixed origin moves or turns on every frame at once: everything that
// reports relative to it changes everywhere, and the table reaches the
// members through their dependence on the origin. The positions are read
// again rather than turned where they are stored, so that they stay exactly
// what a fresh reading gives, whatever the scale of the origin.
void TdvDataObjectWindow::FixedOriginRotated(TdvDataObject& series, double, double) {
  SeriesChanged(series);
}

void TdvDataObjectWindow::FixedOriginMoved(TdvDataObject& series, double value) {
  FixedOriginRotated(series, value, value);
}

void TdvDataObjectWindow::TableTimeChanged() {
  if (recalculateOnChange) {
    TableSeriesChanged(kTimeItemRef, 0, kEveryFrame);
  }
}

void TdvDataObjectWindow::RecalculateAll() {
  for (TdvDataObject* item : AllItems()) {
    item->Refresh();
  }
  dataTable->RefreshFrames();
  for (std::int32_t id : ItemOrder()) {
    dataTable->RefreshDependencies(id);
  }
  dataTable->UnitsChanged(kTimeItemRef);
  TableSeriesChanged(kTimeItemRef, 0, kEveryFrame);
}
