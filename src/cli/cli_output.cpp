#include "cli/cli_output.h"

#include <cstdio>

namespace kinovex::cli {

std::string SecondsText(MovieTime time, MovieTime timeScale) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", static_cast<double>(time) / timeScale);
  return text;
}

void PrintMovieInfo(std::ostream& out, const TdvVideoMovie& movie) {
  const TdvVideoMovieInfo& info = movie.Info();
  out << "size: " << info.naturalWidth << " x " << info.naturalHeight << '\n';
  out << "time scale: " << info.timeScale << '\n';
  out << "duration: " << info.duration << " (" << SecondsText(info.duration, info.timeScale)
      << " s)\n";
  out << "frames: " << info.frameTimes.size() << '\n';
  out << "codec: " << info.codecName << '\n';
}

void PrintFrameTimes(std::ostream& out, const TdvVideoMovie& movie) {
  const MovieTime scale = movie.VideoTimeScale();
  for (MovieTime time : movie.VideoFrameTimes()) {
    out << time << '\t' << SecondsText(time, scale) << '\n';
  }
}

}  // namespace kinovex::cli
