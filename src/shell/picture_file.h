#pragma once

#include <functional>
#include <optional>
#include <string>

#include "shell/gfx_types.h"

namespace shell {

class Surface;

// A drawing turned into a file: a PNG (antialiased pixels) or an SVG (lines,
// shapes and texts), as the file's extension asks.
enum class PictureFormat { kPng, kSvg };

// The format named by the extension of `path` (".png" or ".svg", in any
// case); none for any other file.
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

// Draws onto a picture file.
using PictureDrawing = std::function<void(Surface&)>;

// Why a picture of `size` cannot be written to `path` before anything is
// drawn (an unknown type, a size out of range); empty when it can.
std::string PictureFileRefusal(const std::string& path, Size size);

// The largest picture side, in pixels: a bigger figure is no use in a report
// and would take gigabytes of memory.
inline constexpr int kLargestPictureSide = 8000;

}  // namespace shell
