#include <gtest/gtest.h>

#include <random>

#include "shell/headless_backend.h"

namespace {

using shell::HeadlessBackend;
using shell::MessageAnswer;
using shell::MessageKind;

class HeadlessScriptTest : public ::testing::Test {
 protected:
  HeadlessScriptTest() {
    backend.SetFailureHandler([this](const std::string& message) { failures.push_back(message); });
  }

  HeadlessBackend backend;
  std::vector<std::string> failures;
};

// ---------------------------------------------------------------- pixels

class HeadlessSurfaceTest : public ::testing::Test {
 protected:
  HeadlessSurfaceTest() : surface(backend.CreatePictureSurface({20, 20})) {}

  shell::Picture Pixels() { return surface->ReadPicture({0, 0, 20, 20}); }

  HeadlessBackend backend;
  std::unique_ptr<shell::Surface> surface;
};

// Whatever is drawn in exclusive-or mode, drawing it again restores every
// pixel: no operation may touch a pixel twice, at any size or position,
// partly outside the picture or not.
TEST_F(HeadlessSurfaceTest, AnyExclusiveOrDrawingTwiceRestoresThePicture) {
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> coordinate(-15, 35);
  std::uniform_int_distribution<int> width(1, 6);
  std::uniform_int_distribution<int> kind(0, 8);
  auto point = [&] { return shell::Point{coordinate(random), coordinate(random)}; };
  auto rect = [&] {
    return shell::Rect{coordinate(random), coordinate(random), coordinate(random),
                       coordinate(random)};
  };
  surface->SetBrush(shell::MakeRgb(10, 200, 30));
  surface->FillRect({0, 0, 20, 20});
  for (int round = 0; round < 300; ++round) {
    const shell::Picture before = Pixels();
    const int which = kind(random);
    const shell::Rect r = rect();
    const shell::Point a = point();
    const shell::Point b = point();
    const shell::Point c = point();
    surface->SetPen({shell::MakeRgb(255, 0, 128), width(random)});
    surface->SetBrush(shell::MakeRgb(0, 99, 255));
    surface->SetTextColour(shell::MakeRgb(7, 7, 7));
    surface->SetFont({shell::FontFace::kHelv, width(random) * 3});
    surface->SetRasterMode(shell::RasterMode::kXor);
    for (int pass = 0; pass < 2; ++pass) {
      switch (which) {
        case 0:
          surface->Line(a, b);
          break;
        case 1:
          surface->FillEllipse(r);
          break;
        case 2:
          surface->FrameEllipse(r);
          break;
        case 3:
          surface->Arc(r, a, b);
          break;
        case 4: {
          const shell::Point corners[3] = {a, b, c};
          surface->FillPolygon(corners);
          break;
        }
        case 5:
          surface->DrawText("Ab c", a);
          break;
        case 6:
          surface->DrawVerticalText("Ab c", a);
          break;
        case 7:
          surface->FocusRect(r);
          break;
        default:
          surface->InvertRect(r);
          break;
      }
    }
    ASSERT_EQ(Pixels(), before) << "operation " << which << " in round " << round;
  }
}

// Copying fills whole rows and draws straight lines as rectangles;
// exclusive-or onto white goes pixel by pixel and must touch the same pixels.
TEST_F(HeadlessSurfaceTest, CopyingTouchesThePixelsThatExclusiveOrTouches) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> coordinate(-15, 35);
  for (int round = 0; round < 400; ++round) {
    const shell::Point a{coordinate(random), coordinate(random)};
    shell::Point b{coordinate(random), coordinate(random)};
    if (round % 5 != 0) {  // most lines go straight, as grid lines do
      (round % 3 == 0 ? b.x : b.y) = round % 3 == 0 ? a.x : a.y;
    }
    shell::Picture drawn[2];
    for (int pass = 0; pass < 2; ++pass) {
      surface = backend.CreatePictureSurface({20, 20});
      const shell::Rgb ink = shell::MakeRgb(200, 40, 90) ^ (pass == 0 ? 0 : shell::kWhite);
      surface->SetRasterMode(pass == 0 ? shell::RasterMode::kCopy : shell::RasterMode::kXor);
      surface->SetPen({ink, 1 + round % 4});
      surface->SetBrush(ink);
      round % 2 == 0 ? surface->Line(a, b) : surface->FrameRect({a.x, a.y, b.x, b.y});
      drawn[pass] = Pixels();
    }
    ASSERT_EQ(drawn[0], drawn[1]) << "round " << round;
  }
}

}  // namespace
