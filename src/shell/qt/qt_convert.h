#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "shell/gfx_types.h"

namespace shell::qt {

// The program's texts are UTF-8; a text that is not (an old file, a path
// from elsewhere) is taken as Latin-1 so that no character is lost.
QString ToQString(std::string_view text);
std::string ToStdString(const QString& text);

QColor ToQColor(Rgb colour);

// A rectangle normalised so that left <= right and top <= bottom.
QRect ToQRect(const Rect& rect);

// An arc of the ellipse in `bounds` counter-clockwise from the ray towards
// `start` to the ray towards `end`, in Qt's sixteenths of a degree; rays
// that coincide give the whole ellipse.
struct ArcAngles {
  int start = 0;
  int span = 0;
};
ArcAngles ArcBetween(const QRect& bounds, Point start, Point end);
Rect ToRect(const QRect& rect);

QImage ToQImage(const Picture& picture);
// The picture's own pixels seen as an image, without copying them: valid
// while the picture lives and is not changed. Movie frames are drawn this
// way many times a second.
QImage PixelsAsImage(const Picture& picture);
// The picture of an image at its logical size (one pixel per device-independent pixel).
Picture ToPicture(const QImage& image);

}  // namespace shell::qt
