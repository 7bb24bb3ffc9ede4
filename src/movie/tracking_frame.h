#pragma once

#include "movie/video_movie.h"
#include "tracking/point_tracker.h"

namespace kinovex {

// The frame shown at `time` as `picture` shows it to the tracker: the
// decoder's own grey levels where the movie has them, which spares
// converting the whole picture, otherwise decoded into `image`. False when
// the frame cannot be decoded.
inline bool TrackingFrameOf(TdvVideoMovie& movie, MovieTime time, TdvVideoImage& image,
                            TrackingPicture& picture) {
  TdvVideoLuma luma;
  if (movie.VideoFrameLuma(time, luma)) {
    picture = TrackingPicture{luma.levels, luma.width, luma.height, luma.rowBytes, 1};
    return true;
  }
  if (!movie.VideoFrameImage(time, image)) {
    return false;
  }
  picture = TrackingPicture{image.rgb.data(), image.width, image.height, 3 * image.width};
  return true;
}

}  // namespace kinovex
