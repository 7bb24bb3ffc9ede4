#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "../../frame/svg_pixel_sheet.h"
#include "frame/bitmap_marker.h"
#include "shell/qt/qt_backend.h"

// The program's marker sheets drawn by the real backend off screen.

namespace {

class StartupScreenshotTest : public ::testing::Test {
 protected:
  StartupScreenshotTest() { backend.SetResourceFolder(KINOVEX_RESOURCE_STAGE); }

  shell::qt::QtBackend backend;
};

// The marker sheets are drawn of whole-pixel squares so that the renderer
// gives exactly the pixels their description names.
TEST_F(StartupScreenshotTest, MarkerSheetsRenderPixelExact) {
  const std::string folder = std::string(KINOVEX_SOURCE_DIR) + "/resources/markers/";
  for (auto [id, file] : {std::pair{TdvMarkerSheets::kImageSheet, "marker_sheet.svg"},
                          {TdvMarkerSheets::kMaskSheet, "marker_masks.svg"}}) {
    std::optional<shell::Picture> rendered = backend.BitmapResource(id);
    ASSERT_TRUE(rendered.has_value()) << id;
    const shell::Picture described = svg_pixel_sheet::Read(folder + file);
    ASSERT_EQ(rendered->Width(), described.Width());
    ASSERT_EQ(rendered->Height(), described.Height());
    int different = 0;
    for (int y = 0; y < described.Height(); ++y) {
      for (int x = 0; x < described.Width(); ++x) {
        different += rendered->At(x, y) != described.At(x, y) ? 1 : 0;
      }
    }
    EXPECT_EQ(different, 0) << file;
  }
}

}  // namespace
