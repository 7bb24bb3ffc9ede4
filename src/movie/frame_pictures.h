#pragma once

#include <cstddef>
#include <list>
#include <utility>

#include "movie/video_movie.h"
#include "shell/gfx_types.h"

namespace kinovex {

// The pictures of the frames a window showed last, decoded and converted
// once each: stepping back and forth around the current frame, or
// repainting it, decodes nothing again.
class TdvFramePictures {
 public:
  static constexpr std::size_t kKept = 4;

  explicit TdvFramePictures(TdvVideoMovie& movie) : movie_(movie) {}

  // The picture of frame `index` of the movie's frame list; none when the
  // frame cannot be decoded.
  const shell::Picture* PictureOf(std::size_t index);

  // How many frames from the start can be shown, found after frame
  // `failed` did not decode: a movie cut short decodes up to some frame and
  // none after it, while a single damaged frame leaves the last one
  // readable (then every frame counts).
  std::size_t ShowableFrames(std::size_t failed);

 private:
  bool Decodes(std::size_t index);

  TdvVideoMovie& movie_;
  std::list<std::pair<std::size_t, shell::Picture>> kept_;  // most recent first
  TdvVideoImage image_;  // decoded into again and again: its memory stays in place
};

}  // namespace kinovex
