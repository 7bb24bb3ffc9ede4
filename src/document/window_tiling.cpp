#include "document/window_tiling.h"

#include <algorithm>

#include "document/data_object_window.h"
#include "shell/app_window.h"

namespace {

// The tool bar's strip along the frame's left edge is not part of the area
// the document windows live in.
constexpr int kToolStripWidth = 32;

// Graphs share the band below the table: side by side in height when there
// is room, else overlapping at even steps.
std::vector<TdvRect> GraphPlaces(const TdvRect& band, std::size_t count) {
  std::vector<TdvRect> places;
  if (count == 0) {
    return places;
  }
  const int bandHeight = band.bottom - band.top;
  const int n = static_cast<int>(count);
  const int height = std::max(bandHeight / n, std::min(kTiledGraphMinimumHeight, bandHeight));
  const int step = n > 1 ? (bandHeight - height) / (n - 1) : 0;
  for (int i = 0; i < n; ++i) {
    const int top = band.top + i * step;
    const int bottom = i == n - 1 ? band.bottom : top + height;
    places.push_back({band.left, top, band.right, bottom});
  }
  return places;
}

}  // namespace

TdvTiledPlaces TiledPlaces(int width, int height, std::size_t graphCount) {
  width = std::max(width, kTiledMinimumWidth);
  height = std::max(height, kTiledMinimumHeight);
  const int middle = width / 2;
  // A movie picture is wider than high: it takes most of the left column.
  const int movieBottom = height * 3 / 5;
  const int tableBottom = height / 2;
  TdvTiledPlaces places;
  places.movie = {0, 0, middle, movieBottom};
  places.coordinateSystems = {0, movieBottom, middle, height};
  places.table = {middle, 0, width, tableBottom};
  places.graphs = GraphPlaces({middle, tableBottom, width, height}, graphCount);
  return places;
}

// Only the windows the document has are moved; links shown in no window
// ignore their place.
void TdvDataObjectWindow::TileWindows() {
  const TdvAppWindow* frame = Frame();
  if (frame == nullptr || frame->hwnd == shell::kNoWindow) {
    return;
  }
  const shell::Size client = Backend().ClientSize(frame->hwnd);
  const TdvTiledPlaces places =
      TiledPlaces(client.width - kToolStripWidth, client.height, graphs.size());
  if (movie != nullptr) {
    movie->PlaceWindow(places.movie);
  }
  if (hwnd != shell::kNoWindow && !Backend().IsIconic(hwnd)) {
    Backend().MoveWindow(hwnd, places.coordinateSystems);
  }
  if (tableWindow != nullptr) {
    tableWindow->PlaceWindow(places.table);
  }
  for (std::size_t i = 0; i < graphs.size(); ++i) {
    graphs[i]->PlaceWindow(places.graphs[i]);
  }
}
