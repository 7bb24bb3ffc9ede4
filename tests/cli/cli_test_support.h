#pragma once

#include <optional>
#include <string>
#include <vector>

#include "movie/video_types.h"

namespace kinovex::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the built kinovex-cli with args in `folder`, its output captured
// through files there.
CliRun RunCli(const std::vector<std::string>& args, const std::string& folder);

std::string ReadWhole(const std::string& path);

// Decodes a PNG file with FFmpeg's own decoder into RGB, so that what the
// tool writes is checked by a reader that shares nothing with it.
std::optional<TdvVideoImage> DecodePng(const std::string& path);

}  // namespace kinovex::testing
