#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

class PictureDrawingTest : public QtBackendTest {};

// A picture drawn in copy mode shows its own colours, red and blue in
// their places, each pixel repeated as often as the picture is enlarged.
TEST_F(PictureDrawingTest, PictureShowsItsColoursScaled) {
  Picture picture(4, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      picture.Set(x, y, MakeRgb(60 * x, 100 * y, 255 - 50 * x));
    }
  }
  for (int factor : {1, 2, 3}) {
    SCOPED_TRACE(factor);
    auto surface = backend_.CreatePictureSurface({20, 20});
    const Rect target{5, 2, 5 + 4 * factor, 2 + 3 * factor};
    surface->DrawPicture(picture, Rect{}, target);
    const Picture shown = surface->ReadPicture({0, 0, 20, 20});
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        const bool inside = PointInRect({x, y}, target);
        const Rgb expected =
            inside ? picture.At((x - target.left) / factor, (y - target.top) / factor) : kWhite;
        ASSERT_EQ(shown.At(x, y), expected) << x << ", " << y;
      }
    }
  }
}

}  // namespace
}  // namespace shell::qt::testing
