#pragma once

#include <ostream>
#include <string>

#include "movie/video_movie.h"

namespace kinovex::cli {

// A time in seconds as the listings show it: six decimals, enough to tell
// apart the frames of any frame rate a camera records.
std::string SecondsText(MovieTime time, MovieTime timeScale);

// "name: value" lines: size, time scale, duration, frame count, codec.
void PrintMovieInfo(std::ostream& out, const TdvVideoMovie& movie);

// One line per frame: its start in time units, a tab, the same in seconds.
void PrintFrameTimes(std::ostream& out, const TdvVideoMovie& movie);

}  // namespace kinovex::cli
