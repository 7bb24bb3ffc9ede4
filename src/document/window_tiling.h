#pragma once

#include <cstddef>
#include <vector>

#include "foundation/geometry.h"

// Where the arrangement command puts a document's windows in the frame's
// client area: the movie at the top left with the coordinate systems
// under it, the data table at the top right with the graphs under it.
struct TdvTiledPlaces {
  TdvRect movie;
  TdvRect coordinateSystems;
  TdvRect table;
  std::vector<TdvRect> graphs;
};

// Smallest area arranged: below it the windows would be too small to use,
// so they keep this size and the frame scrolls.
inline constexpr int kTiledMinimumWidth = 640;
inline constexpr int kTiledMinimumHeight = 480;
// Below this height graphs overlap, each keeping its title bar visible.
inline constexpr int kTiledGraphMinimumHeight = 120;

// The places for a client area of width by height (from its top-left) and
// a number of graphs.
TdvTiledPlaces TiledPlaces(int width, int height, std::size_t graphCount);
