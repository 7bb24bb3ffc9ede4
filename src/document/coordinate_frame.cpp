#include "document/coordinate_frame.h"

#include <algorithm>

#include "document/data_object_window.h"

namespace {

constexpr int kRowHeight = 18;
constexpr int kTitleRows = 32;
constexpr int kTitleAndScaleRows = 68;

}  // namespace

void TdvCoordinateFrame::SetCoordinateKind(std::uint8_t kind) {
  coordinateKind = kind;
  if (owner == nullptr) {
    return;
  }
  if (TdvDataObject* item = owner->GetItem(origin)) {
    item->SetFrameCoordinates(kind);
  }
  if (applyKindToMembers == 0) {
    return;
  }
  for (const TdvObject* member : members) {
    auto id = static_cast<const TdvInt*>(member)->value;
    if (TdvDataObject* item = owner->GetItem(id)) {
      item->SetCoordinates(kind);
    }
  }
}

// Row counts come from files too: the sum is kept within what a window
// could ever show.
int TdvCoordinateFrame::BoxHeight() const {
  constexpr std::int64_t kMostRows = 100000;
  std::int64_t rows = 0;
  for (const TdvObject* member : members) {
    auto id = static_cast<const TdvInt*>(member)->value;
    if (TdvDataObject* item = owner != nullptr ? owner->GetItem(id) : nullptr) {
      rows = std::min(rows + std::max(item->GetRowCount(), 0), kMostRows);
    }
  }
  return static_cast<int>(rows) * kRowHeight + (scale != -3 ? kTitleAndScaleRows : kTitleRows);
}

bool TdvCoordinateFrame::HasMember(std::int32_t id) const {
  for (const TdvObject* member : members) {
    if (static_cast<const TdvInt*>(member)->value == id) {
      return true;
    }
  }
  return false;
}
