// Camcorder and broadcast files: MPEG transport streams (also M2TS) with
// H.264, program streams and bare streams with MPEG-2, in open and closed
// GOPs. These
// containers have no index, so every frame must still come out right
// after any jump, the first GOP included.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "frame_code.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie_generator.h"
#include "test_folder.h"

namespace kinovex {
namespace {

using testing::TestCodec;
using testing::TestMovieRecipe;

struct StreamCase {
  const char* name;
  TestMovieRecipe request;
};

void PrintTo(const StreamCase& stream, std::ostream* out) {
  *out << stream.name;
}

// Three GOPs of a second (30 frames) with B-frames, as camcorders write.
StreamCase Case(const char* name, const char* file, TestCodec codec, bool openGop) {
  StreamCase stream{name, {}};
  stream.request.path = file;
  stream.request.codec = codec;
  stream.request.openGop = openGop;
  stream.request.gop = 30;
  stream.request.bFrames = codec == TestCodec::kH264 ? 3 : 2;
  stream.request.frameCount = 90;
  if (codec == TestCodec::kMpeg2) {
    stream.request.timeScale = 30;
    stream.request.frameDuration = 1;
  }
  return stream;
}

std::vector<StreamCase> Cases() {
  std::vector<StreamCase> cases;
  if (testing::HasH264Encoder()) {
    cases.push_back(Case("H264ClosedGopTs", "c.ts", TestCodec::kH264, false));
    cases.push_back(Case("H264OpenGopTs", "o.ts", TestCodec::kH264, true));
    cases.push_back(Case("H264OpenGopM2ts", "o.m2ts", TestCodec::kH264, true));
  }
  cases.push_back(Case("Mpeg2ClosedGopPs", "c.mpg", TestCodec::kMpeg2, false));
  cases.push_back(Case("Mpeg2OpenGopPs", "o.mpg", TestCodec::kMpeg2, true));
  cases.push_back(Case("Mpeg2OpenGopBare", "o.m2v", TestCodec::kMpeg2, true));
  return cases;
}

// The frame numbers of every picture the ffmpeg tool decodes from the file,
// in order; empty when the tool is not installed.
std::vector<int> FramesOfTheFfmpegTool(const TestMovieRecipe& request) {
  const std::string command =
      "ffmpeg -nostdin -v error -i '" + request.path + "' -f rawvideo -pix_fmt rgb24 - 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::vector<int> numbers;
  if (!pipe) {
    return numbers;
  }
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(request.width) * request.height * 3);
  while (std::fread(rgb.data(), 1, rgb.size(), pipe.get()) == rgb.size()) {
    numbers.push_back(testing::ReadFrameCode(rgb.data(), request.width, request.height));
  }
  return numbers;
}

class SystemStreamTest : public ::testing::TestWithParam<StreamCase> {
 protected:
  void SetUp() override {
    request_ = GetParam().request;
    request_.path = folder_.File(request_.path);
    generated_ = testing::MakeTestMovie(request_);
    ASSERT_TRUE(generated_.ok) << generated_.error;
  }

  std::unique_ptr<TdvVideoMovie> Open(std::size_t cacheBytes = 64 * 1024) {
    TdvFfmpegVideoLibrary library(TdvFfmpegOptions{.cacheBytes = cacheBytes});
    auto result = library.VideoOpen(request_.path, nullptr);
    EXPECT_TRUE(result.movie) << result.detail;
    return std::move(result.movie);
  }

  static int FrameShown(TdvVideoMovie& movie, std::size_t index) {
    TdvVideoImage image;
    if (!movie.VideoFrameImage(movie.VideoFrameTimes()[index], image)) {
      return -2;
    }
    return testing::ReadFrameCode(image.rgb.data(), image.width, image.height);
  }

  // Shows the frames in that order, each on a movie that has just shown
  // the frame before it in the order.
  static void ExpectEachShowsItself(TdvVideoMovie& movie, const std::vector<std::size_t>& order) {
    for (std::size_t index : order) {
      EXPECT_EQ(FrameShown(movie, index), static_cast<int>(index)) << "frame " << index;
    }
  }

  testing::TestFolder folder_;
  TestMovieRecipe request_;
  testing::GeneratedMovie generated_;
};

// Bare MPEG video counts time on a scale of its own: times are compared
// in seconds, exactly.
TEST_P(SystemStreamTest, FrameListIsTheOneWritten) {
  auto movie = Open();
  ASSERT_TRUE(movie);
  const std::int64_t ours = movie->VideoTimeScale();
  const std::int64_t written = generated_.timeScale;
  const auto& times = movie->VideoFrameTimes();
  ASSERT_EQ(times.size(), generated_.frameTimes.size());
  for (std::size_t i = 0; i < times.size(); ++i) {
    EXPECT_EQ(times[i] * written, generated_.frameTimes[i] * ours) << "frame " << i;
  }
  EXPECT_GT(movie->VideoDuration(), times.back());
}

// Backward and at random, most frames are reached by a jump (the cache is
// small), those of the first GOP too: it has no keyframe before it to
// retry from.
TEST_P(SystemStreamTest, EveryFrameInOrderBackwardAndAtRandom) {
  auto movie = Open();
  ASSERT_TRUE(movie);
  const std::size_t count = movie->VideoFrameTimes().size();
  std::vector<std::size_t> order(count);
  for (std::size_t i = 0; i < count; ++i) {
    order[i] = i;
  }
  SCOPED_TRACE("in order");
  ExpectEachShowsItself(*movie, order);
  {
    SCOPED_TRACE("backward");
    ExpectEachShowsItself(*Open(), {order.rbegin(), order.rend()});
  }
  SCOPED_TRACE("at random");
  std::shuffle(order.begin(), order.end(), std::mt19937(5));
  ExpectEachShowsItself(*Open(), order);
}

TEST_P(SystemStreamTest, PicturesAreTheOnesTheFfmpegToolDecodes) {
  const std::vector<int> reference = FramesOfTheFfmpegTool(request_);
  if (reference.empty()) {
    GTEST_SKIP() << "the ffmpeg tool is not installed";
  }
  auto movie = Open(64 << 20);
  ASSERT_TRUE(movie);
  std::vector<int> ours;
  for (std::size_t i = 0; i < movie->VideoFrameTimes().size(); ++i) {
    ours.push_back(FrameShown(*movie, i));
  }
  EXPECT_EQ(ours, reference);
}

INSTANTIATE_TEST_SUITE_P(Streams, SystemStreamTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kinovex
