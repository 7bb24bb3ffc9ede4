#pragma once

#include <cstddef>
#include <vector>

#include "shell/gfx_types.h"
#include "table/table_column.h"

inline constexpr int kTableRowHeight = 18;
inline constexpr int kTableHeaderRows = 3;
inline constexpr int kTableHeaderHeight = kTableHeaderRows * kTableRowHeight;
inline constexpr int kTableRowHeaderWidth = 18;
inline constexpr int kTableScrollBarSize = 16;

// A column shown, at its place across the whole table (not scrolled).
struct TdvShownColumn {
  TdvTableColumn* column = nullptr;
  // Index of its block, -1 for the time column.
  int block = -1;
  bool firstOfBlock = false;
  int left = 0;
  int right = 0;
};

// Where everything of the table is for one size and one scroll position:
// drawing and the mouse both read it, and only what it names as visible is
// drawn.
struct TdvTableLayout {
  std::vector<TdvShownColumn> columns;
  // Visible columns and rows, as half-open index ranges.
  std::size_t firstColumn = 0;
  std::size_t endColumn = 0;
  std::size_t firstRow = 0;
  std::size_t endRow = 0;
  std::size_t rowCount = 0;
  int scrollX = 0;
  int tableWidth = 0;
  // The client area left of and above the scroll bars.
  shell::Rect view;

  int ColumnLeft(std::size_t index) const {
    return kTableRowHeaderWidth + columns[index].left - scrollX;
  }
  int ColumnRight(std::size_t index) const {
    return kTableRowHeaderWidth + columns[index].right - scrollX;
  }
  int RowTop(std::size_t row) const {
    return kTableHeaderHeight + static_cast<int>(row - firstRow) * kTableRowHeight;
  }
  // Rows that fit below the header.
  std::size_t PageRows() const;
  int CellsWidth() const { return view.right - kTableRowHeaderWidth; }
};

// columns: every shown column in order, left and right set across the
// table; topRow and scrollX: the scroll positions (kept in range here).
TdvTableLayout LayOutTable(std::vector<TdvShownColumn> columns, shell::Size client,
                           std::size_t rowCount, std::size_t topRow, int scrollX);

enum class TdvTableArea { kCorner, kSeriesHeader, kColumnHeader, kRowHeader, kCell, kEmpty };

struct TdvTableHit {
  TdvTableArea area = TdvTableArea::kEmpty;
  std::size_t column = 0;
  std::size_t row = 0;
};

TdvTableHit HitTable(const TdvTableLayout& layout, shell::Point point);
