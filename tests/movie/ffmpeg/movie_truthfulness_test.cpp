// Movies whose files say more than they hold: a cut download keeps the
// length of the whole movie, a time scale of 0 makes every time meaningless,
// a damaged picture decodes to nothing. The frame list, the duration and
// the pictures must show only what is there.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "frame_code.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/library_movie.h"
#include "movie_damage.h"
#include "movie_generator.h"
#include "test_folder.h"

namespace kinovex {
namespace {

using testing::TestCodec;
using testing::TestMovieRecipe;

class MovieTruthfulnessTest : public ::testing::Test {
 protected:
  testing::GeneratedMovie Generate(TestMovieRecipe request) {
    testing::GeneratedMovie made = testing::MakeTestMovie(request);
    EXPECT_TRUE(made.ok) << made.error;
    return made;
  }

  TdvVideoOpenResult Open(const std::string& path) { return library_.VideoOpen(path, nullptr); }

  testing::TestFolder folder_;
  TdvFfmpegVideoLibrary library_;
};

struct CutCase {
  const char* file;
  TestCodec codec;
  bool fastStart;
};

// Every container that can lose its tail and still open: the frames that
// arrived are listed and each shows itself; the duration ends where the
// first lost frame would have started, not where the whole movie ended.
TEST_F(MovieTruthfulnessTest, CutFilesEndAtTheLastFrameThatDecodes) {
  std::vector<CutCase> cases = {{"cut.mpg", TestCodec::kMpeg2, false},
                                {"cut.mkv", TestCodec::kMpeg4, false},
                                {"cut.avi", TestCodec::kMpeg4, false},
                                {"cut.mp4", TestCodec::kMpeg4, true}};
  if (testing::HasH264Encoder()) {
    cases.push_back({"cut.ts", TestCodec::kH264, false});
  }
  for (const CutCase& cut : cases) {
    SCOPED_TRACE(cut.file);
    TestMovieRecipe request;
    request.path = folder_.File(std::string("full-") + cut.file);
    request.codec = cut.codec;
    request.fastStart = cut.fastStart;
    request.timeScale = 30;
    request.frameDuration = 1;
    request.frameCount = 90;
    request.gop = 15;
    request.bFrames = 2;
    const testing::GeneratedMovie full = Generate(request);
    const std::string path = folder_.File(cut.file);
    ASSERT_TRUE(testing::TruncatedCopy(request.path, path,
                                       std::filesystem::file_size(request.path) * 6 / 10));
    TdvVideoOpenResult opened = Open(path);
    ASSERT_TRUE(opened.movie) << opened.detail;
    TdvVideoMovie& movie = *opened.movie;
    const std::vector<MovieTime>& times = movie.VideoFrameTimes();
    ASSERT_LT(times.size(), full.frameTimes.size());
    EXPECT_GT(times.size(), 20u);
    // B-frames are stored after the later frames they refer to: the cut
    // may leave a later frame without the ones shown before it.
    std::size_t written = 0;
    for (MovieTime time : times) {
      while (written < full.frameTimes.size() && full.frameTimes[written] < time) {
        ++written;
      }
      ASSERT_LT(written, full.frameTimes.size());
      ASSERT_EQ(time, full.frameTimes[written]);
      TdvVideoImage image;
      ASSERT_TRUE(movie.VideoFrameImage(time, image)) << "frame " << written;
      EXPECT_EQ(testing::ReadFrameCode(image.rgb.data(), image.width, image.height),
                static_cast<int>(written));
    }
    EXPECT_GT(movie.VideoDuration(), times.back());
    EXPECT_LE(movie.VideoDuration(), full.frameTimes[written + 1]);
  }
}

// The demuxer reads a time scale of 0 as one unit a second, which makes a
// movie of one long frame.
TEST_F(MovieTruthfulnessTest, ZeroTimeScaleIsRefusedAsNoMovie) {
  for (const char* box : {"mvhd", "mdhd"}) {
    SCOPED_TRACE(box);
    TestMovieRecipe request;
    request.path = folder_.File(std::string(box) + ".mov");
    request.codec = TestCodec::kMjpeg;
    request.frameCount = 32;
    Generate(request);
    ASSERT_TRUE(testing::ZeroQuickTimeTimeScale(request.path, box));
    TdvVideoOpenResult opened = Open(request.path);
    EXPECT_FALSE(opened.movie);
    EXPECT_EQ(MovieOpenFailureText(opened), kCannotOpenFileMessage);
  }
}

// A frame that does not decode is no picture: neither an earlier frame
// nor the decoder's guess stands in for it.
TEST_F(MovieTruthfulnessTest, UndecodableFrameGivesNoPicture) {
  TestMovieRecipe request;
  request.path = folder_.File("damaged.mov");
  request.codec = TestCodec::kMjpeg;
  request.frameCount = 12;
  const testing::GeneratedMovie made = Generate(request);
  ASSERT_TRUE(testing::ScrambleJpegFrame(request.path, 6));
  TdvVideoOpenResult opened = Open(request.path);
  ASSERT_TRUE(opened.movie) << opened.detail;
  for (std::size_t i = 0; i < made.frameTimes.size(); ++i) {
    TdvVideoImage image;
    const bool shown = opened.movie->VideoFrameImage(made.frameTimes[i], image);
    EXPECT_EQ(shown, i != 6) << "frame " << i;
    if (shown) {
      EXPECT_EQ(testing::ReadFrameCode(image.rgb.data(), image.width, image.height),
                static_cast<int>(i));
    } else {
      EXPECT_TRUE(image.rgb.empty());
    }
  }
}

}  // namespace
}  // namespace kinovex
