#include "foundation/format_significant.h"
#include "model/point_series.h"
#include "model/series.h"
#include "model/series_row_columns.h"
#include "model/series_units.h"

namespace {

constexpr int kTextInset = 2;
constexpr int kBaseline = 13;
constexpr int kMarkInset = 3;
constexpr int kExtraIndent = 15;
constexpr TdvColour kGridColour = MakeColour(160, 160, 160);
constexpr TdvColour kTextColour = MakeColour(0, 0, 0);

void CellText(TdvSeriesView& view, int column, int top, const std::string& text) {
  view.SmallText(text, TdvPoint{kRowColumns[column].start + kTextInset, top + kBaseline});
}

void CellMark(TdvSeriesView& view, int column, int top, bool on) {
  if (on) {
    view.SmallText(std::string(1, kCellMark),
                   TdvPoint{kRowColumns[column].start + kMarkInset, top + kBaseline});
  }
}

}  // namespace

void TdvDataObject::DrawRows(TdvSeriesView& view, TdvPoint& pos, const TdvRect& update) {
  const int left = pos.x + 2;
  rowRect =
      TdvRect{left, pos.y, left + (update.right - update.left), pos.y + kListRowHeight * rowCount};
  if (IntersectRects(rowRect, update).has_value()) {
    DrawRowFrame(view);
    if (IsPointType()) {
      DrawExtraRows(view);
    }
    DrawRowCells(view);
  }
  pos.y = rowRect.bottom;
}

void TdvDataObject::DrawRowFrame(TdvSeriesView& view) {
  view.SetColour(kGridColour);
  view.SetPenWidth(1);
  view.Line(TdvPoint{rowRect.left, rowRect.bottom - 1},
            TdvPoint{rowRect.right, rowRect.bottom - 1});
  if (rowCount < 2) {
    return;
  }
  // A tree line from the name down to each extra row.
  const int x = kRowColumns[kNameColumn].start + kExtraIndent / 2;
  const int lastMiddle = rowRect.bottom - kListRowHeight / 2;
  view.Line(TdvPoint{x, rowRect.top + kListRowHeight}, TdvPoint{x, lastMiddle});
  for (int row = 1; row < rowCount; ++row) {
    const int middle = rowRect.top + row * kListRowHeight + kListRowHeight / 2;
    view.Line(TdvPoint{x, middle}, TdvPoint{x + kExtraIndent / 2, middle});
  }
}

void TdvDataObject::DrawRowCells(TdvSeriesView& view) {
  view.SetColour(kTextColour);
  const int top = rowRect.top;
  CellText(view, kNameColumn, top, name);
  CellMark(view, kVisibleColumn, top, markerVisible != 0);
  CellMark(view, kTrailsColumn, top, leaveTrails != 0);
  CellMark(view, kOriginColumn, top, isOrigin != 0);
  double shown = ShownMass();
  ConvertMass(shown, massUnit, false);
  CellText(view, kMassColumn, top, FormatSignificant(shown, 4, false) + " " + MassLabel(massUnit));
  CellText(view, kTypeColumn, top, typeLabel);
}

void TdvDataPoint::DrawExtraRows(TdvSeriesView& view) {
  if (rowCount < 2) {
    return;
  }
  view.SetColour(kTextColour);
  const int nameX = kRowColumns[kNameColumn].start + kExtraIndent;
  int top = rowRect.top + kListRowHeight;
  int index = 0;
  for (const TdvTransformedFrame* entry : listTransformedFrames) {
    view.SmallText(entry->name, TdvPoint{nameX + kTextInset, top + kBaseline});
    if (index == activeTransform) {
      view.SmallText(std::string(1, kCellMark), TdvPoint{nameX - kExtraIndent, top + kBaseline});
    }
    top += kListRowHeight;
    ++index;
  }
}
