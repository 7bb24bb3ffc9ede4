#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace kinovex {

// What an MPEG-1/2 video packet says about its place in display order: the
// temporal reference counts pictures in display order from the start of
// their GOP. Program streams time only some pictures, so this is where the
// others stand.
struct TdvMpegPictureHeader {
  bool startsGop = false;
  int temporalReference = 0;
};

// No value when the packet holds no picture header.
std::optional<TdvMpegPictureHeader> ReadMpegPictureHeader(const std::uint8_t* data,
                                                          std::size_t size);

}  // namespace kinovex
