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
  info_.duration = info_.frameTimes[count];
  info_.frameTimes.resize(count);
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
