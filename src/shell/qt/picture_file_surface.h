#pragma once

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <optional>

#include "shell/qt/painter_surface.h"

namespace shell::qt {

// The surface of a picture file: a figure for a report, drawn smoothly
// (antialiased lines, shapes and text) on a QImage or a QSvgGenerator. The
// segments of a line drawn one after another with one pen become one path,
// so that a plot's curve is one element of an SVG file. Drawing by
// inversion (exclusive-or, inverted and focus rectangles) marks passing
// states on screen, such as the current frame, and is left out of files.
class PictureFileSurface final : public Surface {
 public:
  PictureFileSurface(QPaintDevice& device, Size size, PainterSurface::IconLookup icons);
  PictureFileSurface(const PictureFileSurface&) = delete;
  PictureFileSurface& operator=(const PictureFileSurface&) = delete;
  ~PictureFileSurface() override;

  // Finishes the drawing; the device holds the whole picture afterwards.
  void End();

  Size PixelSize() const override { return size_; }
  void SetPen(const Pen& pen) override;
  void SetBrush(Rgb colour) override;
  void SetTextColour(Rgb colour) override;
  void SetRasterMode(RasterMode mode) override;
  void SetFont(const FontSpec& font) override;

  void Line(Point from, Point to) override;
  void FillRect(const Rect& rect) override;
  void FrameRect(const Rect& rect) override;
  void InvertRect(const Rect&) override {}
  void FocusRect(const Rect&) override {}
  void FillEllipse(const Rect& bounds) override;
  void FrameEllipse(const Rect& bounds) override;
  void Arc(const Rect& bounds, Point start, Point end) override;
  void FillPolygon(std::span<const Point> corners) override;

  TextMetrics MeasureText(std::string_view text) override;
  void DrawText(std::string_view text, Point baseline) override;
  void DrawVerticalText(std::string_view text, Point baseline) override;

  void DrawPicture(const Picture& picture, const Rect& from, const Rect& to) override;
  void DrawIcon(int resourceId, Point topLeft) override;
  void DrawIconScaled(int resourceId, const Rect& to) override;
  Picture ReadPicture(const Rect& rect) const override;

 private:
  // Ends the pending line; every other drawing comes after it.
  void FlushLine();
  bool Shown() const { return mode_ != RasterMode::kXor; }
  QPen Outline(Rgb colour) const;

  QImage* image_ = nullptr;  // the device, when the picture is pixels
  QPainter painter_;
  Size size_;
  PainterSurface::IconLookup icons_;
  Pen pen_;
  Rgb brush_ = kBlack;
  Rgb text_ = kBlack;
  RasterMode mode_ = RasterMode::kCopy;
  QFont font_;
  QPainterPath line_;
  std::optional<Point> lineEnd_;
};

}  // namespace shell::qt
