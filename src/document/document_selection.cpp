#include <algorithm>
#include "document/data_object_window.h"

#include "model/series_codes.h"

namespace {

constexpr int kExtendBits = 0x100 | 0x200 | 0x1000;

}  // namespace

void TdvDataObjectWindow::ClearSelectionList() {
  selected.Clear();
  currentItem = kNoItem;
}

void TdvDataObjectWindow::SelectItem(std::int32_t id, int keyFlags) {
  if (id == kNoItem) {
    ClearSelectionList();
    RedrawWindows();
    return;
  }
  bool extend = (keyFlags & kExtendBits) != 0;
  bool inList = selected.FindInt(id);
  if (!extend) {
    if (!inList) {
      selectedFrame = kNoItem;
      selected.Clear();
      selected.Append(std::make_unique<TdvInt>(id));
    }
    currentItem = id;
  } else if (selectedFrame != kNoItem || selectedScaleRow != kNoItem) {
    if (inList) {
      currentItem = id;
    }
  } else if (inList) {
    selected.RemoveCurrent();
    TdvObject* last = selected.Last();
    currentItem = last != nullptr ? static_cast<TdvInt*>(last)->value : kNoItem;
  } else {
    selected.Append(std::make_unique<TdvInt>(id));
    currentItem = id;
  }
  RedrawWindows();
}

void TdvDataObjectWindow::SelectAll() {
  selected.Clear();
  for (TdvDataObject* item : AllItems()) {
    selected.Append(std::make_unique<TdvInt>(item->GetId()));
  }
  RedrawWindows();
}

// Boxes in display order, and inside each box its members.
std::vector<std::int32_t> TdvDataObjectWindow::FrameOrderItems() {
  std::vector<std::int32_t> order;
  for (std::int32_t originId : FrameOrder()) {
    for (std::int32_t id : Members(originId)) {
      if (GetItem(id) != nullptr) {
        order.push_back(id);
      }
    }
  }
  return order;
}

std::int32_t TdvDataObjectWindow::NextInFrameOrder(std::int32_t id, std::int32_t direction) {
  std::vector<std::int32_t> order = FrameOrderItems();
  if (order.empty()) {
    return kNoItem;
  }
  auto at = std::find(order.begin(), order.end(), id);
  if (at == order.end()) {
    return direction == kBackwards ? order.back() : order.front();
  }
  std::size_t index = static_cast<std::size_t>(at - order.begin());
  std::size_t n = order.size();
  return direction == kBackwards ? order[(index + n - 1) % n] : order[(index + 1) % n];
}

// Whether the item still waits for a click on the displayed frame. A count
// never holds a position, so it always waits: it takes any number of clicks.
bool TdvDataObjectWindow::LocateTest(std::int32_t id) {
  TdvDataObject* item = GetItem(id);
  if (item == nullptr) {
    return false;
  }
  bool locatable =
      item->IsA(kCountObjectCode) || (item->IsA(kDataPointCode) && !item->IsA(kRecordPointCode));
  return locatable && !item->HasData(displayedTime);
}

std::int32_t TdvDataObjectWindow::NextItemToLocate() {
  if (autoAddPoints && !modified) {
    for (TdvDataObject* item : AllItems()) {
      if (item->IsA(kRecordPointCode)) {
        return item->GetId();
      }
    }
  }
  if (!autoPointAdvance) {
    for (std::int32_t id : SelectedItems()) {
      if (LocateTest(id)) {
        return id;
      }
    }
    return kNoItem;
  }
  std::vector<std::int32_t> order = FrameOrderItems();
  if (order.empty()) {
    return kNoItem;
  }
  auto start = std::find(order.begin(), order.end(), currentItem);
  std::size_t first = start == order.end() ? 0 : static_cast<std::size_t>(start - order.begin());
  for (std::size_t step = 0; step < order.size(); ++step) {
    std::int32_t id = order[(first + step) % order.size()];
    if (LocateTest(id)) {
      return id;
    }
  }
  return kNoItem;
}
