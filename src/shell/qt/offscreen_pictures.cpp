#include "shell/qt/offscreen_pictures.h"

#include <QGuiApplication>

#include "shell/qt/picture_file_writer.h"

namespace shell::qt {
namespace {

// Qt keeps the arguments for the application's whole life.
int argumentCount = 3;
char programName[] = "kinovex";
char platformOption[] = "-platform";
char offscreen[] = "offscreen";
char* arguments[] = {programName, platformOption, offscreen, nullptr};

}  // namespace

OffscreenPictures::OffscreenPictures() {
  if (QCoreApplication::instance() == nullptr) {
    application_ = std::make_unique<QGuiApplication>(argumentCount, arguments);
  }
}

OffscreenPictures::~OffscreenPictures() = default;

std::string OffscreenPictures::Write(const std::string& path, Size size,
                                     const PictureDrawing& draw) {
  return WritePictureFile(path, size, draw, {});
}

}  // namespace shell::qt
