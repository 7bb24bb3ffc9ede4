// Timing and placement questions answered by every movie from its frame
// list, whatever library decodes it.
#include <gtest/gtest.h>

#include "movie/video_movie.h"

namespace kinovex {
namespace {

class ListedMovie : public TdvVideoMovie {
 public:
  explicit ListedMovie(std::vector<MovieTime> times, MovieTime duration = 0)
      : TdvVideoMovie(TdvVideoMovieInfo{640, 480, 600, duration, std::move(times), "test"}) {}
  std::optional<std::string> VideoUserText(TdvFourCharCode) const override { return std::nullopt; }
  bool VideoFrameImage(MovieTime, TdvVideoImage&) override { return false; }
};

// Frame starts of a QuickTime movie whose first frame lasts 28 units and
// the others 20.
const std::vector<MovieTime> kUneven = {0, 28, 48, 68, 88};

TEST(FrameTiming, FrameShownIsTheLastStartNotAfterTheTime) {
  ListedMovie movie(kUneven, 108);
  EXPECT_EQ(movie.FrameIndexAt(0), 0u);
  EXPECT_EQ(movie.FrameIndexAt(27), 0u);
  EXPECT_EQ(movie.FrameIndexAt(28), 1u);
  EXPECT_EQ(movie.FrameIndexAt(67), 2u);
  EXPECT_EQ(movie.FrameIndexAt(88), 4u);
  EXPECT_EQ(movie.FrameIndexAt(500), 4u);
}

// Walking the next-frame times from 0 rebuilds the frame list and never
// yields the duration itself, as the movie window builds its list.
TEST(FrameTiming, WalkingNextTimesRebuildsTheFrameList) {
  ListedMovie movie(kUneven, 108);
  std::vector<MovieTime> walked;
  for (MovieTime t = 0; t >= 0 && t != movie.VideoDuration(); t = movie.VideoNextFrameTime(t)) {
    walked.push_back(t);
  }
  EXPECT_EQ(walked, kUneven);
}

}  // namespace
}  // namespace kinovex
