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

TEST(FrameTiming, TimesBeforeTheFirstFrameShowTheFirst) {
  ListedMovie movie(kUneven, 108);
  EXPECT_EQ(movie.FrameIndexAt(-5), 0u);
}

TEST(FrameTiming, NextFrameTimeEndsWithASmallerValue) {
  ListedMovie movie(kUneven, 108);
  EXPECT_EQ(movie.VideoNextFrameTime(0), 28);
  EXPECT_EQ(movie.VideoNextFrameTime(30), 48);
  EXPECT_EQ(movie.VideoNextFrameTime(-1), 0);
  EXPECT_LT(movie.VideoNextFrameTime(88), 88);
  EXPECT_LT(movie.VideoNextFrameTime(107), 0);
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

TEST(FrameTiming, OneFrameMovieHasOnlyTimeZero) {
  ListedMovie movie({0}, 20);
  EXPECT_EQ(movie.FrameIndexAt(15), 0u);
  EXPECT_LT(movie.VideoNextFrameTime(0), 0);
}

TEST(MoviePlacement, NaturalBoxStartsAtTheOrigin) {
  ListedMovie movie(kUneven);
  TdvVideoRect box = movie.VideoNaturalBox();
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.Width(), 640);
  EXPECT_EQ(box.Height(), 480);
}

TEST(MoviePlacement, HitTestFollowsTheBox) {
  ListedMovie movie(kUneven);
  EXPECT_TRUE(movie.VideoHitTest({0, 0}));
  EXPECT_TRUE(movie.VideoHitTest({639, 479}));
  EXPECT_FALSE(movie.VideoHitTest({640, 10}));
  EXPECT_FALSE(movie.VideoHitTest({10, -1}));
  movie.VideoSetBox(TdvVideoRect{0, 0, 320, 240});
  EXPECT_TRUE(movie.VideoHitTest({319, 239}));
  EXPECT_FALSE(movie.VideoHitTest({320, 100}));
}

}  // namespace
}  // namespace kinovex
