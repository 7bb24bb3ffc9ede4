#pragma once

#include "movie/video_types.h"
#include "shell/gfx_types.h"

// Where a movie's picture goes in a preview area: inset by 5 pixels on
// each side, scaled by the smaller of the two ratios to whole pixels, and
// centred by integer halves of the spare room.
shell::Rect FitMovieInArea(shell::Size movie, const shell::Rect& area);

// A decoded frame as the framework draws it.
shell::Picture PictureOfImage(const kinovex::TdvVideoImage& image);
