#pragma once

#include <vector>

#include "movie/video_types.h"
#include "shell/gfx_types.h"

namespace kinovex {

// The picture the window framework draws for a decoded frame. Converting
// costs a pass over every pixel, so a window converts each displayed frame
// once and keeps the result for every paint until the frame changes.
// `storage` is memory to reuse (a picture no longer needed), which spares
// fresh pages for every frame.
shell::Picture FramePicture(const TdvVideoImage& image, std::vector<shell::Rgb> storage = {});

}  // namespace kinovex
