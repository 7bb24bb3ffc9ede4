#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kinovex {

// A time in the movie's own units; the movie's time scale gives units per
// second. Frame keys are these times, so they must fit 32 bits.
using MovieTime = std::int32_t;

// Four-character type of a user-data item, as the four bytes stored in the
// file (the copyright sign of "©KXC" is the single byte 0xA9).
struct TdvFourCharCode {
  char bytes[4];

  static TdvFourCharCode FromBytes(const char* text) {
    return TdvFourCharCode{{text[0], text[1], text[2], text[3]}};
  }
  bool operator==(const TdvFourCharCode&) const = default;
};

inline constexpr TdvFourCharCode kEmbeddedDocumentType{{'\xA9', 'K', 'X', 'C'}};

struct TdvVideoPoint {
  int x = 0;
  int y = 0;
};

// (left, top, right, bottom) in pixels.
struct TdvVideoRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(TdvVideoPoint p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
};

// The grey levels (luma) of a decoded picture as the decoder left them,
// rows top to bottom, rowBytes apart; valid until the movie's next call.
struct TdvVideoLuma {
  const std::uint8_t* levels = nullptr;
  int width = 0;
  int height = 0;
  int rowBytes = 0;
};

// A picture as 8-bit RGB triples, rows top to bottom without padding.
struct TdvVideoImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;

  const std::uint8_t* Pixel(int x, int y) const {
    return rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
  }
};

// Called while a long movie is being opened with the fraction done (0..1).
// Answering false cancels the opening.
using TdvVideoProgress = std::function<bool(double fraction)>;

}  // namespace kinovex
