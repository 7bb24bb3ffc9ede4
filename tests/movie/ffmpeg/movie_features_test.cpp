// Display geometry, user data, opening progress and the frame cache.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "frame_code.h"
#include "movie/ffmpeg/ffmpeg_movie.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/ffmpeg/frame_converter.h"
#include "movie_generator.h"
#include "test_folder.h"

namespace kinovex {
namespace {

using testing::TestCodec;
using testing::TestMovieRecipe;

class MovieFeaturesTest : public ::testing::Test {
 protected:
  std::unique_ptr<TdvVideoMovie> Make(const std::string& name, TestMovieRecipe request,
                                      TdvFfmpegOptions options = {}) {
    request.path = folder_.File(name);
    auto generated = testing::MakeTestMovie(request);
    EXPECT_TRUE(generated.ok) << generated.error;
    TdvFfmpegVideoLibrary library(options);
    auto result = library.VideoOpen(request.path, nullptr);
    EXPECT_TRUE(result.movie) << result.detail;
    return std::move(result.movie);
  }

  testing::TestFolder folder_;
};

// A phone holds portrait video as a landscape picture turned on display.
TEST_F(MovieFeaturesTest, StoredRotationShowsThePictureUpright) {
  for (int degrees : {90, 180, 270}) {
    TestMovieRecipe request;
    request.rotationDegrees = degrees;
    auto movie = Make("turned.mp4", request);
    ASSERT_TRUE(movie);
    const bool sideways = degrees % 180 != 0;
    EXPECT_EQ(movie->VideoNaturalBox().Width(), sideways ? 120 : 160) << degrees;
    EXPECT_EQ(movie->VideoNaturalBox().Height(), sideways ? 160 : 120) << degrees;
    TdvVideoImage image;
    ASSERT_TRUE(movie->VideoFrameImage(movie->VideoFrameTimes()[7], image));
    // Turning the picture back must bring the frame code to the top left.
    std::vector<std::uint8_t> back(image.rgb.size());
    RotateRgb(image.rgb.data(), image.width, image.height, 360 - degrees, back.data());
    EXPECT_EQ(testing::ReadFrameCode(back.data(), 160, 120), 7) << degrees;
  }
}

// The tracker reads the decoder's grey levels where they are the picture as
// shown; a turned or stretched picture must come as RGB instead.
TEST_F(MovieFeaturesTest, GreyLevelsComeStraightFromTheDecoderOnlyForAPlainPicture) {
  struct Case {
    int degrees, aspectNum;
    bool plain;
  };
  for (const Case c : {Case{0, 1, true}, Case{90, 1, false}, Case{0, 2, false}}) {
    SCOPED_TRACE(::testing::Message() << c.degrees << " degrees, aspect " << c.aspectNum);
    TestMovieRecipe request;
    request.rotationDegrees = c.degrees;
    request.aspectNum = c.aspectNum;
    auto movie = Make("grey.mp4", request);
    ASSERT_TRUE(movie);
    const MovieTime time = movie->VideoFrameTimes()[7];
    TdvVideoLuma luma;
    ASSERT_EQ(movie->VideoFrameLuma(time, luma), c.plain);
    if (!c.plain) {
      continue;
    }
    TdvVideoImage image;
    ASSERT_TRUE(movie->VideoFrameImage(time, image));
    ASSERT_EQ(std::pair(luma.width, luma.height), std::pair(image.width, image.height));
    // Video luma runs from 16 to 235; the RGB picture is made from it.
    double differences = 0;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const std::uint8_t* rgb = image.Pixel(x, y);
        const double grey = 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2];
        const double level = (luma.levels[y * luma.rowBytes + x] - 16) * 255.0 / 219;
        differences += std::abs(grey - level);
      }
    }
    EXPECT_LE(differences / (image.width * image.height), 1.5);
  }
}

TEST_F(MovieFeaturesTest, CacheStaysWithinItsBudget) {
  const std::size_t budget = 150 * 1024;
  TestMovieRecipe request;
  request.gop = 30;
  auto movie = Make("cached.mp4", request, TdvFfmpegOptions{.cacheBytes = budget});
  ASSERT_TRUE(movie);
  auto* ffmpeg = dynamic_cast<TdvFfmpegMovie*>(movie.get());
  ASSERT_NE(ffmpeg, nullptr);
  TdvVideoImage image;
  for (MovieTime time : movie->VideoFrameTimes()) {
    ASSERT_TRUE(movie->VideoFrameImage(time, image));
    EXPECT_LE(ffmpeg->Cache().Bytes(), budget);
  }
  EXPECT_GT(ffmpeg->Cache().Count(), 1u);
  EXPECT_LT(ffmpeg->Cache().Count(), 30u);
}

}  // namespace
}  // namespace kinovex
