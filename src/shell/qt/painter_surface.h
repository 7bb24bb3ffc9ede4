#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <functional>
#include <memory>

#include "shell/surface.h"

namespace shell::qt {

// A Surface over a QPainter: a window's backing store, a picture in memory or
// a printed page. Drawing is aliased so that exclusive-or drawing is exact.
// Devices without raster operations (a PDF page) draw exclusive-or as copy.
class PainterSurface final : public Surface {
 public:
  // An icon at a size in device pixels; an empty size asks for its own.
  using IconLookup = std::function<QImage(int resourceId, QSize devicePixels)>;

  // `keepAlive` owns `device` (or whatever owns it) for the surface's life;
  // `onClose` runs after the painter has finished.
  PainterSurface(QPaintDevice& device, std::shared_ptr<void> keepAlive, Size logicalSize,
                 IconLookup icons, std::function<void()> onClose = {});
  PainterSurface(const PainterSurface&) = delete;
  PainterSurface& operator=(const PainterSurface&) = delete;
  ~PainterSurface() override;

  // Limits drawing to `region` (the part of a window that is being repainted).
  void ClipTo(const QRegion& region);
  // False when the device could not be drawn on (a printer that failed to start).
  bool Active() const { return painter_.isActive(); }

  Size PixelSize() const override { return size_; }
  void SetPen(const Pen& pen) override;
  void SetBrush(Rgb colour) override;
  void SetTextColour(Rgb colour) override;
  void SetRasterMode(RasterMode mode) override;
  void SetFont(const FontSpec& font) override;

  void Line(Point from, Point to) override;
  void FillRect(const Rect& rect) override;
  void FrameRect(const Rect& rect) override;
  void InvertRect(const Rect& rect) override;
  void FocusRect(const Rect& rect) override;
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
  void ApplyMode();
  void UseInversion();
  void FillPixels(const QRect& rect, const QColor& colour);
  void ThinLine(Point from, Point to);
  void PrepareText();

  std::shared_ptr<void> keepAlive_;
  QImage* image_ = nullptr;  // the device, when it is an image that can be read back
  QPainter painter_;
  Size size_;
  IconLookup icons_;
  std::function<void()> onClose_;
  bool canCombine_ = false;
  Pen pen_;
  QColor brush_ = Qt::black;
  QColor text_ = Qt::black;
  RasterMode mode_ = RasterMode::kCopy;
  QFont font_;
};

}  // namespace shell::qt
