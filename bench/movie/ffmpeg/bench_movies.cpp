#include "bench_movies.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "movie_generator.h"

namespace kinovex::bench {
namespace {

std::string Make(testing::TestMovieRecipe request, const std::string& name) {
  request.path = (std::filesystem::temp_directory_path() / name).string();
  if (!std::filesystem::exists(request.path)) {
    std::fprintf(stderr, "making %s...\n", request.path.c_str());
    auto movie = testing::MakeTestMovie(request);
    if (!movie.ok) {
      std::fprintf(stderr, "cannot make %s: %s\n", request.path.c_str(), movie.error.c_str());
      std::exit(1);
    }
  }
  return request.path;
}

}  // namespace

std::string MovieOf(int width, int height, const std::string& extension) {
  testing::TestMovieRecipe request;
  request.width = width;
  request.height = height;
  request.codec =
      testing::HasH264Encoder() ? testing::TestCodec::kH264 : testing::TestCodec::kMpeg4;
  request.timeScale = 30;
  request.frameDuration = 1;
  request.frameCount = 300;
  request.gop = 250;
  request.bFrames = 3;
  request.texturedBackground = true;
  request.ball =
      testing::ThrownBall(width * 0.1, height * 0.8, width * 0.5, height * 1.2, height * 1.3);
  request.ballRadius = height / 40;
  request.scaleBarLength = width / 4;
  const char* codec = request.codec == testing::TestCodec::kH264 ? "h264" : "mpeg4";
  return Make(request, "kinovex-bench-" + std::to_string(height) + "p-" + codec + "." + extension);
}

std::string HourLongMovie() {
  testing::TestMovieRecipe request;
  request.width = 128;
  request.height = 32;
  request.timeScale = 30;
  request.frameDuration = 1;
  request.frameCount = 30 * 3600;
  request.gop = 250;
  return Make(request, "kinovex-bench-hour.mp4");
}

}  // namespace kinovex::bench
