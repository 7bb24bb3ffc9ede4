#include <algorithm>

#include "document/data_object_window.h"
#include "model/point_series.h"
#include "model/series_row_columns.h"

namespace {

// The modifier of a drop that clones instead of moving.
constexpr int kCloneModifier = 0x800;
constexpr std::size_t kCloneNameKeep = 13;

}  // namespace

int TdvDataObjectWindow::DoMouseDown(int x, int y, int modifiers) {
  CommitEdit();
  mouseDownPos = {x, y};
  const TdvCoordinateSystemsLayout& layout = ListLayout();
  if (y < layout.list.top || y >= layout.list.bottom || x >= layout.list.right) {
    return 0;
  }
  if (const TdvCoordinateSystemsLayout::Row* row = layout.RowAt(x, y, ItemOrder())) {
    const std::int32_t id = row->id;
    const TdvRect rowRect = row->rect;
    SelectItem(id, modifiers);
    const int column = RowColumnAt(x);
    if (column <= kDragColumn) {
      listDrag = ListDrag::kItems;
      dragOutline = rowRect;
      DrawDragOutline();
    } else if (TdvDataObject* item = GetItem(id); item != nullptr && id == currentItem) {
      ClickCell(*item, column);
    }
    return 0;
  }
  SelectItem(kNoItem, 0);
  const TdvCoordinateSystemsLayout::Box* scale = layout.ScaleAt(x, y);
  selectedScaleRow = scale != nullptr ? FindFrame(scale->origin)->scale : kNoItem;
  const TdvCoordinateSystemsLayout::Box* header = layout.HeaderAt(x, y);
  selectedFrame = header != nullptr ? header->origin : kNoItem;
  const TdvCoordinateSystemsLayout::Box* dragged = header != nullptr ? header : scale;
  if (dragged != nullptr) {
    listDrag = header != nullptr ? ListDrag::kBox : ListDrag::kScale;
    draggedBox = dragged->origin;
    dragOutline = header != nullptr ? header->header : scale->scale;
    DrawDragOutline();
  }
  RedrawWindows();
  return 0;
}

void TdvDataObjectWindow::ClickCell(TdvDataObject& item, int column) {
  const std::int32_t id = item.GetId();
  switch (column) {
    case kNameColumn:
      StartEdit(id, kEditName);
      return;
    case kVisibleColumn:
      item.SetVisible(item.IsVisible() ? 0 : 1);
      break;
    case kTrailsColumn:
      item.SetTrails(item.HasTrails() ? 0 : 1);
      break;
    case kOriginColumn:
      if (!item.IsPointType() || id == defaultOrigin) {
        return;
      }
      item.SetOrigin(item.IsOrigin() ? 0 : 1);
      break;
    case kMassColumn:
      if (CanEditMass(id)) {
        StartEdit(id, kEditMass);
      }
      return;
    default:
      return;
  }
  modified = true;
  RedrawWindows();
}

int TdvDataObjectWindow::DoMouseMove(int x, int y, int /*modifiers*/) {
  if (listDrag == ListDrag::kNone) {
    return 0;
  }
  DrawDragOutline();
  const int dy = y - mouseDownPos.y;
  const int dx = x - mouseDownPos.x;
  dragOutline = {dragOutline.left + dx, dragOutline.top + dy, dragOutline.right + dx,
                 dragOutline.bottom + dy};
  mouseDownPos = {x, y};
  DrawDragOutline();
  return 0;
}

int TdvDataObjectWindow::DoMouseUp(int x, int y, int modifiers) {
  const ListDrag drag = listDrag;
  if (drag == ListDrag::kNone) {
    return 0;
  }
  DrawDragOutline();
  listDrag = ListDrag::kNone;
  switch (drag) {
    case ListDrag::kItems:
      DropItems(x, y, (modifiers & kCloneModifier) != 0);
      break;
    case ListDrag::kBox:
      DropBox(x, y);
      break;
    case ListDrag::kScale:
      DropScale(x, y);
      break;
    case ListDrag::kNone:
      break;
  }
  RecalculateAll();
  RedrawWindows();
  return 0;
}

// The Video frame's coordinates are always Cartesian.
int TdvDataObjectWindow::DoDoubleClick(int x, int y, int modifiers) {
  TdvDocumentWindow::DoDoubleClick(x, y, modifiers);
  const TdvCoordinateSystemsLayout::Box* header = ListLayout().HeaderAt(x, y);
  if (header != nullptr && header->origin != kVideoOriginRef) {
    Dialogs().EditCoordinateFrame(*this, header->origin);
  }
  return 0;
}

// The outline is drawn exclusive-or: drawing it again erases it.
void TdvDataObjectWindow::DrawDragOutline() {
  if (hwnd == shell::kNoWindow) {
    return;
  }
  BeforePaint();
  GfxSetPenMode(kTdvPenXor);
  GfxFrameRect(dragOutline);
  GfxSetPenMode(kTdvPenNormal);
  AfterPaint();
}

void TdvDataObjectWindow::DropItems(int x, int y, bool modifier) {
  const TdvCoordinateSystemsLayout& layout = ListLayout();
  const TdvCoordinateSystemsLayout::Row* row = layout.RowAt(x, y, ItemOrder());
  if (row != nullptr && row->id == currentItem) {
    return;
  }
  const TdvCoordinateSystemsLayout::Box* header = row == nullptr ? layout.HeaderAt(x, y) : nullptr;
  if (row == nullptr && header == nullptr) {
    return;
  }
  const std::optional<TdvCoordinateSystemsLayout::Row> target =
      row != nullptr ? std::optional(*row) : std::nullopt;
  const std::int32_t boxOrigin = header != nullptr ? header->origin : kNoItem;
  for (std::int32_t id : SelectedItems()) {
    if (target) {
      DropItemOnRow(id, *target, modifier);
    } else {
      DropItemOnBox(id, boxOrigin, modifier);
    }
  }
  modified = true;
}

void TdvDataObjectWindow::DropItemOnBox(std::int32_t id, std::int32_t origin, bool modifier) {
  TdvDataObject* item = GetItem(id);
  if (item == nullptr || id == origin) {
    return;
  }
  if (item->IsA(kCalibrateObjectCode)) {
    SetOriginScale(origin, id);
  } else if (modifier) {
    if (!item->IsPointType()) {
      InformationBox("You can only clone points", "Clones");
      return;
    }
    if (TdvDataObject* clone = GetItem(CloneByDrag(id))) {
      clone->SetOriginId(origin);
    }
  } else {
    item->SetOriginId(origin);
  }
}

void TdvDataObjectWindow::DropItemOnRow(std::int32_t id,
                                        const TdvCoordinateSystemsLayout::Row& target,
                                        bool modifier) {
  TdvDataObject* item = GetItem(id);
  if (item == nullptr || id == target.id || id == target.origin) {
    return;
  }
  if (item->IsA(kCalibrateObjectCode)) {
    if (FindFrame(item->GetOriginId()) != FindFrame(target.origin)) {
      SetOriginScale(target.origin, id);
    } else {
      PlaceBefore(id, target.id);
    }
    return;
  }
  if (modifier) {
    if (!item->IsPointType()) {
      InformationBox("You can only clone points", "Clones");
      return;
    }
    std::int32_t clone = CloneByDrag(id);
    if (TdvDataObject* made = GetItem(clone)) {
      made->SetOriginId(target.origin);
      PlaceBefore(clone, target.id);
    }
    return;
  }
  if (FindFrame(item->GetOriginId()) != FindFrame(target.origin)) {
    item->SetOriginId(target.origin);
  }
  PlaceBefore(id, target.id);
}

void TdvDataObjectWindow::DropBox(int x, int y) {
  const TdvCoordinateSystemsLayout& layout = ListLayout();
  const TdvCoordinateSystemsLayout::Box* target = nullptr;
  for (const TdvCoordinateSystemsLayout::Box& box : layout.boxes) {
    if (PointInRect({x, y}, box.box)) {
      target = &box;
    }
  }
  if (target == nullptr || target->origin == draggedBox) {
    return;
  }
  std::vector<std::int32_t> order = FrameOrder();
  order.erase(std::remove(order.begin(), order.end(), draggedBox), order.end());
  order.insert(std::find(order.begin(), order.end(), target->origin), draggedBox);
  SetFrameOrder(order);
  modified = true;
}

void TdvDataObjectWindow::DropScale(int x, int y) {
  const TdvCoordinateSystemsLayout& layout = ListLayout();
  const TdvCoordinateSystemsLayout::Box* target = layout.HeaderAt(x, y);
  if (target == nullptr || target->origin == draggedBox || selectedScaleRow == kNoItem) {
    return;
  }
  if (target->origin == kVideoOriginRef) {
    SetOriginScale(draggedBox, kNoScale);
  } else {
    SetOriginScale(target->origin, selectedScaleRow);
  }
  modified = true;
}

void TdvDataObjectWindow::SetOriginScale(std::int32_t origin, std::int32_t scale) {
  if (TdvDataObject* item = GetItem(origin)) {
    item->SetScaleId(scale);
    if (TdvCoordinateFrame* frame = FindFrame(origin)) {
      frame->scale = scale;
    }
  }
}

std::int32_t TdvDataObjectWindow::CloneByDrag(std::int32_t sourceId) {
  TdvDataObject* source = GetItem(sourceId);
  if (source == nullptr) {
    return kNoItem;
  }
  const std::string name = source->GetName().substr(0, kCloneNameKeep) + " clone";
  const std::int32_t id = ObjectNewObject(kItemClone, name);
  if (auto* clone = dynamic_cast<TdvClonePoint*>(GetItem(id))) {
    clone->SetSource(sourceId);
    SeriesChanged(*clone);
  }
  return id;
}
