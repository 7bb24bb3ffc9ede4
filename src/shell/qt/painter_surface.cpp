#include "shell/qt/painter_surface.h"

#include <QPaintEngine>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/qt/qt_convert.h"
#include "shell/qt/qt_fonts.h"

namespace shell::qt {

PainterSurface::PainterSurface(QPaintDevice& device, std::shared_ptr<void> keepAlive,
                               Size logicalSize, IconLookup icons, std::function<void()> onClose)
    : keepAlive_(std::move(keepAlive)),
      image_(device.devType() == QInternal::Image ? static_cast<QImage*>(&device) : nullptr),
      painter_(&device),
      size_(logicalSize),
      icons_(std::move(icons)),
      onClose_(std::move(onClose)) {
  canCombine_ =
      painter_.isActive() && painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setBackgroundMode(Qt::TransparentMode);
  font_ = FontFor(FontSpec{});
}

PainterSurface::~PainterSurface() {
  if (painter_.isActive()) {
    painter_.end();
  }
  if (onClose_) {
    onClose_();
  }
}

void PainterSurface::ClipTo(const QRegion& region) {
  painter_.setClipRegion(region);
}

void PainterSurface::SetPen(const Pen& pen) {
  pen_ = pen;
}

void PainterSurface::SetBrush(Rgb colour) {
  brush_ = ToQColor(colour);
}

void PainterSurface::SetTextColour(Rgb colour) {
  text_ = ToQColor(colour);
}

void PainterSurface::SetRasterMode(RasterMode mode) {
  mode_ = mode;
}

void PainterSurface::SetFont(const FontSpec& font) {
  font_ = FontFor(font);
}

void PainterSurface::ApplyMode() {
  painter_.setCompositionMode(mode_ == RasterMode::kXor && canCombine_
                                  ? QPainter::RasterOp_SourceXorDestination
                                  : QPainter::CompositionMode_SourceOver);
}

// Exclusive-or with white turns every pixel into its inverse.
void PainterSurface::UseInversion() {
  painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
}

void PainterSurface::FillPixels(const QRect& rect, const QColor& colour) {
  if (!rect.isEmpty()) {
    painter_.fillRect(rect, colour);
  }
}

void PainterSurface::Line(Point from, Point to) {
  ApplyMode();
  if (pen_.width <= 1) {
    ThinLine(from, to);
    return;
  }
  QPen pen(ToQColor(pen_.colour), pen_.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

// One-pixel lines cover the pixels from `from` up to but not including `to`,
// so that the segments of a polyline meet without touching a pixel twice
// (which exclusive-or drawing would erase). Runs of pixels along the major
// axis are filled as one rectangle.
void PainterSurface::ThinLine(Point from, Point to) {
  const QColor colour = ToQColor(pen_.colour);
  const int dx = std::abs(to.x - from.x);
  const int dy = -std::abs(to.y - from.y);
  const int stepX = from.x < to.x ? 1 : -1;
  const int stepY = from.y < to.y ? 1 : -1;
  const bool horizontal = dx >= -dy;
  int error = dx + dy;
  int x = from.x;
  int y = from.y;
  int runX = x;
  int runY = y;
  int runLength = 0;
  auto flush = [&] {
    if (runLength == 0) {
      return;
    }
    const int left = horizontal && stepX < 0 ? runX - runLength + 1 : runX;
    const int top = !horizontal && stepY < 0 ? runY - runLength + 1 : runY;
    FillPixels(horizontal ? QRect(left, runY, runLength, 1) : QRect(runX, top, 1, runLength),
               colour);
    runLength = 0;
  };
  while (x != to.x || y != to.y) {
    if (runLength == 0) {
      runX = x;
      runY = y;
    }
    ++runLength;
    const int doubled = 2 * error;
    const bool moveX = doubled >= dy;
    const bool moveY = doubled <= dx;
    if (moveX) {
      error += dy;
      x += stepX;
    }
    if (moveY) {
      error += dx;
      y += stepY;
    }
    if ((horizontal && moveY) || (!horizontal && moveX)) {
      flush();
    }
  }
  flush();
}

void PainterSurface::FillRect(const Rect& rect) {
  ApplyMode();
  FillPixels(ToQRect(rect), brush_);
}

void PainterSurface::FrameRect(const Rect& rect) {
  const QRect r = ToQRect(rect);
  if (r.isEmpty()) {
    return;
  }
  ApplyMode();
  // Four strips that never overlap, so exclusive-or touches each pixel once.
  FillPixels(QRect(r.left(), r.top(), r.width(), 1), brush_);
  if (r.height() > 1) {
    FillPixels(QRect(r.left(), r.bottom(), r.width(), 1), brush_);
  }
  FillPixels(QRect(r.left(), r.top() + 1, 1, r.height() - 2), brush_);
  if (r.width() > 1) {
    FillPixels(QRect(r.right(), r.top() + 1, 1, r.height() - 2), brush_);
  }
}

void PainterSurface::InvertRect(const Rect& rect) {
  if (!canCombine_) {
    return;
  }
  UseInversion();
  FillPixels(ToQRect(rect), Qt::white);
}

void PainterSurface::FocusRect(const Rect& rect) {
  const QRect r = ToQRect(rect);
  if (r.isEmpty() || !canCombine_) {
    return;
  }
  UseInversion();
  // Every other pixel of the outline, walked once around the rectangle.
  std::vector<QPoint> outline;
  for (int x = r.left(); x <= r.right(); ++x) {
    outline.emplace_back(x, r.top());
  }
  for (int y = r.top() + 1; y <= r.bottom(); ++y) {
    outline.emplace_back(r.right(), y);
  }
  for (int x = r.right() - 1; x >= r.left() && r.height() > 1; --x) {
    outline.emplace_back(x, r.bottom());
  }
  for (int y = r.bottom() - 1; y > r.top() && r.width() > 1; --y) {
    outline.emplace_back(r.left(), y);
  }
  for (std::size_t i = 0; i < outline.size(); i += 2) {
    FillPixels(QRect(outline[i], QSize(1, 1)), Qt::white);
  }
}

void PainterSurface::FillEllipse(const Rect& bounds) {
  const QRect r = ToQRect(bounds);
  if (r.isEmpty()) {
    return;
  }
  ApplyMode();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(brush_);
  painter_.drawEllipse(r);
}

void PainterSurface::FrameEllipse(const Rect& bounds) {
  const QRect r = ToQRect(bounds);
  if (r.isEmpty()) {
    return;
  }
  ApplyMode();
  painter_.setPen(QPen(ToQColor(pen_.colour), std::max(pen_.width, 1)));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(r.adjusted(0, 0, -1, -1));
}

void PainterSurface::Arc(const Rect& bounds, Point start, Point end) {
  const QRect r = ToQRect(bounds);
  if (r.isEmpty()) {
    return;
  }
  const ArcAngles arc = ArcBetween(r, start, end);
  ApplyMode();
  painter_.setPen(QPen(ToQColor(pen_.colour), std::max(pen_.width, 1)));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawArc(r.adjusted(0, 0, -1, -1), arc.start, arc.span);
}

void PainterSurface::FillPolygon(std::span<const Point> corners) {
  if (corners.size() < 3) {
    return;
  }
  QPolygon polygon;
  for (const Point& corner : corners) {
    polygon << QPoint(corner.x, corner.y);
  }
  ApplyMode();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(brush_);
  painter_.drawPolygon(polygon);
}

TextMetrics PainterSurface::MeasureText(std::string_view text) {
  painter_.setFont(font_);
  const QFontMetrics metrics = painter_.fontMetrics();
  return TextMetrics{metrics.horizontalAdvance(ToQString(text)), metrics.ascent(),
                     metrics.descent()};
}

// Exclusive-or text is drawn without smoothing, so each glyph pixel is
// either inverted with the colour or left alone.
void PainterSurface::PrepareText() {
  ApplyMode();
  QFont font = font_;
  if (mode_ == RasterMode::kXor && canCombine_) {
    font.setStyleStrategy(QFont::NoAntialias);
  }
  painter_.setFont(font);
  painter_.setPen(text_);
  painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::DrawText(std::string_view text, Point baseline) {
  PrepareText();
  painter_.drawText(QPoint(baseline.x, baseline.y), ToQString(text));
}

void PainterSurface::DrawVerticalText(std::string_view text, Point baseline) {
  PrepareText();
  painter_.save();
  painter_.translate(baseline.x, baseline.y);
  painter_.rotate(-90.0);
  painter_.drawText(QPoint(0, 0), ToQString(text));
  painter_.restore();
}

void PainterSurface::DrawPicture(const Picture& picture, const Rect& from, const Rect& to) {
  const QRect target = ToQRect(to);
  if (picture.Empty() || target.isEmpty()) {
    return;
  }
  const QRect source =
      RectEmpty(from) ? QRect(0, 0, picture.Width(), picture.Height()) : ToQRect(from);
  ApplyMode();
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.drawImage(target, PixelsAsImage(picture), source);
}

void PainterSurface::DrawIcon(int resourceId, Point topLeft) {
  const QImage icon = icons_ ? icons_(resourceId, {}) : QImage();
  if (icon.isNull()) {
    return;
  }
  DrawIconScaled(resourceId,
                 {topLeft.x, topLeft.y, topLeft.x + icon.width(), topLeft.y + icon.height()});
}

// Icons are pictures for people, not pixels to be compared: each is drawn
// from a picture made at the device pixels it covers, so that it stays
// sharp at any size and pixel ratio.
void PainterSurface::DrawIconScaled(int resourceId, const Rect& to) {
  if (!icons_ || RectEmpty(to)) {
    return;
  }
  const double ratio = painter_.device()->devicePixelRatioF();
  const QSize device(static_cast<int>(std::lround(RectWidth(to) * ratio)),
                     static_cast<int>(std::lround(RectHeight(to) * ratio)));
  QImage icon = icons_(resourceId, device);
  if (icon.isNull()) {
    return;
  }
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter_.drawImage(ToQRect(to), icon);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

Picture PainterSurface::ReadPicture(const Rect& rect) const {
  const QRect wanted = ToQRect(rect).intersected(QRect(0, 0, size_.width, size_.height));
  if (image_ == nullptr || wanted.isEmpty()) {
    return Picture(wanted.width(), wanted.height());
  }
  const double ratio = image_->devicePixelRatio();
  const QRect device(
      static_cast<int>(wanted.left() * ratio), static_cast<int>(wanted.top() * ratio),
      static_cast<int>(wanted.width() * ratio), static_cast<int>(wanted.height() * ratio));
  QImage part = image_->copy(device);
  part.setDevicePixelRatio(ratio);
  return ToPicture(part);
}

}  // namespace shell::qt
