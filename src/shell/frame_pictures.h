#pragma once

class TdvWindow;
namespace shell {
class Backend;
}

// The program's cursor codes, as windows ask the frame for them.
inline constexpr int kCursorArrow = 0;
inline constexpr int kCursorCrosshairs = 1;
inline constexpr int kCursorTakeData = 2;
inline constexpr int kCursorHand = 3;

// The pictures every window asks the frame for: the series markers and the
// mouse cursor. The framework draws neither itself; the program's frame
// fills this in and hands it to TdvAppWindow.
class TdvFramePictures {
 public:
  virtual ~TdvFramePictures() = default;

  // Draws a series marker centred on (x, y) of the window's drawing surface.
  virtual void DrawBitmapMarker(int x, int y, int shape, int sizeClass, int colour,
                                TdvWindow* window) = 0;
  // Sets the mouse cursor of a program cursor code.
  virtual void SelectCursor(int code, shell::Backend& backend) = 0;
  // The frame's window has gone: what was loaded for it may go too.
  virtual void Release() = 0;
};
