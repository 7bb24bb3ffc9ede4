#include "movie/frame_picture.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace kinovex {

shell::Picture FramePicture(const TdvVideoImage& image, std::vector<shell::Rgb> storage) {
  const std::size_t count = static_cast<std::size_t>(std::max(image.width, 0)) *
                            static_cast<std::size_t>(std::max(image.height, 0));
  if (count == 0 || image.rgb.size() < count * 3) {
    return shell::Picture();  // a frame cut short is no picture at all
  }
  storage.resize(count);
  // A colour is 0x00BBGGRR: on a little-endian machine the four bytes from
  // a pixel's red on, with the next pixel's red masked off. The last pixel
  // has no fourth byte after it.
  static_assert(std::endian::native == std::endian::little);
  const std::uint8_t* source = image.rgb.data();
  for (std::size_t i = 0; i + 1 < count; ++i) {
    std::uint32_t word;
    std::memcpy(&word, source + 3 * i, sizeof word);
    storage[i] = word & 0xFFFFFFu;
  }
  const std::uint8_t* last = source + 3 * (count - 1);
  storage[count - 1] = shell::MakeRgb(last[0], last[1], last[2]);
  return shell::Picture(image.width, image.height, std::move(storage));
}

}  // namespace kinovex
