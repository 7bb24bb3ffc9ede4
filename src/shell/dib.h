#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/gfx_types.h"

// A device-independent bitmap as printers take it: a 40-byte header, a
// colour table for 1, 4 and 8 bits per pixel, then bottom-up rows padded to
// 32 bits.
struct TdvDib {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 24;
  std::vector<shell::Rgb> colourTable;
  std::vector<std::uint8_t> bits;

  static constexpr int kHeaderSize = 40;
  int RowBytes() const { return ((width * bitsPerPixel + 31) / 32) * 4; }
  // Header and colour table, in bytes.
  int InfoSize() const { return kHeaderSize + static_cast<int>(colourTable.size()) * 4; }
};

// Bits per pixel of a DIB for a device with the given planes × bits.
int DibBitsPerPixel(int deviceBits);

// Converts a rendered window into a 24-bit DIB, appending a line to the
// trace file before each step. None when the picture is empty or too large
// to hold.
std::optional<TdvDib> ConvertToDib(const shell::Picture& picture, const std::string& tracePath);

// The picture a 24-bit DIB holds.
shell::Picture PictureFromDib(const TdvDib& dib);
