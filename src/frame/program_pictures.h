#pragma once

#include "frame/bitmap_marker.h"
#include "frame/program_cursor.h"
#include "shell/frame_pictures.h"

// The program's markers and cursors as the frame gives them to every window:
// one set of marker sheets, loaded on first use and kept until the frame's
// window goes, and one cursor choice, set only when it changes.
class TdvProgramPictures : public TdvFramePictures {
 public:
  void DrawBitmapMarker(int x, int y, int shape, int sizeClass, int colour,
                        TdvWindow* window) override {
    markerSheets.DrawBitmapMarker(x, y, shape, sizeClass, colour, window);
  }
  void SelectCursor(int code, shell::Backend& backend) override { cursors.Select(code, backend); }
  void Release() override { markerSheets.Release(); }

  TdvMarkerSheets markerSheets;
  TdvCursorSelector cursors;
};
