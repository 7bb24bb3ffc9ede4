#pragma once

#include "shell/window.h"

// A modal dialog built in code: its controls come from its control records,
// whose rectangles are in dialog units (pixels at base units 8 × 16).
class TdvDialog : public TdvWindow {
 public:
  static constexpr int kClassCode = 8;

  TdvDialog();

  bool IsA(int code) const override;
  int OpenWindow() override;
  int DoCreate() override;
  int DoShow(bool shown) override;
  int DoActivate(bool active) override;
  int DoMouseDown(int x, int y, int modifiers) override;
  int DoDestroy() override;

  virtual shell::Rect GetRect() const;

  // Where the dialog goes on the screen, in pixels, for base units bx × by.
  static shell::Rect DialogPixelRect(const shell::Rect& rect, shell::Size baseUnits);
  // A control record's rectangle in pixels for base units bx × by.
  static shell::Rect ControlPixelRect(const shell::Rect& rect, shell::Size baseUnits);

 protected:
  shell::Rect ControlRectToPixels(const shell::Rect& rect) const override;
};
