// Files that are not movies, or damaged ones: a clear refusal, or the
// frames that can still be decoded; never a crash or a hang.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frame_code.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie_generator.h"
#include "test_folder.h"

namespace kinovex {
namespace {

using testing::TestCodec;
using testing::TestMovieRecipe;

class BrokenInputTest : public ::testing::Test {
 protected:
  TdvVideoOpenResult Open(const std::string& path) { return library_.VideoOpen(path, nullptr); }

  std::string Generate(const std::string& name, TestMovieRecipe request = {}) {
    request.path = folder_.File(name);
    generated_ = testing::MakeTestMovie(request);
    EXPECT_TRUE(generated_.ok) << generated_.error;
    return request.path;
  }

  // Every listed frame is one the generator wrote, and shows its own
  // picture or, when it cannot be decoded, an earlier one; answers how many
  // showed their own.
  std::size_t CheckFrames(TdvVideoMovie& movie) const {
    std::size_t exact = 0;
    const auto& written = generated_.frameTimes;
    for (MovieTime time : movie.VideoFrameTimes()) {
      auto at = std::find(written.begin(), written.end(), time);
      EXPECT_NE(at, written.end()) << "no frame was written at " << time;
      const int number = static_cast<int>(at - written.begin());
      TdvVideoImage image;
      if (!movie.VideoFrameImage(time, image)) {
        continue;
      }
      int shown = testing::ReadFrameCode(image.rgb.data(), image.width, image.height);
      EXPECT_LE(shown, number) << "time " << time;
      exact += shown == number;
    }
    return exact;
  }

  testing::TestFolder folder_;
  testing::GeneratedMovie generated_;
  TdvFfmpegVideoLibrary library_;
};

// QuickTime files written in one pass keep their index at the end: cut
// before it, the file is refused; cut inside it, the file is refused or
// shows what the rest of the index describes.
TEST_F(BrokenInputTest, TruncatedQuickTimeWithIndexAtTheEnd) {
  const std::string full = Generate("full.mov");
  const auto size = std::filesystem::file_size(full);
  for (double part : {0.01, 0.3, 0.6, 0.9, 0.99}) {
    const std::string cut = folder_.File("cut.mov");
    ASSERT_TRUE(testing::TruncatedCopy(full, cut, std::uint64_t(size * part)));
    auto result = Open(cut);
    if (part < 0.7) {
      EXPECT_FALSE(result.movie) << part;
    }
    if (result.movie) {
      CheckFrames(*result.movie);
    } else {
      EXPECT_EQ(result.error, TdvVideoOpenError::kNotAMovie) << part;
      EXPECT_FALSE(result.detail.empty());
    }
  }
}

TEST_F(BrokenInputTest, CorruptPacketsNeitherCrashNorHideTheGoodFrames) {
  TestMovieRecipe request;
  request.gop = 5;
  request.bFrames = 2;
  const std::string path = Generate("damaged.mp4", request);
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  const auto size = std::filesystem::file_size(path);
  // The samples come first in this file and its index last: scribble over
  // samples only.
  for (std::uint64_t at = size / 4; at < size / 2; at += 37) {
    file.seekp(static_cast<std::streamoff>(at));
    file.put('\x5A');
  }
  file.close();
  auto result = Open(path);
  ASSERT_TRUE(result.movie) << result.detail;
  EXPECT_EQ(result.movie->VideoFrameTimes(), generated_.frameTimes);
  EXPECT_GT(CheckFrames(*result.movie), 10u);
}

TEST_F(BrokenInputTest, TimesBeyondThirtyTwoBitsAreRefused) {
  TestMovieRecipe request;
  request.codec = TestCodec::kMjpeg;
  request.timeScale = 90000;
  request.frameTimes = {0, 2'000'000'000, 2'200'000'000};
  auto result = Open(Generate("long.mov", request));
  EXPECT_FALSE(result.movie);
  EXPECT_EQ(result.error, TdvVideoOpenError::kTimesTooLarge);
}

}  // namespace
}  // namespace kinovex
