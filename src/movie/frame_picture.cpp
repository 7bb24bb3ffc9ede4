#include "movie/frame_picture.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kinovex {

shell::Picture FramePicture(const TdvVideoImage& image) {
  const std::size_t count = static_cast<std::size_t>(std::max(image.width, 0)) *
                            static_cast<std::size_t>(std::max(image.height, 0));
  if (image.rgb.size() < count * 3) {
    return shell::Picture();  // a frame cut short is no picture at all
  }
  std::vector<shell::Rgb> pixels(count);
  const std::uint8_t* source = image.rgb.data();
  for (std::size_t i = 0; i < count; ++i, source += 3) {
    pixels[i] = shell::MakeRgb(source[0], source[1], source[2]);
  }
  return shell::Picture(image.width, image.height, std::move(pixels));
}

}  // namespace kinovex
