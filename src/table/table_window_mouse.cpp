#include <algorithm>
#include <utility>

#include "document/data_object_window.h"
#include "table/table_window.h"

// A click selects what it hits and becomes the anchor; Shift selects from
// the anchor to the click instead, and so does dragging; Control adds what
// it hits to the selection, or takes it out when it is selected already.
// A click on a row's header also shows that frame in the movie.

namespace {

bool IsHeader(TdvTableArea area) {
  return area == TdvTableArea::kSeriesHeader || area == TdvTableArea::kColumnHeader;
}

}  // namespace

int TdvTableWindow::DoMouseDown(int x, int y, int modifiers) {
  const TdvTableHit hit = HitTable(Layout(), {x, y});
  PressAt(hit, modifiers);
  selecting_ =
      hit.area == TdvTableArea::kCell || hit.area == TdvTableArea::kRowHeader || IsHeader(hit.area);
  return 0;
}

int TdvTableWindow::DoMouseMove(int x, int y, int) {
  if (selecting_) {
    const TdvTableHit hit = HitTable(Layout(), {x, y});
    if (anchor_ && hit.area != TdvTableArea::kEmpty && hit.area != TdvTableArea::kCorner) {
      ExtendTo(hit);
    }
  }
  return 0;
}

int TdvTableWindow::DoMouseUp(int, int, int) {
  selecting_ = false;
  return 0;
}

void TdvTableWindow::PressAt(const TdvTableHit& hit, int modifiers) {
  const bool control = (modifiers & kTdvControlKey) == kTdvControlKey;
  const bool shift = (modifiers & kTdvShiftKey) != 0;
  if (hit.area == TdvTableArea::kCorner) {
    SelectAll();
    return;
  }
  if (hit.area == TdvTableArea::kEmpty) {
    ClearSelections();
    return;
  }
  if (hit.area == TdvTableArea::kRowHeader) {
    ShowFrame(hit.row);
  }
  if (shift && anchor_ && anchor_->area == hit.area) {
    ExtendTo(hit);
    return;
  }
  if (!control) {
    ClearSelections();
  }
  anchor_ = hit;
  switch (hit.area) {
    case TdvTableArea::kCell:
      control ? ToggleCell(hit.column, hit.row)
              : SelectCells(hit.column, hit.column, hit.row, hit.row);
      break;
    case TdvTableArea::kRowHeader:
      control ? ToggleRow(hit.row) : SelectCells(0, Layout().columns.size() - 1, hit.row, hit.row);
      break;
    default: {
      auto [first, last] = HeaderColumns(hit);
      control ? ToggleWholeColumns(first, last) : SelectWholeColumns(first, last);
      break;
    }
  }
  Invalidate(false);
}

// From the anchor to the hit, in the kind of area the anchor lies in.
void TdvTableWindow::ExtendTo(const TdvTableHit& hit) {
  const TdvTableHit from = *anchor_;
  ClearSelections();
  anchor_ = from;
  const std::size_t columns = Layout().columns.size();
  if (columns == 0) {
    return;
  }
  switch (from.area) {
    case TdvTableArea::kCell:
      SelectCells(from.column, hit.column, from.row, hit.row);
      break;
    case TdvTableArea::kRowHeader:
      SelectCells(0, columns - 1, from.row, hit.row);
      break;
    default: {
      auto [firstFrom, lastFrom] = HeaderColumns(from);
      auto [firstTo, lastTo] = HeaderColumns(hit);
      SelectWholeColumns(std::min(firstFrom, firstTo), std::max(lastFrom, lastTo));
      break;
    }
  }
  Invalidate(false);
}

std::pair<std::size_t, std::size_t> TdvTableWindow::HeaderColumns(const TdvTableHit& hit) {
  const std::vector<TdvShownColumn>& shown = Layout().columns;
  if (hit.area != TdvTableArea::kSeriesHeader) {
    return {hit.column, hit.column};
  }
  std::size_t first = hit.column;
  std::size_t last = hit.column;
  while (first > 0 && shown[first - 1].block == shown[hit.column].block) {
    --first;
  }
  while (last + 1 < shown.size() && shown[last + 1].block == shown[hit.column].block) {
    ++last;
  }
  return {first, last};
}

void TdvTableWindow::SelectCells(std::size_t fromColumn, std::size_t toColumn, std::size_t fromRow,
                                 std::size_t toRow) {
  const TdvTableLayout& layout = Layout();
  if (fromRow > toRow) {
    std::swap(fromRow, toRow);
  }
  if (fromColumn > toColumn) {
    std::swap(fromColumn, toColumn);
  }
  for (std::size_t index = fromColumn; index <= toColumn && index < layout.columns.size();
       ++index) {
    layout.columns[index].column->Select(rows[fromRow], rows[toRow]);
  }
}

void TdvTableWindow::SelectWholeColumns(std::size_t fromColumn, std::size_t toColumn) {
  const TdvTableLayout& layout = Layout();
  for (std::size_t index = fromColumn; index <= toColumn && index < layout.columns.size();
       ++index) {
    layout.columns[index].column->selections.clear();
    layout.columns[index].column->wholeColumn = true;
  }
}

// A whole column that loses a cell keeps every other row as ranges.
void TdvTableWindow::ToggleCell(std::size_t column, std::size_t row) {
  TdvTableColumn& cell = *Layout().columns[column].column;
  const std::int32_t frame = rows[row];
  if (!cell.IsSelected(frame)) {
    cell.Select(frame, frame);
    return;
  }
  if (cell.wholeColumn) {
    cell.wholeColumn = false;
    cell.Select(rows.front(), rows.back());
  }
  cell.Deselect(frame, frame);
}

void TdvTableWindow::ToggleWholeColumns(std::size_t fromColumn, std::size_t toColumn) {
  const std::vector<TdvShownColumn>& shown = Layout().columns;
  const bool allWhole = std::all_of(shown.begin() + static_cast<std::ptrdiff_t>(fromColumn),
                                    shown.begin() + static_cast<std::ptrdiff_t>(toColumn) + 1,
                                    [](const TdvShownColumn& c) { return c.column->wholeColumn; });
  for (std::size_t index = fromColumn; index <= toColumn; ++index) {
    shown[index].column->ClearSelection();
    shown[index].column->wholeColumn = !allWhole;
  }
}

void TdvTableWindow::ToggleRow(std::size_t row) {
  const std::vector<TdvShownColumn>& shown = Layout().columns;
  const std::int32_t frame = rows[row];
  const bool allSelected = std::all_of(shown.begin(), shown.end(), [&](const TdvShownColumn& c) {
    return c.column->IsSelected(frame);
  });
  for (std::size_t index = 0; index < shown.size(); ++index) {
    if (allSelected) {
      ToggleCell(index, row);
    } else {
      shown[index].column->Select(frame, frame);
    }
  }
}

void TdvTableWindow::ShowFrame(std::size_t row) {
  if (TdvMovieLink* movie = document->Movie()) {
    movie->GoToTime(rows[row]);
  }
}
