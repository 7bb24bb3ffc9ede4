#include "bench_movies.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "movie_generator.h"

namespace kinovex::bench {
namespace {

std::string Make(testing::TestMovieSpec spec, const std::string& name) {
  spec.path = (std::filesystem::temp_directory_path() / name).string();
  if (!std::filesystem::exists(spec.path)) {
    std::fprintf(stderr, "making %s...\n", spec.path.c_str());
    auto movie = testing::MakeTestMovie(spec);
    if (!movie.ok) {
      std::fprintf(stderr, "cannot make %s: %s\n", spec.path.c_str(), movie.error.c_str());
      std::exit(1);
    }
  }
  return spec.path;
}

}  // namespace

std::string MovieOf(int width, int height, const std::string& extension) {
  testing::TestMovieSpec spec;
  spec.width = width;
  spec.height = height;
  spec.codec = testing::HasH264Encoder() ? testing::TestCodec::kH264 : testing::TestCodec::kMpeg4;
  spec.timeScale = 30;
  spec.frameDuration = 1;
  spec.frameCount = 300;
  spec.gop = 250;
  spec.bFrames = 3;
  spec.texturedBackground = true;
  spec.ball =
      testing::ThrownBall(width * 0.1, height * 0.8, width * 0.5, height * 1.2, height * 1.3);
  spec.ballRadius = height / 40;
  spec.scaleBarLength = width / 4;
  const char* codec = spec.codec == testing::TestCodec::kH264 ? "h264" : "mpeg4";
  return Make(spec, "kinovex-bench-" + std::to_string(height) + "p-" + codec + "." + extension);
}

std::string HourLongMovie() {
  testing::TestMovieSpec spec;
  spec.width = 128;
  spec.height = 32;
  spec.timeScale = 30;
  spec.frameDuration = 1;
  spec.frameCount = 30 * 3600;
  spec.gop = 250;
  return Make(spec, "kinovex-bench-hour.mp4");
}

}  // namespace kinovex::bench
