#pragma once

#include <cstdint>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace kinovex::bench {

// The plain libavformat/libavcodec/libswscale loop the movie library is
// measured against: no frame list, no cache.
class BaselinePlayer {
 public:
  explicit BaselinePlayer(const std::string& path);
  ~BaselinePlayer();
  BaselinePlayer(const BaselinePlayer&) = delete;
  BaselinePlayer& operator=(const BaselinePlayer&) = delete;

  bool Ok() const { return decoder_ != nullptr; }
  // Reads every packet without decoding; answers how many were video.
  std::int64_t ReadAllPackets();
  // Decodes the next picture and converts it to RGB.
  bool NextPicture();
  // Seeks backwards from `pts` and decodes up to the picture at it.
  bool SeekAndDecode(std::int64_t pts);

 private:
  bool Decode();
  void Convert();

  AVFormatContext* format_ = nullptr;
  AVCodecContext* decoder_ = nullptr;
  SwsContext* scaler_ = nullptr;
  AVPacket* packet_ = nullptr;
  AVFrame* frame_ = nullptr;
  int stream_ = -1;
  std::vector<std::uint8_t> rgb_;
};

}  // namespace kinovex::bench
