#include "frame_code.h"

namespace kinovex::testing {
namespace {

constexpr int kDark = 0;
constexpr int kLight = 255;
constexpr int kUnsure = 64;  // distance from black or white still read as a bit

int Luma(const std::uint8_t* pixel) {
  return (pixel[0] * 3 + pixel[1] * 6 + pixel[2]) / 10;
}

}  // namespace

void PaintFrameCode(std::uint8_t* rgb, int width, int number) {
  for (int bit = 0; bit < kCodeColumns * kCodeRows; ++bit) {
    const std::uint8_t value = ((number >> bit) & 1) ? kLight : kDark;
    const int left = (bit % kCodeColumns) * kCodeBlock;
    const int top = (bit / kCodeColumns) * kCodeBlock;
    for (int y = top; y < top + kCodeBlock; ++y) {
      for (int x = left; x < left + kCodeBlock; ++x) {
        std::uint8_t* pixel = rgb + (static_cast<long>(y) * width + x) * 3;
        pixel[0] = pixel[1] = pixel[2] = value;
      }
    }
  }
}

int ReadFrameCode(const std::uint8_t* rgb, int width, int height) {
  if (width < kCodeWidth || height < kCodeHeight) {
    return -1;
  }
  int number = 0;
  for (int bit = 0; bit < kCodeColumns * kCodeRows; ++bit) {
    // Average the middle of the block, away from edges that compression blurs.
    const int left = (bit % kCodeColumns) * kCodeBlock + kCodeBlock / 4;
    const int top = (bit / kCodeColumns) * kCodeBlock + kCodeBlock / 4;
    int sum = 0;
    for (int y = top; y < top + kCodeBlock / 2; ++y) {
      for (int x = left; x < left + kCodeBlock / 2; ++x) {
        sum += Luma(rgb + (static_cast<long>(y) * width + x) * 3);
      }
    }
    const int mean = sum / (kCodeBlock * kCodeBlock / 4);
    if (mean > kLight - kUnsure) {
      number |= 1 << bit;
    } else if (mean >= kDark + kUnsure) {
      return -1;
    }
  }
  return number;
}

}  // namespace kinovex::testing
