#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "foundation/geometry.h"

class TdvDataObjectWindow;

inline constexpr int kListButtonCount = 5;

// Where everything of the coordinate-systems window lies for one client
// size and scroll position: drawing and hit-testing both read it, so that a
// click always lands on what was drawn there.
struct TdvCoordinateSystemsLayout {
  struct Box {
    std::int32_t origin;
    TdvRect box;
    TdvRect header;
    // Empty (all sides equal) when the origin has no scale.
    TdvRect scale;
  };
  struct Row {
    std::int32_t id;
    std::int32_t origin;
    // The pen position the item's rows are drawn from, and the rows.
    TdvPoint pen;
    TdvRect rect;
  };

  TdvRect headerRow;
  TdvRect list;
  TdvRect movieLine;
  TdvRect scrollBar;
  // The window's buttons, right-aligned on the movie line.
  std::array<TdvRect, kListButtonCount> buttons;
  std::vector<Box> boxes;
  std::vector<Row> rows;
  // Three per box and one per item, and how many of them do not fit.
  int listRows = 0;
  int scrollRange = 0;

  // The first item row (in item-table order among the rows) under the
  // point inside the list, or nullptr.
  const Row* RowAt(int x, int y, const std::vector<std::int32_t>& itemOrder) const;
  const Box* HeaderAt(int x, int y) const;
  const Box* ScaleAt(int x, int y) const;
  const Box* BoxOf(std::int32_t origin) const;
};

inline constexpr int kListHeaderHeight = 18;
inline constexpr int kScrollBarWidth = 15;
inline constexpr int kMovieLineHeight = 16;
inline constexpr int kBoxHeaderHeight = 30;
inline constexpr int kScaleRowHeight = 36;

TdvCoordinateSystemsLayout LayOutCoordinateSystems(TdvDataObjectWindow& document, int width,
                                                   int height, int scroll);
