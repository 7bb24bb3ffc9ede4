#include "dialogs/marker_glyph.h"

#include <array>

#include "model/series_view.h"

namespace {

constexpr std::array<int, kMarkerCategories> kLastCodes{5, 103, 203, 306, 403};
constexpr int kInset = 3;
constexpr int kHeadSize = 5;
constexpr int kTickHalf = 3;

TdvPoint Centre(const TdvRect& cell) {
  return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

void Arrow(TdvSeriesView& view, const TdvPoint& from, const TdvPoint& to, bool head) {
  view.Line(from, to);
  if (head) {
    view.ArrowHead(from, to, kHeadSize);
  }
}

void DrawAxes(TdvSeriesView& view, const TdvRect& cell, int code) {
  const TdvPoint c = Centre(cell);
  if (code == 100 || code == 102) {
    view.Line({cell.left + kInset, c.y}, {cell.right - kInset, c.y});
  }
  if (code == 101 || code == 102) {
    view.Line({c.x, cell.top + kInset}, {c.x, cell.bottom - kInset});
  }
}

// 201 heavier, 202 twice as long, 203 without a head.
void DrawChange(TdvSeriesView& view, const TdvRect& cell, int code) {
  const TdvPoint from{cell.left + kInset, cell.bottom - kInset};
  const TdvPoint c = Centre(cell);
  const TdvPoint to = code == 202 ? TdvPoint{cell.right - kInset, cell.top + kInset} : c;
  view.SetPenWidth(code == 201 ? 2 : 1);
  Arrow(view, from, to, code != 203);
  view.SetPenWidth(1);
}

// From the origin (lower left) to the point (upper right): 300 the vector,
// 301 and 302 its components, 303 both, 304 to 306 the vector with both
// (305 heavier, 306 with the point's marker).
void DrawVector(TdvSeriesView& view, const TdvRect& cell, int code, int sizeClass, int colour) {
  const TdvPoint tail{cell.left + kInset, cell.bottom - kInset};
  const TdvPoint head{cell.right - kInset, cell.top + kInset};
  const TdvPoint corner{head.x, tail.y};
  view.SetPenWidth(code == 305 ? 2 : 1);
  if (code == 300 || code >= 304) {
    Arrow(view, tail, head, true);
  }
  if (code == 301 || code >= 303) {
    Arrow(view, tail, corner, true);
  }
  if (code == 302 || code >= 303) {
    Arrow(view, code == 302 ? tail : corner, code == 302 ? TdvPoint{tail.x, head.y} : head, true);
  }
  view.SetPenWidth(1);
  if (code == 306) {
    view.BitmapMarker(head, 0, sizeClass, colour);
  }
}

// A distance: 401 with end ticks, 402 with arrow heads, 403 with both.
void DrawDistance(TdvSeriesView& view, const TdvRect& cell, int code) {
  const TdvPoint c = Centre(cell);
  const TdvPoint from{cell.left + kInset, c.y};
  const TdvPoint to{cell.right - kInset, c.y};
  view.Line(from, to);
  if (code == 401 || code == 403) {
    for (const TdvPoint& end : {from, to}) {
      view.Line({end.x, end.y - kTickHalf}, {end.x, end.y + kTickHalf + 1});
    }
  }
  if (code == 402 || code == 403) {
    view.ArrowHead(from, to, kHeadSize);
    view.ArrowHead(to, from, kHeadSize);
  }
}

}  // namespace

int MarkerCategoryOf(int shapeCode) {
  const int category = shapeCode / 100 + 1;
  return category >= 1 && category <= kMarkerCategories ? category : kPointCategory;
}

int FirstMarkerCode(int category) {
  return (category - 1) * 100;
}

int LastMarkerCode(int category) {
  return kLastCodes[static_cast<std::size_t>(category - 1)];
}

void DrawMarkerGlyph(TdvSeriesView& view, const TdvRect& cell, int shapeCode, int sizeClass,
                     int colourIndex) {
  view.SetColour(MarkerColourRgb(colourIndex));
  view.SetPenWidth(1);
  if (shapeCode > LastMarkerCode(MarkerCategoryOf(shapeCode))) {
    return;
  }
  switch (MarkerCategoryOf(shapeCode)) {
    case 1:
      view.BitmapMarker(Centre(cell), shapeCode, sizeClass, colourIndex);
      break;
    case 2:
      DrawAxes(view, cell, shapeCode);
      break;
    case 3:
      DrawChange(view, cell, shapeCode);
      break;
    case 4:
      DrawVector(view, cell, shapeCode, sizeClass, colourIndex);
      break;
    default:
      DrawDistance(view, cell, shapeCode);
      break;
  }
}
