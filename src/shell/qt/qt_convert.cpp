#include "shell/qt/qt_convert.h"

#include <bit>

#include <QPainter>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace shell::qt {

// Text that is not UTF-8 is the program's single-byte text. The decoder is
// stateless so that a text ending in such a byte ("×" is 0xD7) counts as
// not UTF-8 instead of leaving the byte pending and dropping it.
QString ToQString(std::string_view text) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded =
      decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (!decoder.hasError()) {
    return decoded;
  }
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text) {
  return text.toStdString();
}

QColor ToQColor(Rgb colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QRect ToQRect(const Rect& rect) {
  const int left = std::min(rect.left, rect.right);
  const int top = std::min(rect.top, rect.bottom);
  return QRect(left, top, std::max(rect.left, rect.right) - left,
               std::max(rect.top, rect.bottom) - top);
}

Rect ToRect(const QRect& rect) {
  return Rect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QImage ToQImage(const Picture& picture) {
  QImage image(std::max(picture.Width(), 0), std::max(picture.Height(), 0), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const Rgb colour = picture.At(x, y);
      line[x] = qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
    }
  }
  return image;
}

// A pixel 0x00BBGGRR lies in memory as the bytes R, G, B and an unused
// one: Qt's byte-ordered RGBX format, whose fourth byte it ignores.
QImage PixelsAsImage(const Picture& picture) {
  static_assert(std::endian::native == std::endian::little);
  if (picture.Empty()) {
    return QImage();
  }
  return QImage(reinterpret_cast<const uchar*>(picture.Pixels().data()), picture.Width(),
                picture.Height(), picture.Width() * 4, QImage::Format_RGBX8888);
}

Picture ToPicture(const QImage& image) {
  const double ratio = image.devicePixelRatio();
  const int width = static_cast<int>(image.width() / ratio);
  const int height = static_cast<int>(image.height() / ratio);
  QImage plain = image.convertToFormat(QImage::Format_RGB32);
  if (image.hasAlphaChannel()) {
    // Transparent parts of an icon show the white of a fresh picture.
    plain.fill(Qt::white);
    QPainter painter(&plain);
    painter.drawImage(QPoint(0, 0), image);
  }
  Picture picture(width, height);
  for (int y = 0; y < height; ++y) {
    const int sourceY = std::min(static_cast<int>(y * ratio), plain.height() - 1);
    const auto* line = reinterpret_cast<const QRgb*>(plain.constScanLine(sourceY));
    for (int x = 0; x < width; ++x) {
      const QRgb pixel = line[std::min(static_cast<int>(x * ratio), plain.width() - 1)];
      picture.Set(x, y, MakeRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
    }
  }
  return picture;
}

namespace {

// Degrees of the ray from `centre` towards `point`, counter-clockwise from
// the positive x axis with y growing upwards on screen.
double RayAngle(QPointF centre, Point point) {
  return std::atan2(centre.y() - point.y, point.x - centre.x()) * 180.0 / std::numbers::pi;
}

}  // namespace

ArcAngles ArcBetween(const QRect& bounds, Point start, Point end) {
  const QPointF centre = QRectF(bounds).center();
  const double first = RayAngle(centre, start);
  double span = RayAngle(centre, end) - first;
  while (span <= 0.0) {
    span += 360.0;
  }
  return {static_cast<int>(std::lround(first * 16)), static_cast<int>(std::lround(span * 16))};
}

}  // namespace shell::qt
