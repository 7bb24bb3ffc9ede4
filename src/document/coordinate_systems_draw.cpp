#include <algorithm>
#include <cmath>

#include "document/data_object_window.h"
#include "document/window_series_view.h"
#include "foundation/format_significant.h"
#include "model/scale_series.h"
#include "model/series_row_columns.h"

namespace {

constexpr int kHeaderColourCode = 42;
constexpr int kVideoIcon = 3030;
constexpr int kPolarIcon = 3010;
constexpr int kCartesianIcon = 3000;
constexpr int kIconX = 15;
constexpr int kIconY = 2;
constexpr int kHeaderTextX = 58;
constexpr int kTextBaseline = 12;
constexpr int kLineHeight = 15;
constexpr double kDegreesPerRadian = 57.29577951308232;

}  // namespace

int TdvDataObjectWindow::DoCreate() {
  AddControl(static_cast<int>(shell::ControlKind::kVerticalScrollBar), kListScrollBar, "",
             {0, 0, kScrollBarWidth, 50}, 1, 0, 0);
  AddControl(static_cast<int>(shell::ControlKind::kEditField), kListEdit, "", {0, 0, 60, 18}, 0, 0,
             0);
  AddListButtons();
  TdvDocumentWindow::DoCreate();
  SetListButtonTips();
  PlaceListButtons(ListLayout());
  return 0;
}

int TdvDataObjectWindow::DoSize(int width, int height) {
  TdvDocumentWindow::DoSize(width, height);
  const TdvCoordinateSystemsLayout& layout = ListLayout();
  MoveControl(kListScrollBar, layout.scrollBar);
  PlaceListButtons(layout);
  return kTdvNotHandled;
}

// Line steps move one row, page steps a screenful; the position is clamped
// to the rows that do not fit.
int TdvDataObjectWindow::DoScroll(int id, int code, int position) {
  if (id != kListScrollBar) {
    return kTdvNotHandled;
  }
  const TdvCoordinateSystemsLayout& layout = ListLayout();
  const int page = std::max((layout.list.bottom - layout.list.top) / kListRowHeight - 1, 1);
  int target = listScroll;
  switch (code) {
    case 0:
      target -= 1;
      break;
    case 2:
      target += 1;
      break;
    case 1:
      target -= page;
      break;
    case 3:
      target += page;
      break;
    case 4:
      target = position;
      break;
    default:
      return 0;
  }
  listScroll = std::clamp(target, 0, layout.scrollRange);
  SetScrollPosition(kListScrollBar, listScroll);
  ListLayout();
  // Only this list moved: the document's other windows stay as they are.
  if (hwnd != shell::kNoWindow) {
    Backend().Invalidate(hwnd, std::nullopt);
  }
  return 0;
}

const TdvCoordinateSystemsLayout& TdvDataObjectWindow::ListLayout() {
  listLayout = LayOutCoordinateSystems(*this, clientSize.width, clientSize.height, listScroll);
  if (listScroll > listLayout.scrollRange) {
    listScroll = listLayout.scrollRange;
    listLayout = LayOutCoordinateSystems(*this, clientSize.width, clientSize.height, listScroll);
  }
  return listLayout;
}

void TdvDataObjectWindow::WinDraw(const std::optional<shell::Rect>& area) {
  TdvDocumentWindow::WinDraw(area);
  const TdvCoordinateSystemsLayout& layout = ListLayout();
  listRows = layout.listRows;
  // Rows scrolled out of the list are laid out but not drawn.
  const TdvRect update =
      IntersectRects(area.value_or(TdvRect{0, 0, clientSize.width, clientSize.height}), layout.list)
          .value_or(TdvRect{0, 0, 0, 0});
  GfxEraseRect({0, 0, clientSize.width, clientSize.height});
  // The separators that run down the list go under the boxes, whose
  // headers and scale rows cover them.
  DrawListSeparators(layout.list.top, layout.list.bottom);
  // Every text of the window is in the rows' small font.
  TdvWindowSeriesView view(*this);
  for (const TdvCoordinateSystemsLayout::Box& box : layout.boxes) {
    if (box.box.bottom >= layout.list.top && box.box.top < layout.list.bottom) {
      DrawBox(box, view, update);
    }
  }
  // The header row and the movie line cover boxes scrolled under them.
  GfxSetFGColor(shell::kWhite);
  GfxFillRect({0, 0, clientSize.width, layout.list.top});
  GfxFillRect({0, layout.list.bottom, clientSize.width, clientSize.height});
  DrawListHeader(layout);
  if (FindControl(kListScrollBar) != nullptr) {
    SetScrollRange(kListScrollBar, 0, layout.scrollRange);
    SetScrollPosition(kListScrollBar, listScroll);
  }
  GfxSetFGColor(shell::kBlack);
  GfxDrawTextInRect(MovieLineText(), layout.movieLine, 0, 1);
}

void TdvDataObjectWindow::DrawListSeparators(int top, int bottom) {
  GfxSetFGColor(shell::kBlack);
  GfxSetPenSize(1);
  for (const TdvRowColumn& column : kRowColumns) {
    if (!column.headerOnly) {
      GfxMoveTo(column.end, top);
      GfxLineTo(column.end, bottom);
    }
  }
}

void TdvDataObjectWindow::DrawListHeader(const TdvCoordinateSystemsLayout& layout) {
  GfxSetFGColor(shell::kBlack);
  GfxSetPenSize(1);
  for (const TdvRowColumn& column : kRowColumns) {
    GfxMoveTo(column.end, 0);
    GfxLineTo(column.end, layout.headerRow.bottom);
    GfxDrawTextInRect(column.heading, {column.start, 0, column.end, layout.headerRow.bottom}, 1, 1);
  }
  GfxMoveTo(layout.headerRow.right, 0);
  GfxLineTo(layout.headerRow.right, layout.list.bottom);
  GfxMoveTo(0, layout.headerRow.bottom);
  GfxLineTo(layout.headerRow.right, layout.headerRow.bottom);
}

void TdvDataObjectWindow::DrawBox(const TdvCoordinateSystemsLayout::Box& box, TdvSeriesView& view,
                                  const TdvRect& update) {
  TdvCoordinateFrame* frame = FindFrame(box.origin);
  TdvDataObject* origin = GetItem(box.origin);
  GfxSetColorCode(kHeaderColourCode);
  GfxFillRect(box.header);
  const int icon = origin == nullptr                 ? kVideoIcon
                   : frame->coordinateKind == kPolar ? kPolarIcon
                                                     : kCartesianIcon;
  GfxDrawIcon(icon, box.header.left + kIconX, box.header.top + kIconY);
  std::string angle = "Always Zero";
  if (origin != nullptr) {
    TdvRealPoint where;
    double radians = 0.0;
    origin->GetOriginPosition(where, radians, displayedTime);
    angle = FormatSignificant(radians * kDegreesPerRadian, 4, false);
  }
  const int textX = box.header.left + kHeaderTextX;
  GfxSetFGColor(shell::kBlack);
  GfxDrawText("Origin: " + (origin != nullptr ? origin->GetName() : std::string("Video Origin")),
              textX, box.header.top + kTextBaseline);
  GfxDrawText(" Angle: " + angle + (origin != nullptr ? " (degrees)" : ""), textX,
              box.header.top + kTextBaseline + kLineHeight);
  frame->box = box.box;
  if (box.scale.bottom > box.scale.top) {
    GfxSetFGColor(shell::kWhite);
    GfxFillRect(box.scale);
    GfxSetFGColor(shell::kBlack);
    if (auto* scale = dynamic_cast<TdvCalibrateObject*>(GetItem(frame->scale))) {
      GfxDrawTextInRect(scale->ScaleRowText(displayedTime),
                        {box.scale.left + 5, box.scale.top, box.scale.right, box.scale.bottom}, 0,
                        1);
    }
  }
  for (const TdvCoordinateSystemsLayout::Row& row : listLayout.rows) {
    if (row.origin != box.origin) {
      continue;
    }
    if (TdvDataObject* item = GetItem(row.id)) {
      TdvPoint pen = row.pen;
      if (IsSelected(row.id)) {
        GfxSetColorCode(kHeaderColourCode);
        GfxFillRect(row.rect);
        DrawListSeparators(row.rect.top, row.rect.bottom);
      }
      item->DrawRows(view, pen, update);
    }
  }
  GfxSetFGColor(shell::kBlack);
  GfxFrameRect(box.box);
}

std::string TdvDataObjectWindow::MovieLineText() const {
  if (!hasMovie || movieName.empty()) {
    return "Movie: None.  Use File->Open to add one.";
  }
  return "Movie: " + movieName + (movie != nullptr ? "" : " (hidden)");
}
