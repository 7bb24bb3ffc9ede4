// PNG files as kinovex-cli writes them, read back by FFmpeg's decoder.
#include <gtest/gtest.h>

#include "cli/png_writer.h"
#include "cli_test_support.h"
#include "test_folder.h"

namespace kinovex::cli {
namespace {

// Width 7 gives rows of 21 bytes, so a row-length mistake shows up as a
// shifted picture.
TdvVideoImage Gradient(int width, int height) {
  TdvVideoImage image;
  image.width = width;
  image.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.rgb.push_back(static_cast<std::uint8_t>(x * 30));
      image.rgb.push_back(static_cast<std::uint8_t>(y * 40));
      image.rgb.push_back(static_cast<std::uint8_t>((x * 7 + y * 13) % 256));
    }
  }
  return image;
}

TEST(PngWriter, PicturesComeBackPixelForPixel) {
  testing::TestFolder folder;
  for (auto [width, height] : {std::pair{7, 5}, std::pair{1, 1}, std::pair{64, 3}}) {
    const TdvVideoImage image = Gradient(width, height);
    const std::string path = folder.File("p.png");
    ASSERT_TRUE(WritePng(path, image));
    std::optional<TdvVideoImage> back = testing::DecodePng(path);
    ASSERT_TRUE(back.has_value()) << width << "x" << height;
    EXPECT_EQ(back->width, width);
    EXPECT_EQ(back->height, height);
    EXPECT_EQ(back->rgb, image.rgb) << width << "x" << height;
  }
}

TEST(PngWriter, PicturesWithoutPixelsAreRefused) {
  TdvVideoImage empty;
  EXPECT_TRUE(EncodePng(empty).empty());
  TdvVideoImage no_columns;
  no_columns.height = 3;
  EXPECT_TRUE(EncodePng(no_columns).empty());
  TdvVideoImage short_rows = Gradient(4, 4);
  short_rows.rgb.pop_back();
  EXPECT_TRUE(EncodePng(short_rows).empty());
  testing::TestFolder folder;
  EXPECT_FALSE(WritePng(folder.File("e.png"), empty));
  EXPECT_FALSE(WritePng(folder.File("none/p.png"), Gradient(2, 2)));
}

}  // namespace
}  // namespace kinovex::cli
