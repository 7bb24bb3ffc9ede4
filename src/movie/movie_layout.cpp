#include "movie/movie_layout.h"

namespace kinovex {

namespace {

constexpr int kTimeBoxRight = 80;
constexpr int kReadoutRight = 159;
constexpr int kCounterWidth = 50;
constexpr int kCounterHeight = 16;

}  // namespace

int StripHeight(int width, int barHeight) {
  return (width < kSmallLayoutWidth ? 3 : 2) * barHeight;
}

// The strip is laid out from the bottom of the client area up: the time box
// and the controller on its top row, the readout and the item name below.
TdvMovieLayout LayOutMovieWindow(shell::Size client, int barHeight) {
  const int w = client.width;
  const int h = client.height;
  const int b = barHeight;
  TdvMovieLayout layout;
  layout.small = w < kSmallLayoutWidth;
  const int top = h - StripHeight(w, b);
  layout.timeBox = {-1, top, kTimeBoxRight, top + b};
  layout.controller = {kTimeBoxRight, top, w, top + b - 1};
  layout.readoutBox = {-1, top + b, kReadoutRight, top + 2 * b};
  if (layout.small) {
    layout.spareBox = {kReadoutRight, top + b, w + 1, top + 2 * b};
    layout.nameBox = {-1, top + 2 * b, w + 1, h};
  } else {
    layout.nameBox = {kReadoutRight, top + b, w + 1, h};
  }
  layout.picture = {0, 0, w, top};
  layout.frameCounter = {w - kCounterWidth, 0, w, kCounterHeight};
  return layout;
}

}  // namespace kinovex
