#include "shell/gfx_types.h"

#include <algorithm>
#include <utility>

namespace shell {

Picture::Picture(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Picture::Picture(int width, int height, std::vector<Rgb> pixels)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), pixels_(std::move(pixels)) {
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kWhite);
}

Rgb Picture::At(int x, int y) const {
  if (!Contains(x, y)) {
    return kWhite;
  }
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

void Picture::Set(int x, int y, Rgb colour) {
  if (Contains(x, y)) {
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(x)] = colour;
  }
}

void Picture::Fill(Rgb colour) {
  std::fill(pixels_.begin(), pixels_.end(), colour);
}

}  // namespace shell
