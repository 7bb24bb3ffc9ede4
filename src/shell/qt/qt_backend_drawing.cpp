#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <cstdlib>

#include "shell/qt/backing_store.h"
#include "shell/qt/painter_surface.h"
#include "shell/qt/picture_file_writer.h"
#include "shell/qt/qt_backend.h"
#include "shell/qt/qt_convert.h"

namespace shell::qt {

std::unique_ptr<Surface> QtBackend::OpenSurface(WindowHandle window) {
  const Record* record = Find(window);
  if (record == nullptr || record->store == nullptr || record->client == nullptr) {
    return nullptr;
  }
  return record->store->Open([this](int id, QSize size) { return IconImage(id, size); });
}

std::unique_ptr<Surface> QtBackend::CreatePictureSurface(Size size) {
  // A painter needs at least one pixel; the surface still answers its size.
  auto image = std::make_shared<QImage>(std::max(size.width, 1), std::max(size.height, 1),
                                        QImage::Format_RGB32);
  image->fill(Qt::white);
  return std::make_unique<PainterSurface>(
      *image, image, size, [this](int id, QSize size) { return IconImage(id, size); });
}

std::string QtBackend::WritePictureFile(const std::string& path, Size size,
                                        const PictureDrawing& draw) {
  return qt::WritePictureFile(path, size, draw,
                              [this](int id, QSize size) { return IconImage(id, size); });
}

void QtBackend::SetResourceFolder(std::string folder) {
  resourceFolder_ = std::move(folder);
  icons_.clear();
}

// Pictures are looked for in the folder given to the backend, else in
// KINOVEX_RESOURCE_DIR, else in "resources" beside the program.
QImage QtBackend::LoadResource(const char* kind, int id, QSize size) const {
  QString folder = ToQString(resourceFolder_);
  if (folder.isEmpty()) {
    const char* fromEnvironment = std::getenv("KINOVEX_RESOURCE_DIR");
    folder = fromEnvironment != nullptr
                 ? QString::fromLocal8Bit(fromEnvironment)
                 : QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
  }
  const QDir dir(folder + QLatin1Char('/') + QLatin1String(kind));
  for (const char* extension : {".png", ".bmp"}) {
    QImage image(dir.filePath(QString::number(id) + QLatin1String(extension)));
    if (!image.isNull()) {
      return image;
    }
  }
  return RenderSvg(dir.filePath(QString::number(id) + QStringLiteral(".svg")), size);
}

// A drawing is rendered at the size asked for (its own size when none is),
// transparent where it draws nothing; drawings made of whole-pixel
// rectangles come out pixel-exact at their own size.
QImage QtBackend::RenderSvg(const QString& path, QSize wanted) {
  QSvgRenderer renderer(path);
  const QSize size = wanted.isEmpty() ? renderer.defaultSize() : wanted;
  if (!renderer.isValid() || size.isEmpty()) {
    return QImage();
  }
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

QImage QtBackend::IconImage(int id, QSize size) const {
  const std::tuple<int, int, int> key{id, size.width(), size.height()};
  auto found = icons_.find(key);
  if (found == icons_.end()) {
    found = icons_.emplace(key, LoadResource("icons", id, size)).first;
  }
  return found->second;
}

// Rendered at the sizes title bars and task lists ask for, so that no
// size is scaled from another.
QIcon QtBackend::WindowIcon(int id) const {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64}) {
    const QImage image = IconImage(id, QSize(side, side));
    if (!image.isNull()) {
      icon.addPixmap(QPixmap::fromImage(image));
    }
  }
  return icon;
}

std::optional<Picture> QtBackend::BitmapResource(int id) const {
  const QImage image = LoadResource("bitmaps", id);
  if (image.isNull()) {
    return std::nullopt;
  }
  return ToPicture(image);
}

std::optional<Picture> QtBackend::IconResource(int id) const {
  const QImage image = IconImage(id);
  if (image.isNull()) {
    return std::nullopt;
  }
  return ToPicture(image);
}

}  // namespace shell::qt
