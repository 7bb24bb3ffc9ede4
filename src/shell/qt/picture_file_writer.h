#pragma once

#include <string>

#include "shell/picture_file.h"
#include "shell/qt/painter_surface.h"

namespace shell::qt {

// Draws `draw` at `size` on a PNG (antialiased QImage on white) or an SVG
// (QSvgGenerator) and writes the file safely; the empty text when written,
// else why not. Needs a running QGuiApplication.
std::string WritePictureFile(const std::string& path, Size size, const PictureDrawing& draw,
                             const PainterSurface::IconLookup& icons);

}  // namespace shell::qt
