#pragma once

#include "shell/gfx_types.h"

namespace shell {
class Backend;
}
class TdvWindow;

// The marker pictures series are drawn with: every shape, size and colour
// cut from two sheets, the coloured images (bitmap 150) and their masks
// (bitmap 151, black where the marker is). The frame keeps one set and
// loads the sheets on first use.
class TdvMarkerSheets {
 public:
  static constexpr int kImageSheet = 150;
  static constexpr int kMaskSheet = 151;
  static constexpr int kShapes = 6;
  static constexpr int kColours = 9;

  // Draws the marker centred on (x, y) of the window's drawing surface.
  // With the window's pen in exclusive-or mode, drawing it twice erases it.
  void DrawBitmapMarker(int x, int y, int shape, int sizeClass, int colour, TdvWindow* window);

  // Cell side in pixels of a size class: 9, 15, or 25 for any other class.
  static int CellSize(int sizeClass);
  // Top-left corners of a marker's cells on the two sheets.
  static shell::Point ImageCell(int shape, int sizeClass, int colour);
  static shell::Point MaskCell(int shape, int sizeClass);

  bool Loaded() const { return loaded_; }
  // Drops the cached sheets (when the frame goes).
  void Release();

 private:
  bool Load(const shell::Backend& backend);
  // The square of the marker as it should look on top of `under`.
  shell::Picture Compose(const shell::Picture& under, shell::Point imageCell, shell::Point maskCell,
                         shell::Point offset, bool exclusiveOr) const;

  bool loaded_ = false;
  shell::Picture images_;
  shell::Picture masks_;
};
