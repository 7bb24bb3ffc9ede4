// Writes a test movie from the command line, for trying the movie layer by
// hand:
//   make_test_movie OUT.(mov|mp4|avi|mkv|ts|m2ts|mpg) [--size WxH]
//     [--codec mpeg4|mjpeg|h264|mpeg2] [--frames N]
//     [--rate UNITS_PER_SECOND/UNITS_PER_FRAME] [--times T1,T2,...]
//     [--gop N] [--bframes N] [--open-gop 1] [--ball X0,Y0,VX,VY,AY] [--scale-bar PIXELS]
//     [--rotate DEGREES] [--faststart 1] [--texture 1] [--document FILE]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "movie_generator.h"

using kinovex::testing::TestCodec;
using kinovex::testing::TestMovieRecipe;

namespace {

std::vector<double> Numbers(const std::string& text) {
  std::vector<double> numbers;
  std::stringstream stream(text);
  std::string part;
  while (std::getline(stream, part, ',')) {
    numbers.push_back(std::atof(part.c_str()));
  }
  return numbers;
}

bool Apply(TestMovieRecipe& request, const std::string& option, const std::string& value) {
  if (option == "--size") {
    return std::sscanf(value.c_str(), "%dx%d", &request.width, &request.height) == 2;
  }
  if (option == "--codec") {
    request.codec = value == "mjpeg"   ? TestCodec::kMjpeg
                    : value == "h264"  ? TestCodec::kH264
                    : value == "mpeg2" ? TestCodec::kMpeg2
                                       : TestCodec::kMpeg4;
    return value == "mjpeg" || value == "h264" || value == "mpeg2" || value == "mpeg4";
  }
  if (option == "--rate") {
    return std::sscanf(value.c_str(), "%d/%d", &request.timeScale, &request.frameDuration) == 2;
  }
  if (option == "--times") {
    for (double t : Numbers(value)) {
      request.frameTimes.push_back(static_cast<std::int64_t>(t));
    }
    return !request.frameTimes.empty();
  }
  if (option == "--ball") {
    auto p = Numbers(value);
    if (p.size() != 5) {
      return false;
    }
    request.ball = kinovex::testing::ThrownBall(p[0], p[1], p[2], p[3], p[4]);
    return true;
  }
  if (option == "--texture") {
    request.texturedBackground = value == "1";
    return true;
  }
  if (option == "--open-gop") {
    request.openGop = value == "1";
    return true;
  }
  if (option == "--faststart") {
    request.fastStart = value == "1";
    return true;
  }
  if (option == "--document") {
    std::ifstream in(value, std::ios::binary);
    request.embeddedDocument.assign(std::istreambuf_iterator<char>(in), {});
    return static_cast<bool>(in) || !request.embeddedDocument.empty();
  }
  int* number = option == "--frames"      ? &request.frameCount
                : option == "--gop"       ? &request.gop
                : option == "--bframes"   ? &request.bFrames
                : option == "--scale-bar" ? &request.scaleBarLength
                : option == "--rotate"    ? &request.rotationDegrees
                                          : nullptr;
  if (!number) {
    return false;
  }
  *number = std::atoi(value.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || (argc % 2) != 0) {
    std::fprintf(stderr, "usage: %s OUT [--option value]...\n", argv[0]);
    return 1;
  }
  TestMovieRecipe request;
  request.path = argv[1];
  for (int i = 2; i + 1 < argc; i += 2) {
    if (!Apply(request, argv[i], argv[i + 1])) {
      std::fprintf(stderr, "bad option %s %s\n", argv[i], argv[i + 1]);
      return 1;
    }
  }
  auto movie = kinovex::testing::MakeTestMovie(request);
  if (!movie.ok) {
    std::fprintf(stderr, "%s\n", movie.error.c_str());
    return 2;
  }
  std::printf("time scale %d, %zu frames\n", movie.timeScale, movie.frameTimes.size());
  return 0;
}
