#include "movie/video_movie.h"

#include <algorithm>
#include <utility>

namespace kinovex {

TdvVideoMovie::TdvVideoMovie(TdvVideoMovieInfo info)
    : info_(std::move(info)), box_(VideoNaturalBox()) {}

TdvVideoRect TdvVideoMovie::VideoNaturalBox() const {
  return TdvVideoRect{0, 0, info_.naturalWidth, info_.naturalHeight};
}

void TdvVideoMovie::EndBefore(std::size_t count) {
  auto& times = info_.frameTimes;
  const MovieTime next = times[count];
  times.resize(count);
  // Frames stored after the first lost one may be missing in between: the
  // last frame kept lasts as long as the one before it, not up to a frame
  // that never arrived.
  const MovieTime step = count > 1 ? times[count - 1] - times[count - 2] : next - times[0];
  info_.duration = std::min(next, times[count - 1] + step);
}

MovieTime TdvVideoMovie::VideoNextFrameTime(MovieTime time) const {
  const auto& times = info_.frameTimes;
  auto next = std::upper_bound(times.begin(), times.end(), time);
  return next == times.end() ? -1 : *next;
}

std::size_t TdvVideoMovie::FrameIndexAt(MovieTime time) const {
  const auto& times = info_.frameTimes;
  auto after = std::upper_bound(times.begin(), times.end(), time);
  if (after == times.begin()) {
    return 0;
  }
  return static_cast<std::size_t>(after - times.begin()) - 1;
}

}  // namespace kinovex
