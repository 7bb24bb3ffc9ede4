#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "frame/program_pictures.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"
#include "svg_pixel_sheet.h"

namespace {

const shell::Rgb kBackground = shell::MakeRgb(20, 90, 160);
const shell::Rgb kRed = shell::MakeRgb(255, 0, 0);
const shell::Rgb kGreen = shell::MakeRgb(0, 255, 0);

std::string MarkerFolder() {
  const char* source = std::getenv("KINOVEX_SOURCE_DIR");
  return std::string(source != nullptr ? source : ".") + "/resources/markers/";
}

class MarkerFrame : public TdvAppWindow {
 public:
  MarkerFrame() {
    auto own = std::make_unique<TdvProgramPictures>();
    program = own.get();
    pictures = std::move(own);
  }
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}

  TdvProgramPictures* program;
};

class Canvas : public TdvWindow {
 public:
  int OpenWindow() override {
    shell::ChildSpec request{"canvas", {0, 0, 60, 50}, false};
    return CreateThroughBackend([&] {
             return Backend().CreateChild(TdvShell::Get().Frame()->hwnd, request);
           }) != shell::kNoWindow
               ? 1
               : 0;
  }
};

class BitmapMarkerTest : public ::testing::Test {
 protected:
  BitmapMarkerTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    images = svg_pixel_sheet::Read(MarkerFolder() + "marker_sheet.svg");
    masks = svg_pixel_sheet::Read(MarkerFolder() + "marker_masks.svg");
    backend.AddBitmapResource(TdvMarkerSheets::kImageSheet, images);
    backend.AddBitmapResource(TdvMarkerSheets::kMaskSheet, masks);
    frame = shell.Keep(std::make_unique<MarkerFrame>());
    frame->OpenWindow();
    canvas = shell.Keep(std::make_unique<Canvas>());
    canvas->OpenWindow();
    canvas->BeforePaint();
    canvas->GfxSetFGColor(kBackground);
    canvas->GfxFillRect({0, 0, 60, 50});
    canvas->AfterPaint();
  }

  const shell::Picture& Pixels() const { return backend.Pixels(canvas->hwnd); }

  // True where the marker of that shape and size is not transparent.
  bool InMask(int shape, int sizeClass, int x, int y) const {
    const shell::Point cell = TdvMarkerSheets::MaskCell(shape, sizeClass);
    return masks.At(cell.x + x, cell.y + y) == shell::kBlack;
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  MarkerFrame* frame = nullptr;
  Canvas* canvas = nullptr;
  shell::Picture images;
  shell::Picture masks;
  TdvMarkerSheets sheets;
};

// ---------------------------------------------------------------- drawing

TEST_F(BitmapMarkerTest, AMarkerCoversExactlyItsMaskAroundThePoint) {
  sheets.DrawBitmapMarker(20, 20, 0, 1, 0, canvas);
  const int size = 15;
  const shell::Point cell = TdvMarkerSheets::ImageCell(0, 1, 0);
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 60; ++x) {
      const int cx = x - (20 - size / 2);
      const int cy = y - (20 - size / 2);
      const bool inside = cx >= 0 && cy >= 0 && cx < size && cy < size;
      const shell::Rgb expected =
          inside && InMask(0, 1, cx, cy) ? images.At(cell.x + cx, cell.y + cy) : kBackground;
      ASSERT_EQ(Pixels().At(x, y), expected) << x << "," << y;
    }
  }
}

// Every window draws markers through the frame, which loads the sheets
// once and lets them go with its own window.
TEST_F(BitmapMarkerTest, TheFrameDrawsMarkersUntilItIsDestroyed) {
  ASSERT_EQ(TdvShell::Get().Frame(), frame) << "reachable from everywhere";
  TdvShell::Get().Frame()->DrawBitmapMarker(10, 10, 0, 0, 2, canvas);
  EXPECT_EQ(Pixels().At(10, 10), kGreen);
  EXPECT_TRUE(frame->program->markerSheets.Loaded());

  // Sheets changed after loading are not looked at again.
  backend.AddBitmapResource(TdvMarkerSheets::kMaskSheet, shell::Picture());
  TdvShell::Get().Frame()->DrawBitmapMarker(40, 10, 0, 0, 0, canvas);
  EXPECT_EQ(Pixels().At(40, 10), kRed);

  frame->CloseWindow();
  EXPECT_FALSE(frame->program->markerSheets.Loaded());
  backend.RunPosted();
}

// ---------------------------------------------------------------- cursors

TEST_F(BitmapMarkerTest, TheFrameKeepsOneCursorChoiceForAllWindows) {
  TdvShell::Get().Frame()->SelectCursor(TdvCursorSelector::kHand);
  EXPECT_EQ(backend.CurrentCursor(), shell::Cursor::kHand);
  backend.SetCursor(shell::Cursor::kWait);
  frame->SelectCursor(TdvCursorSelector::kHand);
  EXPECT_EQ(backend.CurrentCursor(), shell::Cursor::kWait) << "the hand was already chosen";
  frame->SelectCursor(TdvCursorSelector::kTakeData);
  EXPECT_EQ(backend.CurrentCursor(), shell::Cursor::kTakeData);
  EXPECT_EQ(frame->program->cursors.Current(), TdvCursorSelector::kTakeData);
}

}  // namespace
