#include "dialogs/movie_preview.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kInset = 5;

}  // namespace

shell::Rect FitMovieInArea(shell::Size movie, const shell::Rect& area) {
  const shell::Rect inset{area.left + kInset, area.top + kInset, area.right - kInset,
                          area.bottom - kInset};
  const int roomWidth = shell::RectWidth(inset);
  const int roomHeight = shell::RectHeight(inset);
  if (movie.width <= 0 || movie.height <= 0 || roomWidth <= 0 || roomHeight <= 0) {
    return {inset.left, inset.top, inset.left, inset.top};
  }
  const double scale = std::min(static_cast<double>(roomWidth) / movie.width,
                                static_cast<double>(roomHeight) / movie.height);
  const int width = static_cast<int>(std::lround(movie.width * scale));
  const int height = static_cast<int>(std::lround(movie.height * scale));
  const int left = inset.left + (roomWidth - width) / 2;
  const int top = inset.top + (roomHeight - height) / 2;
  return {left, top, left + width, top + height};
}

shell::Picture PictureOfImage(const kinovex::TdvVideoImage& image) {
  shell::Picture picture(image.width, image.height);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* rgb = image.Pixel(x, y);
      picture.Set(x, y, shell::MakeRgb(rgb[0], rgb[1], rgb[2]));
    }
  }
  return picture;
}
