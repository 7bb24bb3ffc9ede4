#pragma once

#include "shell/backend.h"

// The mouse cursors of the program by their codes: 0 the arrow,
// 1 "CURSORCROSSHAIRS", 2 "CURSORTAKEDATA", 3 "CURSORHAND". The frame keeps
// one selector, so a cursor is only set when it changes.
class TdvCursorSelector {
 public:
  static constexpr int kArrow = 0;
  static constexpr int kCrosshairs = 1;
  static constexpr int kTakeData = 2;
  static constexpr int kHand = 3;

  // Unknown codes leave the cursor as it is.
  void Select(int code, shell::Backend& backend);
  int Current() const { return current_; }

  static shell::Cursor CursorOf(int code);

 private:
  int current_ = kArrow;
};
