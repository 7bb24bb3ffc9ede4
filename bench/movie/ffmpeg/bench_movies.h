#pragma once

#include <string>

namespace kinovex::bench {

// Generated benchmark movies, kept in the temporary folder between runs
// (making the 1080p one takes a while): H.264 with B-frames and a GOP of
// 250 when libavcodec has an H.264 encoder, MPEG-4 otherwise.
std::string MovieOf(int width, int height, const std::string& extension);

// An hour at 30 frames a second, tiny pictures: for the time it takes to
// build the frame list.
std::string HourLongMovie();

}  // namespace kinovex::bench
