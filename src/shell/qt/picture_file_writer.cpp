#include "shell/qt/picture_file_writer.h"

#include <QBuffer>
#include <QImage>
#include <QSvgGenerator>

#include "foundation/safe_file_write.h"
#include "shell/qt/picture_file_surface.h"

namespace shell::qt {
namespace {

QByteArray PngBytes(Size size, const PictureDrawing& draw,
                    const PainterSurface::IconLookup& icons) {
  QImage image(size.width, size.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  PictureFileSurface surface(image, size, icons);
  draw(surface);
  surface.End();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray SvgBytes(Size size, const PictureDrawing& draw,
                    const PainterSurface::IconLookup& icons) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(size.width, size.height));
  generator.setViewBox(QRect(0, 0, size.width, size.height));
  generator.setResolution(96);
  {
    PictureFileSurface surface(generator, size, icons);
    // The white page a PNG has, so that both files look the same.
    surface.SetBrush(kWhite);
    surface.FillRect({0, 0, size.width, size.height});
    draw(surface);
  }
  return bytes;
}

}  // namespace

std::string WritePictureFile(const std::string& path, Size size, const PictureDrawing& draw,
                             const PainterSurface::IconLookup& icons) {
  if (std::string refusal = PictureFileRefusal(path, size); !refusal.empty()) {
    return refusal;
  }
  const QByteArray bytes = *PictureFormatOf(path) == PictureFormat::kPng
                               ? PngBytes(size, draw, icons)
                               : SvgBytes(size, draw, icons);
  if (bytes.isEmpty()) {
    return "The picture could not be made";
  }
  if (!WriteFileSafely(path, std::string_view(bytes.constData(), bytes.size()))) {
    return "Could not create " + path;
  }
  return {};
}

}  // namespace shell::qt
