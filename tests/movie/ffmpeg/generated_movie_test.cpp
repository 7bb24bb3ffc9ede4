// Frame lists and frame pictures of movies made by the generator, whose
// frames carry their own number.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "frame_code.h"
#include "movie/ffmpeg/ffmpeg_movie.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie_generator.h"
#include "test_folder.h"

namespace kinovex {
namespace {

using testing::GeneratedMovie;
using testing::TestCodec;
using testing::TestMovieRecipe;

struct MovieCase {
  const char* name;
  TestMovieRecipe request;
};

void PrintTo(const MovieCase& movie, std::ostream* out) {
  *out << movie.name;
}

TestMovieRecipe Recipe(const char* file, TestCodec codec, int bFrames) {
  TestMovieRecipe request;
  request.path = file;
  request.codec = codec;
  request.bFrames = bFrames;
  return request;
}

std::vector<MovieCase> Cases() {
  std::vector<MovieCase> cases;
  cases.push_back({"Mpeg4BFramesMp4", Recipe("b.mp4", TestCodec::kMpeg4, 2)});
  cases.push_back({"Mpeg4BFramesMkv", Recipe("b.mkv", TestCodec::kMpeg4, 2)});
  cases.push_back({"Mpeg4BFramesAvi", Recipe("b.avi", TestCodec::kMpeg4, 2)});
  cases.push_back({"MjpegMov", Recipe("j.mov", TestCodec::kMjpeg, 0)});
  cases.push_back({"MjpegAvi", Recipe("j.avi", TestCodec::kMjpeg, 0)});
  MovieCase one{"OneFrame", Recipe("one.mp4", TestCodec::kMpeg4, 0)};
  one.request.frameCount = 1;
  cases.push_back(one);
  MovieCase uneven{"UnevenTimesBFrames", Recipe("u.mov", TestCodec::kMpeg4, 2)};
  uneven.request.frameTimes = {0, 20, 45, 50, 90, 91, 130, 131, 132, 200, 260, 261, 300, 390};
  uneven.request.gop = 5;
  cases.push_back(uneven);
  MovieCase unevenMkv{"UnevenTimesMkv", uneven.request};
  unevenMkv.request.path = "u.mkv";
  cases.push_back(unevenMkv);
  // A time base of 1001/30000 s: frame keys step by 1001 at 30000 a second.
  MovieCase ntsc{"NtscRateAvi", Recipe("n.avi", TestCodec::kMpeg4, 0)};
  ntsc.request.timeScale = 30000;
  ntsc.request.frameDuration = 1001;
  cases.push_back(ntsc);
  if (testing::HasH264Encoder()) {
    MovieCase h264{"H264BFrames", Recipe("h.mp4", TestCodec::kH264, 3)};
    h264.request.gop = 10;
    cases.push_back(h264);
  }
  return cases;
}

class GeneratedMovieTest : public ::testing::TestWithParam<MovieCase> {
 protected:
  void SetUp() override {
    spec_ = GetParam().request;
    spec_.path = folder_.File(spec_.path);
    generated_ = testing::MakeTestMovie(spec_);
    ASSERT_TRUE(generated_.ok) << generated_.error;
  }

  std::unique_ptr<TdvVideoMovie> Open(TdvFfmpegOptions options = {}) {
    TdvFfmpegVideoLibrary library(options);
    auto result = library.VideoOpen(spec_.path, nullptr);
    EXPECT_TRUE(result.movie) << result.detail;
    return std::move(result.movie);
  }

  // The number painted into the picture shown at `time`.
  static int FrameShownAt(TdvVideoMovie& movie, MovieTime time) {
    TdvVideoImage image;
    if (!movie.VideoFrameImage(time, image)) {
      return -2;
    }
    return testing::ReadFrameCode(image.rgb.data(), image.width, image.height);
  }

  testing::TestFolder folder_;
  TestMovieRecipe spec_;
  GeneratedMovie generated_;
};

TEST_P(GeneratedMovieTest, TimingMatchesTheGenerator) {
  auto movie = Open();
  ASSERT_TRUE(movie);
  EXPECT_EQ(movie->VideoTimeScale(), generated_.timeScale);
  EXPECT_EQ(movie->VideoFrameTimes(), generated_.frameTimes);
  EXPECT_GT(movie->VideoDuration(), generated_.frameTimes.back());
  EXPECT_EQ(movie->VideoNaturalBox().Width(), spec_.width);
  EXPECT_EQ(movie->VideoNaturalBox().Height(), spec_.height);
}

TEST_P(GeneratedMovieTest, RandomJumpsShowTheRightFrame) {
  auto movie = Open(TdvFfmpegOptions{.cacheBytes = 64 * 1024});
  ASSERT_TRUE(movie);
  const auto& times = movie->VideoFrameTimes();
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, times.size() - 1);
  for (int jump = 0; jump < 40; ++jump) {
    std::size_t i = pick(random);
    EXPECT_EQ(FrameShownAt(*movie, times[i]), static_cast<int>(i)) << "time " << times[i];
  }
}

INSTANTIATE_TEST_SUITE_P(Movies, GeneratedMovieTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kinovex
