#pragma once

#include "shell/backend.h"
#include "shell/frame_pictures.h"

// The mouse cursors of the program by their codes: 0 the arrow,
// 1 "CURSORCROSSHAIRS", 2 "CURSORTAKEDATA", 3 "CURSORHAND". The frame keeps
// one selector, so a cursor is only set when it changes.
class TdvCursorSelector {
 public:
  static constexpr int kArrow = kCursorArrow;
  static constexpr int kCrosshairs = kCursorCrosshairs;
  static constexpr int kTakeData = kCursorTakeData;
  static constexpr int kHand = kCursorHand;

  // Unknown codes leave the cursor as it is.
  void Select(int code, shell::Backend& backend);
  int Current() const { return current_; }

  static shell::Cursor CursorOf(int code);

 private:
  int current_ = kArrow;
};
