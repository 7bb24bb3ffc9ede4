#pragma once

#include "movie/video_movie.h"
#include "tracking/point_tracker.h"

namespace kinovex {

// The frame shown at `time` decoded into `image`, which `picture` then
// shows to the tracker; false when the frame cannot be decoded.
inline bool TrackingFrameOf(TdvVideoMovie& movie, MovieTime time, TdvVideoImage& image,
                            TrackingPicture& picture) {
  if (!movie.VideoFrameImage(time, image)) {
    return false;
  }
  picture = TrackingPicture{image.rgb.data(), image.width, image.height, 3 * image.width};
  return true;
}

}  // namespace kinovex
