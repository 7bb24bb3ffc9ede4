#include "document/data_object_window.h"
#include "foundation/format_significant.h"
#include "kinematics/data_value_group.h"
#include "table/table_window.h"

namespace {

constexpr int kCellDigits = 4;
constexpr int kTextInset = 3;
constexpr shell::Rgb kHeaderFill = shell::MakeRgb(228, 228, 228);
constexpr shell::Rgb kGrid = shell::MakeRgb(160, 160, 160);
constexpr shell::Rgb kSelectedFill = shell::MakeRgb(49, 106, 197);
constexpr shell::Rgb kShownFrameFill = shell::MakeRgb(255, 244, 190);
constexpr shell::Rgb kShownFrameMark = shell::MakeRgb(230, 150, 0);

enum Align { kLeft = 0, kCentre = 1, kRight = 2 };

}  // namespace

// Only the rows and columns the layout names as visible are drawn, so a
// repaint costs the same whatever the size of the table.
void TdvTableWindow::WinDraw(const std::optional<shell::Rect>&) {
  const TdvTableLayout& layout = Layout();
  GfxSetFGColor(shell::kWhite);
  GfxFillRect({0, 0, clientSize.width, clientSize.height});
  DrawRows(layout);
  DrawHeader(layout);
  // A cut row or column ends at the scroll bars; the corner between them
  // stays empty.
  GfxSetFGColor(shell::kWhite);
  GfxFillRect({layout.view.right, 0, clientSize.width, clientSize.height});
  GfxFillRect({0, layout.view.bottom, layout.view.right, clientSize.height});
}

void TdvTableWindow::DrawHeader(const TdvTableLayout& layout) {
  const int right =
      std::min(layout.view.right, kTableRowHeaderWidth + layout.tableWidth - layout.scrollX);
  GfxSetFGColor(kHeaderFill);
  GfxFillRect({0, 0, right, kTableHeaderHeight});
  for (std::size_t index = layout.firstColumn; index < layout.endColumn; ++index) {
    const TdvShownColumn& shown = layout.columns[index];
    const int left = layout.ColumnLeft(index);
    const shell::Rect units{left, 2 * kTableRowHeight, layout.ColumnRight(index),
                            kTableHeaderHeight};
    if (shown.column->wholeColumn) {
      GfxSetFGColor(kSelectedFill);
      GfxFillRect({left, kTableRowHeight, units.right, kTableHeaderHeight});
    }
    GfxSetFGColor(shown.column->wholeColumn ? shell::kWhite : shell::kBlack);
    GfxDrawTextInRect(shown.column->quantityName,
                      {left, kTableRowHeight, units.right, 2 * kTableRowHeight}, kCentre, kCentre);
    GfxDrawTextInRect("[" + shown.column->unitText + "]", units, kCentre, kCentre);
    // The series name starts its block, or the first visible column of it.
    if (shown.firstOfBlock || index == layout.firstColumn) {
      GfxSetFGColor(shell::kBlack);
      GfxDrawText(shown.column->seriesName, std::max(left, kTableRowHeaderWidth) + kTextInset,
                  kTableRowHeight - 5);
    }
    GfxSetFGColor(kGrid);
    const int top = shown.firstOfBlock ? 0 : kTableRowHeight;
    GfxMoveTo(left, top);
    GfxLineTo(left, layout.view.bottom);
  }
  GfxSetFGColor(kGrid);
  for (int line = 1; line <= kTableHeaderRows; ++line) {
    GfxMoveTo(line == 1 ? right : 0, line * kTableRowHeight - 1);
    GfxLineTo(right, line * kTableRowHeight - 1);
  }
  GfxSetFGColor(shell::kWhite);
  GfxFillRect({0, 0, kTableRowHeaderWidth, kTableHeaderHeight});
  GfxSetFGColor(kGrid);
  GfxFrameRect({0, 0, kTableRowHeaderWidth, kTableHeaderHeight});
}

void TdvTableWindow::DrawRows(const TdvTableLayout& layout) {
  const std::int32_t shownFrame = document->DisplayedFrame();
  for (std::size_t row = layout.firstRow; row < layout.endRow; ++row) {
    const int top = layout.RowTop(row);
    const bool marked = rows[row] == shownFrame;
    GfxSetFGColor(marked ? kShownFrameMark : kHeaderFill);
    GfxFillRect({0, top, kTableRowHeaderWidth, top + kTableRowHeight});
    for (std::size_t column = layout.firstColumn; column < layout.endColumn; ++column) {
      DrawCell(layout, column, row, marked);
    }
    GfxSetFGColor(kGrid);
    GfxMoveTo(0, top + kTableRowHeight - 1);
    GfxLineTo(
        std::min(layout.view.right, kTableRowHeaderWidth + layout.tableWidth - layout.scrollX),
        top + kTableRowHeight - 1);
  }
}

void TdvTableWindow::DrawCell(const TdvTableLayout& layout, std::size_t column, std::size_t row,
                              bool marked) {
  const TdvTableColumn& shown = *layout.columns[column].column;
  const int top = layout.RowTop(row);
  const shell::Rect cell{layout.ColumnLeft(column), top, layout.ColumnRight(column),
                         top + kTableRowHeight};
  const bool selected = shown.IsSelected(rows[row]);
  if (selected || marked) {
    GfxSetFGColor(selected ? kSelectedFill : kShownFrameFill);
    GfxFillRect(cell);
  }
  if (std::optional<double> value = shown.group->GetValue(rows[row])) {
    GfxSetFGColor(selected ? shell::kWhite : shell::kBlack);
    GfxDrawTextInRect(FormatSignificant(*value, kCellDigits, false),
                      {cell.left, cell.top, cell.right - kTextInset, cell.bottom}, kRight, kCentre);
  }
}
