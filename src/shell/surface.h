#pragma once

#include <span>
#include <string_view>

#include "shell/gfx_types.h"

namespace shell {

// A place to draw on: a window's client area, an owner-drawn control, a
// picture in memory or a printed page. Every coordinate is in device pixels
// of the surface; the window framework has already applied its origin and
// scale. Drawing is pixel-exact (no antialiasing) so that drawing the same
// thing twice in RasterMode::kXor restores the pixels.
class Surface {
 public:
  virtual ~Surface() = default;

  virtual Size PixelSize() const = 0;

  // Lines and outlines use the pen; fills and rectangle frames use the brush
  // colour; text uses the text colour on a transparent background.
  virtual void SetPen(const Pen& pen) = 0;
  virtual void SetBrush(Rgb colour) = 0;
  virtual void SetTextColour(Rgb colour) = 0;
  virtual void SetRasterMode(RasterMode mode) = 0;
  virtual void SetFont(const FontSpec& font) = 0;

  virtual void Line(Point from, Point to) = 0;
  virtual void FillRect(const Rect& rect) = 0;
  // A one-pixel outline just inside the rectangle, in the brush colour.
  virtual void FrameRect(const Rect& rect) = 0;
  // Inverts every pixel of the rectangle whatever the raster mode.
  virtual void InvertRect(const Rect& rect) = 0;
  // A dotted outline drawn by inversion: drawing it twice removes it.
  virtual void FocusRect(const Rect& rect) = 0;
  virtual void FillEllipse(const Rect& bounds) = 0;
  virtual void FrameEllipse(const Rect& bounds) = 0;
  // Counter-clockwise from the ray towards start to the ray towards end.
  virtual void Arc(const Rect& bounds, Point start, Point end) = 0;
  virtual void FillPolygon(std::span<const Point> corners) = 0;

  virtual TextMetrics MeasureText(std::string_view text) = 0;
  // The text's baseline starts at `baseline`.
  virtual void DrawText(std::string_view text, Point baseline) = 0;
  // Text turned 90 degrees counter-clockwise (reading upwards); `baseline`
  // is where the first character's baseline begins.
  virtual void DrawVerticalText(std::string_view text, Point baseline) = 0;

  // Stretches `picture` (the whole picture when `from` is empty) into `to`,
  // combined by the raster mode.
  virtual void DrawPicture(const Picture& picture, const Rect& from, const Rect& to) = 0;
  // An icon resource at its own size, transparent where the icon is.
  virtual void DrawIcon(int resourceId, Point topLeft) = 0;
  // The same icon stretched into `to`.
  virtual void DrawIconScaled(int resourceId, const Rect& to) = 0;
  // Pixels of the surface inside `rect` (clipped to the surface).
  virtual Picture ReadPicture(const Rect& rect) const = 0;
};

}  // namespace shell
