#include "document/coordinate_systems_layout.h"

#include <algorithm>

#include "document/data_object_window.h"
#include "foundation/geometry.h"
#include "model/series_row_columns.h"

namespace {

// The frame's own rows sit inside a one-pixel border below its header.
constexpr int kBorder = 1;
constexpr int kButtonSize = 16;
// Between the movie's name and the first button.
constexpr int kButtonGap = 4;

}  // namespace

TdvCoordinateSystemsLayout LayOutCoordinateSystems(TdvDataObjectWindow& document, int width,
                                                   int height, int scroll) {
  TdvCoordinateSystemsLayout layout;
  const int right = std::max(width - kScrollBarWidth, 0);
  layout.headerRow = {0, 0, right, kListHeaderHeight};
  layout.list = {0, kListHeaderHeight + 1, right,
                 std::max(height - kScrollBarWidth, kListHeaderHeight + 1)};
  const int buttonsLeft = std::max(width - kListButtonCount * kButtonSize, 0);
  for (int i = 0; i < kListButtonCount; ++i) {
    const int left = buttonsLeft + i * kButtonSize;
    layout.buttons[static_cast<std::size_t>(i)] = {left, height - kMovieLineHeight,
                                                   left + kButtonSize, height};
  }
  layout.movieLine = {5, height - kMovieLineHeight, std::max(buttonsLeft - kButtonGap, 5), height};
  layout.scrollBar = {right, 0, width, height - kMovieLineHeight};
  int top = layout.list.top - scroll * kListRowHeight;
  for (std::int32_t origin : document.FrameOrder()) {
    TdvCoordinateFrame* frame = document.FindFrame(origin);
    if (frame == nullptr) {
      continue;
    }
    TdvCoordinateSystemsLayout::Box box;
    box.origin = origin;
    box.box = {0, top, right, top + frame->BoxHeight()};
    box.header = {0, top, right, top + kBoxHeaderHeight};
    int rowTop = box.header.bottom + kBorder;
    const bool scaled = frame->scale != kNoScale;
    box.scale = scaled ? TdvRect{0, rowTop, right, rowTop + kScaleRowHeight}
                       : TdvRect{0, rowTop, 0, rowTop};
    rowTop = box.scale.bottom;
    layout.listRows += 3;
    for (std::int32_t id : document.Members(origin)) {
      TdvDataObject* item = document.GetItem(id);
      if (item == nullptr) {
        continue;
      }
      ++layout.listRows;
      if (frame->expanded == 0) {
        continue;
      }
      const int height = kListRowHeight * std::max(item->GetRowCount(), 1);
      layout.rows.push_back({id, origin, TdvPoint{0, rowTop}, {2, rowTop, right, rowTop + height}});
      rowTop += height;
    }
    layout.boxes.push_back(box);
    top = box.box.bottom;
  }
  const int visibleRows = (layout.list.bottom - layout.list.top) / kListRowHeight;
  layout.scrollRange = std::max(layout.listRows - visibleRows, 0);
  return layout;
}

const TdvCoordinateSystemsLayout::Row* TdvCoordinateSystemsLayout::RowAt(
    int x, int y, const std::vector<std::int32_t>& itemOrder) const {
  if (!PointInRect({x, y}, list)) {
    return nullptr;
  }
  for (std::int32_t id : itemOrder) {
    for (const Row& row : rows) {
      if (row.id == id && PointInRect({x, y}, row.rect)) {
        return &row;
      }
    }
  }
  return nullptr;
}

const TdvCoordinateSystemsLayout::Box* TdvCoordinateSystemsLayout::HeaderAt(int x, int y) const {
  if (!PointInRect({x, y}, list)) {
    return nullptr;
  }
  auto found = std::find_if(boxes.begin(), boxes.end(), [&](const Box& box) {
    return PointInRect({x, y}, box.header);
  });
  return found == boxes.end() ? nullptr : &*found;
}

const TdvCoordinateSystemsLayout::Box* TdvCoordinateSystemsLayout::ScaleAt(int x, int y) const {
  if (!PointInRect({x, y}, list)) {
    return nullptr;
  }
  auto found = std::find_if(boxes.begin(), boxes.end(), [&](const Box& box) {
    return PointInRect({x, y}, box.scale);
  });
  return found == boxes.end() ? nullptr : &*found;
}

const TdvCoordinateSystemsLayout::Box* TdvCoordinateSystemsLayout::BoxOf(
    std::int32_t origin) const {
  auto found = std::find_if(boxes.begin(), boxes.end(),
                            [&](const Box& box) { return box.origin == origin; });
  return found == boxes.end() ? nullptr : &*found;
}
