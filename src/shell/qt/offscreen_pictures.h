#pragma once

#include <memory>
#include <string>

#include "shell/picture_file.h"

class QGuiApplication;

namespace shell::qt {

// Picture files for a program without a display (the command-line tool):
// while it lives, a Qt application runs on the offscreen platform unless
// one runs already. Icons are left out of its pictures.
class OffscreenPictures {
 public:
  OffscreenPictures();
  ~OffscreenPictures();
  OffscreenPictures(const OffscreenPictures&) = delete;
  OffscreenPictures& operator=(const OffscreenPictures&) = delete;

  // As Backend::WritePictureFile.
  std::string Write(const std::string& path, Size size, const PictureDrawing& draw);

 private:
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace shell::qt
