#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "movie/video_types.h"

namespace kinovex::cli {

// The picture as a PNG file image (8-bit RGB, not interlaced); empty when
// the picture has no pixels or does not hold width x height of them.
std::vector<std::uint8_t> EncodePng(const TdvVideoImage& image);

// False when the picture cannot be encoded or the file not written.
bool WritePng(const std::string& path, const TdvVideoImage& image);

}  // namespace kinovex::cli
