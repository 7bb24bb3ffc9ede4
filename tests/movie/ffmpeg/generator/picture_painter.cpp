#include "picture_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "frame_code.h"

namespace kinovex::testing {
namespace {

constexpr std::uint8_t kBackground = 48;
constexpr std::uint8_t kBall[3] = {230, 200, 60};
constexpr std::uint8_t kSecondBall[3] = {220, 205, 70};
constexpr int kStripedBarWidth = 4;
constexpr int kStripeHeight = 8;
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

// Each pixel is mixed with the ball's colour by the share of its samples
// that the ball covers: one sample at the pixel's centre for a hard ball, a
// grid of them for a soft one, at instants across the exposure for a blurred
// one.
void PaintBall(const TestMovieRecipe& request, const std::function<BallSpot(double)>& path,
               double seconds, const std::uint8_t* colour, std::vector<std::uint8_t>& rgb) {
  const int instants = request.exposureSeconds > 0 ? 9 : 1;
  const int grid = request.softBall || instants > 1 ? 8 : 1;
  std::vector<BallSpot> spots;
  for (int i = 0; i < instants; ++i) {
    spots.push_back(path(seconds + request.exposureSeconds * ((i + 0.5) / instants - 0.5)));
  }
  const auto [left, right] = std::minmax_element(spots.begin(), spots.end(),
                                                 [](BallSpot a, BallSpot b) { return a.x < b.x; });
  const auto [top, bottom] = std::minmax_element(spots.begin(), spots.end(),
                                                 [](BallSpot a, BallSpot b) { return a.y < b.y; });
  const double r = request.ballRadius;
  for (int y = std::max(0, int(top->y - r)); y <= std::min(request.height - 1, int(bottom->y + r));
       ++y) {
    for (int x = std::max(0, int(left->x - r)); x <= std::min(request.width - 1, int(right->x + r));
         ++x) {
      int inside = 0;
      for (const BallSpot& spot : spots) {
        for (int k = 0; k < grid * grid; ++k) {
          const double dx = x + (k % grid + 0.5) / grid - spot.x;
          const double dy = y + (k / grid + 0.5) / grid - spot.y;
          inside += dx * dx + dy * dy <= r * r;
        }
      }
      const double cover = double(inside) / (instants * grid * grid);
      std::uint8_t* pixel = rgb.data() + (static_cast<long>(y) * request.width + x) * 3;
      for (int c = 0; c < 3; ++c) {
        pixel[c] =
            static_cast<std::uint8_t>(std::lround(pixel[c] + cover * (colour[c] - pixel[c])));
      }
    }
  }
}

// Red and white stripes across an upright bar, as on a metre stick standing
// beside the flight.
void PaintStripedBar(const TestMovieRecipe& request, std::vector<std::uint8_t>& rgb) {
  for (int y = 0; y < request.height; ++y) {
    const std::uint8_t* colour = (y / kStripeHeight) % 2 == 0 ? kBar : kBarStripe;
    for (int x = request.stripedBarLeft;
         x < std::min(request.width, request.stripedBarLeft + kStripedBarWidth); ++x) {
      Put(rgb, request.width, x, y, colour);
    }
  }
}

// Scales the brightness slowly over time and adds sensor noise, the same to
// the three channels so that it has the requested deviation in grey.
void PaintLightAndNoise(const TestMovieRecipe& request, int frameNumber, double seconds,
                        std::vector<std::uint8_t>& rgb) {
  const double gain =
      1.0 + request.brightnessSwing * std::sin(2.0 * std::numbers::pi * seconds / 3.0);
  std::mt19937 random(static_cast<std::uint32_t>(frameNumber) + 1);
  std::normal_distribution<double> noise(0.0, request.noiseSigma);
  for (std::size_t i = 0; i < rgb.size(); i += 3) {
    const double added = request.noiseSigma > 0 ? noise(random) : 0.0;
    for (std::size_t c = i; c < i + 3; ++c) {
      rgb[c] = static_cast<std::uint8_t>(std::clamp(std::lround(rgb[c] * gain + added), 0L, 255L));
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
  if (request.stripedBarLeft >= 0) {
    PaintStripedBar(request, rgb);
  }
  if (request.secondBall) {
    PaintBall(request, request.secondBall, seconds, kSecondBall, rgb);
  }
  if (request.ball) {
    PaintBall(request, request.ball, seconds, kBall, rgb);
  }
  if (request.scaleBarLength > 0) {
    PaintScaleBar(request, rgb);
  }
  if (request.noiseSigma > 0 || request.brightnessSwing != 0) {
    PaintLightAndNoise(request, frameNumber, seconds, rgb);
  }
  if (request.frameCode) {
    PaintFrameCode(rgb.data(), request.width, frameNumber);
  }
}

}  // namespace kinovex::testing
