#pragma once

#include "shell/gfx_types.h"

namespace kinovex {

// Movie areas narrower than this get the three-row status strip.
inline constexpr int kSmallLayoutWidth = 320;

// Where everything of a movie window goes for one client size: drawing and
// hit-testing both read it.
struct TdvMovieLayout {
  bool small = false;
  shell::Rect picture;
  shell::Rect timeBox;
  shell::Rect controller;
  shell::Rect readoutBox;
  shell::Rect nameBox;
  shell::Rect spareBox;  // the blank right half of the small layout's middle row
  shell::Rect frameCounter;
};

// The status strip's height under a movie area `width` pixels wide: two
// rows of `barHeight`, three in the small layout.
int StripHeight(int width, int barHeight);
TdvMovieLayout LayOutMovieWindow(shell::Size client, int barHeight);

}  // namespace kinovex
