#pragma once

#include "movie/video_types.h"
#include "shell/gfx_types.h"

namespace kinovex {

// The picture the window framework draws for a decoded frame. Converting
// costs a pass over every pixel, so a window converts each displayed frame
// once and keeps the result for every paint until the frame changes.
shell::Picture FramePicture(const TdvVideoImage& image);

}  // namespace kinovex
