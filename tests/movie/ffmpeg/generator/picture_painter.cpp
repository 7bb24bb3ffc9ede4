#include "picture_painter.h"

#include <algorithm>

#include "frame_code.h"

namespace kinovex::testing {
namespace {

constexpr std::uint8_t kBackground = 48;
constexpr std::uint8_t kBall[3] = {230, 200, 60};
constexpr std::uint8_t kBar[3] = {220, 40, 40};
constexpr std::uint8_t kBarStripe[3] = {240, 240, 240};
constexpr int kBarThickness = 4;
constexpr int kBarMargin = 6;

void Put(std::vector<std::uint8_t>& rgb, int width, int x, int y, const std::uint8_t* colour) {
  std::uint8_t* pixel = rgb.data() + (static_cast<long>(y) * width + x) * 3;
  std::copy(colour, colour + 3, pixel);
}

// Fixed pseudo-random texture, shifted by two pixels a frame.
void PaintTexture(const TestMovieRecipe& request, int frameNumber, std::vector<std::uint8_t>& rgb) {
  for (int y = 0; y < request.height; ++y) {
    for (int x = 0; x < request.width; ++x) {
      std::uint32_t h = static_cast<std::uint32_t>(x + 2 * frameNumber) * 0x9E3779B1u ^
                        static_cast<std::uint32_t>(y / 2) * 0x85EBCA77u;
      h ^= h >> 15;
      h *= 0x2C1B3C6Du;
      h ^= h >> 12;
      std::uint8_t* pixel = rgb.data() + (static_cast<long>(y) * request.width + x) * 3;
      pixel[0] = static_cast<std::uint8_t>(kBackground + (h & 63));
      pixel[1] = static_cast<std::uint8_t>(kBackground + ((h >> 8) & 63));
      pixel[2] = static_cast<std::uint8_t>(kBackground + ((h >> 16) & 63));
    }
  }
}

void PaintBall(const TestMovieRecipe& request, double seconds, std::vector<std::uint8_t>& rgb) {
  const BallSpot spot = request.ball(seconds);
  const int r = request.ballRadius;
  for (int y = std::max(0, int(spot.y) - r); y <= std::min(request.height - 1, int(spot.y) + r);
       ++y) {
    for (int x = std::max(0, int(spot.x) - r); x <= std::min(request.width - 1, int(spot.x) + r);
         ++x) {
      const double dx = x + 0.5 - spot.x;
      const double dy = y + 0.5 - spot.y;
      if (dx * dx + dy * dy <= double(r) * r) {
        Put(rgb, request.width, x, y, kBall);
      }
    }
  }
}

void PaintScaleBar(const TestMovieRecipe& request, std::vector<std::uint8_t>& rgb) {
  const int left = std::clamp(request.scaleBarLeft, 0, request.width);
  const int length = std::min(request.scaleBarLength, request.width - left - kBarMargin);
  const int top = request.height - kBarMargin - kBarThickness;
  for (int y = std::max(0, top); y < top + kBarThickness && y < request.height; ++y) {
    for (int x = left; x < left + length; ++x) {
      const bool light =
          request.scaleBarStripes > 0 && (x - left) * request.scaleBarStripes / length % 2 == 1;
      Put(rgb, request.width, x, y, light ? kBarStripe : kBar);
    }
  }
}

}  // namespace

void PaintTestPicture(const TestMovieRecipe& request, int frameNumber, double seconds,
                      std::vector<std::uint8_t>& rgb) {
  rgb.assign(static_cast<std::size_t>(request.width) * request.height * 3, kBackground);
  if (request.texturedBackground) {
    PaintTexture(request, frameNumber, rgb);
  }
  if (request.ball) {
    PaintBall(request, seconds, rgb);
  }
  if (request.scaleBarLength > 0) {
    PaintScaleBar(request, rgb);
  }
  if (request.frameCode) {
    PaintFrameCode(rgb.data(), request.width, frameNumber);
  }
}

}  // namespace kinovex::testing
