#include <algorithm>

#include "document/data_object_window.h"
#include "kinematics/data_table.h"
#include "model/calculated_series.h"
#include "model/point_series.h"

namespace {

std::vector<std::int32_t> IncludedOf(TdvDataObject& item) {
  std::vector<std::int32_t> ids;
  if (!item.IsA(kCalculatedObjectCode)) {
    return ids;
  }
  LList list;
  int required = 0;
  int max = 0;
  static_cast<TdvCalculatedObject&>(item).GetIncluded(list, required, max);
  for (const TdvObject* boxed : list) {
    ids.push_back(static_cast<const TdvInt*>(boxed)->value);
  }
  return ids;
}

}  // namespace

bool TdvDataObjectWindow::SetDefaultOrigin(std::int32_t id) {
  TdvDataObject* item = id >= 0 ? GetItem(id) : nullptr;
  if (item == nullptr || !item->IsPointType() || !item->IsOrigin()) {
    InformationBox("Selected Item Must be an Origin", "Default Origin");
    return false;
  }
  std::int32_t old = defaultOrigin;
  // The new default origin cannot report relative to itself: it keeps
  // reporting relative to the old one.
  if (item->GetOriginId() == kDefaultOriginRef) {
    item->SetOriginId(old);
  }
  defaultOrigin = id;
  MoveToDefault(old, id);
  modified = true;
  RedrawWindows();
  return true;
}

// Items that report relative to the default origin follow it into the
// box of the new default origin.
void TdvDataObjectWindow::MoveToDefault(std::int32_t from, std::int32_t to) {
  TdvCoordinateFrame* source = frames.Get(from);
  TdvCoordinateFrame* target = frames.Get(to);
  if (source == nullptr || target == nullptr || from == to) {
    return;
  }
  for (TdvDataObject* item : AllItems()) {
    if (item->GetOriginId() == kDefaultOriginRef && source->HasMember(item->GetId())) {
      if (source->members.FindInt(item->GetId())) {
        source->members.RemoveCurrent();
      }
      AddMember(*target, item->GetId(), kPlaceLast);
    }
  }
}

void TdvDataObjectWindow::TransformOrigin(std::int32_t id) {
  TdvDataObject* item = GetItem(id);
  if (item == nullptr || !item->IsOrigin()) {
    InformationBox("Only origins may be transformed", "Transform Origin");
    return;
  }
  if (!item->IsA(kDataPointCode)) {
    InformationBox("Only data points may be transformed", "Transform Origin");
    return;
  }
  if (static_cast<TdvDataPoint*>(item)->TransformOrigin(displayedTime)) {
    modified = true;
    RedrawWindows();
  }
}

void TdvDataObjectWindow::MakePointOrigin() {
  TdvDataObject* item = GetItem(currentItem);
  if (currentItem == kNoItem || item == nullptr) {
    InformationBox("Select a point-type object first (Pt., CM, DsPt), then try again",
                   "No Point Selected");
    return;
  }
  if (!item->IsPointType()) {
    InformationBox("Only a Selected Point can be made an origin", "Make Origin");
    return;
  }
  if (!item->IsOrigin()) {
    item->SetOrigin(1);
  } else if (Confirm("Point is already an origin; remove origin status?", "Make Origin")) {
    item->SetOrigin(0);
  }
  modified = true;
  RedrawWindows();
}

void TdvDataObjectWindow::DeleteItem(std::int32_t id) {
  TdvDataObject* item = GetItem(id);
  if (item == nullptr) {
    return;
  }
  if (id == defaultOrigin) {
    InformationBox("Can't Delete Default Origin", "Default Origin");
    Beep();
    return;
  }
  if (item->IsA(kRecordPointCode)) {
    SetAutoAddPoints(false);
    return;
  }
  if (item->IsA(kCalibrateObjectCode)) {
    ForgetScale(id);
  }
  for (TdvDataObject* item : AllItems()) {
    if (item->IsA(kCalculatedObjectCode) && item->GetId() != id) {
      static_cast<TdvCalculatedObject*>(item)->RemoveIncluded(id);
    }
  }
  DeleteClonesOf(id);
  RemoveItem(id);
  RedrawWindows();
  modified = true;
}

void TdvDataObjectWindow::ForgetScale(std::int32_t id) {
  std::vector<TdvDataObject*> users;
  for (TdvDataObject* item : AllItems()) {
    if (item->GetScaleId() == id) {
      users.push_back(item);
    }
  }
  for (TdvDataObject* user : users) {
    user->SetScaleId(kNoScale);
  }
  for (std::int32_t originId : FrameOrder()) {
    if (TdvCoordinateFrame* frame = frames.Get(originId); frame != nullptr && frame->scale == id) {
      frame->scale = kNoScale;
    }
  }
}

void TdvDataObjectWindow::DeleteClonesOf(std::int32_t id) {
  std::vector<std::int32_t> clones;
  for (TdvDataObject* item : AllItems()) {
    std::int32_t source = kNoItem;
    if (item->GetSourceId(source) && source == id && item->GetId() != id) {
      clones.push_back(item->GetId());
    }
  }
  for (std::int32_t clone : clones) {
    DeleteItem(clone);
  }
}

void TdvDataObjectWindow::RemoveItem(std::int32_t id) {
  TdvDataObject* item = GetItem(id);
  if (item == nullptr) {
    return;
  }
  RemoveFromFrames(id);
  if (item->IsOrigin()) {
    RemoveCoordinateFrame(id);
  }
  items.Remove(id);
  if (itemOrder.FindInt(id)) {
    itemOrder.RemoveCurrent();
  }
  if (selected.FindInt(id)) {
    selected.RemoveCurrent();
  }
  if (currentItem == id) {
    currentItem = kNoItem;
  }
  dataTable->RemoveSeries(id);
  // The table window must not show the series' groups again.
  if (tableWindow != nullptr) {
    tableWindow->Redraw();
  }
  for (TdvGraphLink* graph : graphs) {
    graph->ItemRemoved(id);
  }
}

void TdvDataObjectWindow::DeleteSelection() {
  std::vector<std::int32_t> ids = SelectedItems();
  if (ids.empty()) {
    InformationBox("You must select an item before you delete it", "Delete Selected");
    return;
  }
  std::string question = "Delete All Items?";
  if (ids.size() == 1) {
    TdvDataObject* only = GetItem(ids.front());
    question = "Delete All Data Relative to " + (only != nullptr ? only->GetName() : "") + "?";
  }
  if (!Confirm(question, "Delete Selected")) {
    return;
  }
  for (std::int32_t id : ids) {
    DeleteItem(id);
  }
  ClearSelectionList();
  listScroll = 0;
  RedrawWindows();
}

void TdvDataObjectWindow::SetAutoAddPoints(bool on) {
  autoAddPoints = on;
  CheckBoth(351, on);
  if (on) {
    ClearSelectionList();
    std::int32_t id = ObjectNewObject(kItemRecordPoint, "Click to create Pt");
    SelectItem(id, 0);
    return;
  }
  std::vector<std::int32_t> recorders;
  for (TdvDataObject* item : AllItems()) {
    if (item->IsA(kRecordPointCode)) {
      recorders.push_back(item->GetId());
    }
  }
  for (std::int32_t id : recorders) {
    RemoveItem(id);
  }
  if (autoPointAdvance) {
    std::vector<std::int32_t> order = FrameOrderItems();
    SelectItem(order.empty() ? kNoItem : order.front(), 0);
  }
  RedrawWindows();
}

bool TdvDataObjectWindow::IsScaleEnd(std::int32_t id) {
  for (TdvDataObject* item : AllItems()) {
    if (item->IsA(kCalibrateObjectCode)) {
      std::vector<std::int32_t> ends = IncludedOf(*item);
      if (std::find(ends.begin(), ends.end(), id) != ends.end()) {
        return true;
      }
    }
  }
  return false;
}

void TdvDataObjectWindow::ClearFrame() {
  for (TdvDataObject* item : AllItems()) {
    bool point = item->IsA(kDataPointCode) && item->GetSampleType() != kFixed;
    if (point || item->IsA(kCountObjectCode)) {
      item->ClearFrame(displayedTime);
    }
  }
  if (currentItem != kNoItem) {
    SelectItem(currentItem, 0);
  }
  modified = true;
  RedrawWindows();
}

void TdvDataObjectWindow::ClearSelection(bool allFrames) {
  if (currentItem == kNoItem) {
    InformationBox("You must select an item before you clear it",
                   allFrames ? "Clear Selected All Frames" : "Clear Selected");
    return;
  }
  for (std::int32_t id : SelectedItems()) {
    TdvDataObject* item = GetItem(id);
    if (item == nullptr) {
      continue;
    }
    if (allFrames) {
      item->ClearAllData();
    } else {
      item->ClearFrame(displayedTime);
    }
    SeriesChanged(*item);
  }
  modified = true;
  RedrawWindows();
}

void TdvDataObjectWindow::ClearData(bool fixed, bool semiFixed, bool frameByFrame,
                                    bool includeOrigins, bool includeScalePoints) {
  std::vector<TdvDataObject*> cleared;
  for (TdvDataObject* item : AllItems()) {
    if (!item->IsA(kDataPointCode) && !item->IsA(kCountObjectCode)) {
      continue;
    }
    int type = item->GetSampleType();
    bool byType = (type == kFixed && fixed) || (type == kSemiFixed && semiFixed) ||
                  (type == kFrameByFrame && frameByFrame);
    if (!byType || (item->IsOrigin() && !includeOrigins) ||
        (!includeScalePoints && IsScaleEnd(item->GetId()))) {
      continue;
    }
    cleared.push_back(item);
  }
  for (TdvDataObject* item : cleared) {
    item->ClearAllData();
  }
  modified = true;
  RecalculateAll();
  RedrawWindows();
}

void TdvDataObjectWindow::ShowAll() {
  for (TdvDataObject* item : AllItems()) {
    item->SetVisible(1);
  }
  RedrawWindows();
}

void TdvDataObjectWindow::ToggleSelectionVisible() {
  if (currentItem == kNoItem) {
    InformationBox("You must select an item first", "Set Visible");
    return;
  }
  for (std::int32_t id : SelectedItems()) {
    if (TdvDataObject* item = GetItem(id)) {
      item->SetVisible(item->IsVisible() ? 0 : 1);
    }
  }
  RedrawWindows();
}

void TdvDataObjectWindow::ToggleSelectionTrails() {
  if (currentItem == kNoItem) {
    InformationBox("You must select an item first", "Leave Trails");
    return;
  }
  for (std::int32_t id : SelectedItems()) {
    if (TdvDataObject* item = GetItem(id)) {
      item->SetTrails(item->HasTrails() ? 0 : 1);
    }
  }
  RedrawWindows();
}
