#include "movie/ffmpeg/mpeg_picture_order.h"

namespace kinovex {
namespace {

constexpr std::uint8_t kPictureStart = 0x00;
constexpr std::uint8_t kGopStart = 0xB8;

}  // namespace

std::optional<TdvMpegPictureHeader> ReadMpegPictureHeader(const std::uint8_t* data,
                                                          std::size_t size) {
  TdvMpegPictureHeader header;
  for (std::size_t i = 0; i + 5 < size; ++i) {
    if (data[i] != 0 || data[i + 1] != 0 || data[i + 2] != 1) {
      continue;
    }
    if (data[i + 3] == kGopStart) {
      header.startsGop = true;
    } else if (data[i + 3] == kPictureStart) {
      header.temporalReference = (data[i + 4] << 2) | (data[i + 5] >> 6);
      return header;
    }
  }
  return std::nullopt;
}

}  // namespace kinovex
