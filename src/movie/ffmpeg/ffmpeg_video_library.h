#pragma once

#include <cstddef>
#include <string>

#include "movie/ffmpeg/movie_memory.h"
#include "movie/video_library.h"

namespace kinovex {

struct TdvFfmpegOptions {
  std::size_t cacheBytes = kDefaultFrameCacheBytes;
  // Two decoding threads beat the automatic choice on a two-core machine.
  int decoderThreads = 2;
  // Take frame times from a QuickTime/MP4 sample index when there is one,
  // instead of reading every packet.
  bool useSampleIndex = true;
  // Silence FFmpeg's own console messages (damaged files print many).
  bool quiet = true;
};

class TdvFfmpegVideoLibrary : public TdvVideoLibrary {
 public:
  explicit TdvFfmpegVideoLibrary(TdvFfmpegOptions options = {});

  TdvVideoOpenResult VideoOpen(const std::string& path, const TdvVideoProgress& progress) override;

 private:
  TdvVideoOpenResult Open(const std::string& path, const TdvVideoProgress& progress,
                          bool useSampleIndex);

  TdvFfmpegOptions options_;
};

}  // namespace kinovex
