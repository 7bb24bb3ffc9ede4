// Display geometry, user data, opening progress and the frame cache.
#include <gtest/gtest.h>

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
using testing::TestMovieSpec;

class MovieFeaturesTest : public ::testing::Test {
 protected:
  std::unique_ptr<TdvVideoMovie> Make(const std::string& name, TestMovieSpec request,
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
    TestMovieSpec request;
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

TEST_F(MovieFeaturesTest, SampleAspectRatioWidensThePicture) {
  TestMovieSpec request;
  request.aspectNum = 2;
  request.aspectDen = 1;
  auto movie = Make("wide.mov", request);
  ASSERT_TRUE(movie);
  EXPECT_EQ(movie->VideoNaturalBox().Width(), 320);
  EXPECT_EQ(movie->VideoNaturalBox().Height(), 120);
  TdvVideoImage image;
  ASSERT_TRUE(movie->VideoFrameImage(0, image));
  EXPECT_EQ(image.width, 320);
  EXPECT_EQ(image.rgb.size(), 320u * 120 * 3);
}

TEST_F(MovieFeaturesTest, EmbeddedDocumentIsReadBackExactly) {
  TestMovieSpec request;
  request.codec = TestCodec::kMjpeg;
  request.embeddedDocument = "2 1 2\n;H b 10 1 i 20 3 s 20 \"toss.mov\";\n\xB5 and tabs\t;";
  auto movie = Make("carrier.mov", request);
  ASSERT_TRUE(movie);
  EXPECT_EQ(movie->VideoUserText(kEmbeddedDocumentType), request.embeddedDocument);
  EXPECT_EQ(movie->VideoUserText(TdvFourCharCode::FromBytes("\xA9nam")), std::nullopt);
}

TEST_F(MovieFeaturesTest, MoviesWithoutUserDataAnswerNothing) {
  auto quickTime = Make("plain.mov", TestMovieSpec{});
  auto matroska = Make("plain.mkv", TestMovieSpec{});
  ASSERT_TRUE(quickTime && matroska);
  EXPECT_EQ(quickTime->VideoUserText(kEmbeddedDocumentType), std::nullopt);
  EXPECT_EQ(matroska->VideoUserText(kEmbeddedDocumentType), std::nullopt);
}

class OpeningProgressTest : public MovieFeaturesTest {
 protected:
  void SetUp() override {
    spec_.path = folder_.File("long.avi");
    spec_.codec = TestCodec::kMjpeg;
    spec_.width = 128;
    spec_.height = 32;
    spec_.frameCount = 1500;
    ASSERT_TRUE(testing::MakeTestMovie(spec_).ok);
  }
  TestMovieSpec spec_;
};

TEST_F(OpeningProgressTest, ReportsGrowingFractionsWhileReadingPackets) {
  std::vector<double> reported;
  TdvFfmpegVideoLibrary library;
  auto result = library.VideoOpen(spec_.path, [&](double fraction) {
    reported.push_back(fraction);
    return true;
  });
  ASSERT_TRUE(result.movie);
  EXPECT_EQ(result.movie->VideoFrameTimes().size(), 1500u);
  ASSERT_GE(reported.size(), 2u);
  for (std::size_t i = 0; i < reported.size(); ++i) {
    EXPECT_GE(reported[i], 0.0);
    EXPECT_LE(reported[i], 1.0);
    if (i > 0) {
      EXPECT_GE(reported[i], reported[i - 1]);
    }
  }
}

TEST_F(OpeningProgressTest, AnsweringFalseCancelsTheOpening) {
  TdvFfmpegVideoLibrary library;
  auto result = library.VideoOpen(spec_.path, [](double) { return false; });
  EXPECT_FALSE(result.movie);
  EXPECT_EQ(result.error, TdvVideoOpenError::kCancelled);
}

TEST_F(MovieFeaturesTest, CacheStaysWithinItsBudget) {
  const std::size_t budget = 150 * 1024;
  TestMovieSpec request;
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

TEST_F(MovieFeaturesTest, FramesLargerThanTheBudgetStillShow) {
  auto movie = Make("tiny-cache.mp4", TestMovieSpec{}, TdvFfmpegOptions{.cacheBytes = 1});
  ASSERT_TRUE(movie);
  const auto& times = movie->VideoFrameTimes();
  TdvVideoImage image;
  for (std::size_t i : {5u, 4u, 20u, 0u, 29u}) {
    ASSERT_TRUE(movie->VideoFrameImage(times[i], image));
    EXPECT_EQ(testing::ReadFrameCode(image.rgb.data(), image.width, image.height), int(i));
  }
}

TEST_F(MovieFeaturesTest, DefaultCacheKeepsEveryFrameOfASmallMovie) {
  auto movie = Make("small.mp4", TestMovieSpec{});
  ASSERT_TRUE(movie);
  auto* ffmpeg = dynamic_cast<TdvFfmpegMovie*>(movie.get());
  TdvVideoImage image;
  for (MovieTime time : movie->VideoFrameTimes()) {
    ASSERT_TRUE(movie->VideoFrameImage(time, image));
  }
  EXPECT_EQ(ffmpeg->Cache().Count(), 30u);
}

}  // namespace
}  // namespace kinovex
