#include "shell/qt/picture_file_surface.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "shell/qt/qt_convert.h"
#include "shell/qt/qt_fonts.h"

namespace shell::qt {
namespace {

// Pixel centres: a one-pixel line through them covers whole pixels.
QPointF Centre(Point point) {
  return {point.x + 0.5, point.y + 0.5};
}

// The outline of a rectangle one pixel inside its edges.
QRectF InnerOutline(const QRect& rect) {
  return QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
}

}  // namespace

PictureFileSurface::PictureFileSurface(QPaintDevice& device, Size size,
                                       PainterSurface::IconLookup icons)
    : image_(device.devType() == QInternal::Image ? static_cast<QImage*>(&device) : nullptr),
      painter_(&device),
      size_(size),
      icons_(std::move(icons)) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter_.setBackgroundMode(Qt::TransparentMode);
  font_ = FontFor(FontSpec{});
}

PictureFileSurface::~PictureFileSurface() {
  End();
}

void PictureFileSurface::End() {
  FlushLine();
  if (painter_.isActive()) {
    painter_.end();
  }
}

QPen PictureFileSurface::Outline(Rgb colour) const {
  return QPen(ToQColor(colour), std::max(pen_.width, 1), Qt::SolidLine, Qt::RoundCap,
              Qt::RoundJoin);
}

void PictureFileSurface::FlushLine() {
  if (lineEnd_) {
    painter_.setPen(Outline(pen_.colour));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(line_);
    line_.clear();
    lineEnd_.reset();
  }
}

void PictureFileSurface::SetPen(const Pen& pen) {
  if (!(pen == pen_)) {
    FlushLine();
    pen_ = pen;
  }
}

void PictureFileSurface::SetBrush(Rgb colour) {
  brush_ = colour;
}

void PictureFileSurface::SetTextColour(Rgb colour) {
  text_ = colour;
}

void PictureFileSurface::SetRasterMode(RasterMode mode) {
  mode_ = mode;
}

void PictureFileSurface::SetFont(const FontSpec& font) {
  font_ = FontFor(font);
}

void PictureFileSurface::Line(Point from, Point to) {
  if (!Shown()) {
    return;
  }
  if (!lineEnd_ || !(*lineEnd_ == from)) {
    FlushLine();
    line_.moveTo(Centre(from));
  }
  line_.lineTo(Centre(to));
  lineEnd_ = to;
}

void PictureFileSurface::FillRect(const Rect& rect) {
  FlushLine();
  const QRect r = ToQRect(rect);
  if (Shown() && !r.isEmpty()) {
    painter_.fillRect(r, ToQColor(brush_));
  }
}

void PictureFileSurface::FrameRect(const Rect& rect) {
  FlushLine();
  const QRect r = ToQRect(rect);
  if (!Shown() || r.isEmpty()) {
    return;
  }
  painter_.setPen(QPen(ToQColor(brush_), 1));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(InnerOutline(r));
}

void PictureFileSurface::FillEllipse(const Rect& bounds) {
  FlushLine();
  const QRect r = ToQRect(bounds);
  if (!Shown() || r.isEmpty()) {
    return;
  }
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(ToQColor(brush_));
  painter_.drawEllipse(QRectF(r));
}

void PictureFileSurface::FrameEllipse(const Rect& bounds) {
  FlushLine();
  const QRect r = ToQRect(bounds);
  if (!Shown() || r.isEmpty()) {
    return;
  }
  painter_.setPen(Outline(pen_.colour));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(InnerOutline(r));
}

void PictureFileSurface::Arc(const Rect& bounds, Point start, Point end) {
  FlushLine();
  const QRect r = ToQRect(bounds);
  if (!Shown() || r.isEmpty()) {
    return;
  }
  const ArcAngles arc = ArcBetween(r, start, end);
  painter_.setPen(Outline(pen_.colour));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawArc(InnerOutline(r), arc.start, arc.span);
}

void PictureFileSurface::FillPolygon(std::span<const Point> corners) {
  FlushLine();
  if (!Shown() || corners.size() < 3) {
    return;
  }
  QPolygonF polygon;
  for (const Point& corner : corners) {
    polygon << QPointF(corner.x, corner.y);
  }
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(ToQColor(brush_));
  painter_.drawPolygon(polygon);
}

TextMetrics PictureFileSurface::MeasureText(std::string_view text) {
  const QFontMetrics metrics(font_, painter_.device());
  return TextMetrics{metrics.horizontalAdvance(ToQString(text)), metrics.ascent(),
                     metrics.descent()};
}

void PictureFileSurface::DrawText(std::string_view text, Point baseline) {
  FlushLine();
  if (!Shown()) {
    return;
  }
  painter_.setFont(font_);
  painter_.setPen(ToQColor(text_));
  painter_.drawText(QPoint(baseline.x, baseline.y), ToQString(text));
}

void PictureFileSurface::DrawVerticalText(std::string_view text, Point baseline) {
  FlushLine();
  if (!Shown()) {
    return;
  }
  painter_.save();
  painter_.translate(baseline.x, baseline.y);
  painter_.rotate(-90.0);
  painter_.setFont(font_);
  painter_.setPen(ToQColor(text_));
  painter_.drawText(QPoint(0, 0), ToQString(text));
  painter_.restore();
}

void PictureFileSurface::DrawPicture(const Picture& picture, const Rect& from, const Rect& to) {
  FlushLine();
  const QRect target = ToQRect(to);
  if (!Shown() || picture.Empty() || target.isEmpty()) {
    return;
  }
  const QRect source =
      RectEmpty(from) ? QRect(0, 0, picture.Width(), picture.Height()) : ToQRect(from);
  painter_.drawImage(target, PixelsAsImage(picture), source);
}

void PictureFileSurface::DrawIcon(int resourceId, Point topLeft) {
  const QImage icon = icons_ ? icons_(resourceId, {}) : QImage();
  if (!icon.isNull()) {
    DrawIconScaled(resourceId,
                   {topLeft.x, topLeft.y, topLeft.x + icon.width(), topLeft.y + icon.height()});
  }
}

void PictureFileSurface::DrawIconScaled(int resourceId, const Rect& to) {
  FlushLine();
  if (!icons_ || RectEmpty(to)) {
    return;
  }
  const QImage icon = icons_(resourceId, QSize(RectWidth(to), RectHeight(to)));
  if (!icon.isNull()) {
    painter_.drawImage(ToQRect(to), icon);
  }
}

// An SVG file has no pixels to read: its part reads as white.
Picture PictureFileSurface::ReadPicture(const Rect& rect) const {
  const QRect wanted = ToQRect(rect).intersected(QRect(0, 0, size_.width, size_.height));
  if (image_ == nullptr || wanted.isEmpty()) {
    return Picture(wanted.width(), wanted.height());
  }
  return ToPicture(image_->copy(wanted));
}

}  // namespace shell::qt
