#include "table/table_layout.h"

#include <algorithm>

std::size_t TdvTableLayout::PageRows() const {
  int height = view.bottom - kTableHeaderHeight;
  return height > 0 ? static_cast<std::size_t>(height / kTableRowHeight) : 0;
}

TdvTableLayout LayOutTable(std::vector<TdvShownColumn> columns, shell::Size client,
                           std::size_t rowCount, std::size_t topRow, int scrollX) {
  TdvTableLayout layout;
  layout.columns = std::move(columns);
  layout.rowCount = rowCount;
  layout.view = {0, 0, std::max(0, client.width - kTableScrollBarSize),
                 std::max(0, client.height - kTableScrollBarSize)};
  layout.tableWidth = layout.columns.empty() ? 0 : layout.columns.back().right;
  int maxScrollX = std::max(0, layout.tableWidth - layout.CellsWidth());
  layout.scrollX = std::clamp(scrollX, 0, maxScrollX);
  std::size_t page = layout.PageRows();
  std::size_t maxTop = rowCount > page ? rowCount - page : 0;
  layout.firstRow = std::min(topRow, maxTop);
  // A row cut by the bottom edge is drawn as well.
  layout.endRow = std::min(rowCount, layout.firstRow + page + 1);
  int left = layout.scrollX;
  int right = layout.scrollX + layout.CellsWidth();
  auto firstVisible = std::find_if(layout.columns.begin(), layout.columns.end(),
                                   [&](const TdvShownColumn& c) { return c.right > left; });
  auto endVisible = std::find_if(firstVisible, layout.columns.end(),
                                 [&](const TdvShownColumn& c) { return c.left >= right; });
  layout.firstColumn = static_cast<std::size_t>(firstVisible - layout.columns.begin());
  layout.endColumn = static_cast<std::size_t>(endVisible - layout.columns.begin());
  return layout;
}

TdvTableHit HitTable(const TdvTableLayout& layout, shell::Point point) {
  TdvTableHit hit;
  if (point.x < 0 || point.y < 0 || point.x >= layout.view.right || point.y >= layout.view.bottom) {
    return hit;
  }
  const bool inHeader = point.y < kTableHeaderHeight;
  if (!inHeader) {
    hit.row = layout.firstRow +
              static_cast<std::size_t>((point.y - kTableHeaderHeight) / kTableRowHeight);
    if (hit.row >= layout.rowCount) {
      return hit;
    }
  }
  if (point.x < kTableRowHeaderWidth) {
    hit.area = inHeader ? TdvTableArea::kCorner : TdvTableArea::kRowHeader;
    return hit;
  }
  for (std::size_t index = layout.firstColumn; index < layout.endColumn; ++index) {
    if (point.x >= layout.ColumnLeft(index) && point.x < layout.ColumnRight(index)) {
      hit.column = index;
      if (!inHeader) {
        hit.area = TdvTableArea::kCell;
      } else if (point.y < kTableRowHeight) {
        hit.area = TdvTableArea::kSeriesHeader;
      } else {
        hit.area = TdvTableArea::kColumnHeader;
      }
      return hit;
    }
  }
  return hit;
}
