#include "frame/program_cursor.h"

shell::Cursor TdvCursorSelector::CursorOf(int code) {
  switch (code) {
    case kCrosshairs:
      return shell::Cursor::kCrosshairs;
    case kTakeData:
      return shell::Cursor::kTakeData;
    case kHand:
      return shell::Cursor::kHand;
    default:
      return shell::Cursor::kArrow;
  }
}

void TdvCursorSelector::Select(int code, shell::Backend& backend) {
  if (code < kArrow || code > kHand || code == current_) {
    return;
  }
  current_ = code;
  backend.SetCursor(CursorOf(code));
}
