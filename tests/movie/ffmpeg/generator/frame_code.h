#pragma once

#include <cstdint>

namespace kinovex::testing {

// The frame number is painted as 16 black or white blocks of 16x16 pixels
// (two rows of eight, least significant bit first) in the top-left corner:
// blocks that size survive lossy compression, so a test reads back which
// frame a picture is.
inline constexpr int kCodeBlock = 16;
inline constexpr int kCodeColumns = 8;
inline constexpr int kCodeRows = 2;
inline constexpr int kCodeWidth = kCodeBlock * kCodeColumns;
inline constexpr int kCodeHeight = kCodeBlock * kCodeRows;

// Paints `number` (0..65535) into an RGB picture at least kCodeWidth x
// kCodeHeight.
void PaintFrameCode(std::uint8_t* rgb, int width, int number);

// The number painted into the picture, or -1 when a block is neither
// clearly dark nor clearly light.
int ReadFrameCode(const std::uint8_t* rgb, int width, int height);

}  // namespace kinovex::testing
