#include <QWidget>

#include "../qt_fixture.h"

namespace shell::qt::testing {
namespace {

constexpr Rgb kBlue = MakeRgb(0, 0, 255);

class HighDensityTest : public QtBackendTest {
 protected:
  void SetUp() override {
    frame_ = backend_.CreateFrame(FrameSpec{"Kinovex"});
    backend_.Show(frame_, ShowCommand::kShow);
    child_ = backend_.CreateMdiChild(frame_, ChildSpec{"Graph 1", Rect{0, 0, 260, 200}, true});
    sink_.On(EventKind::kPaint, [this](WindowHandle window, const Event&) {
      if (window == child_) {
        auto surface = backend_.OpenSurface(child_);
        surface->SetBrush(kBlue);
        surface->FillRect(Rect{20, 10, 60, 30});
        surface->SetPen(Pen{kBlue, 1});
        surface->Line(Point{0, 80}, Point{120, 104});
        surface->SetFont(FontSpec{FontFace::kHelv, 16, false, false, false});
        surface->SetTextColour(kBlack);
        surface->DrawText("Kinovex 0.25 m/s", Point{10, 150});
      }
      return 0;
    });
  }

  QImage Grab() const { return backend_.Widget(child_)->grab().toImage(); }

  WindowHandle frame_ = kNoWindow;
  WindowHandle child_ = kNoWindow;
};

TEST_F(HighDensityTest, WindowHasTwoDevicePixelsPerPixel) {
  const QImage shot = Grab();
  const Size client = backend_.ClientSize(child_);
  EXPECT_EQ(shot.width(), 2 * client.width);
  EXPECT_EQ(PixelOf(shot, 40, 20), kBlue);
  EXPECT_EQ(PixelOf(shot, 119, 59), kBlue);
  EXPECT_EQ(PixelOf(shot, 120, 60), kWhite);
  EXPECT_EQ(PixelOf(shot, 39, 20), kWhite);
}

TEST_F(HighDensityTest, ReadBackAndExclusiveOrWorkInPixels) {
  const QImage before = Grab();
  {
    auto surface = backend_.OpenSurface(child_);
    const Picture picture = surface->ReadPicture(Rect{0, 0, 100, 50});
    EXPECT_EQ(picture.Width(), 100);
    EXPECT_EQ(picture.At(30, 20), kBlue);
    EXPECT_EQ(picture.At(70, 20), kWhite);
    surface->SetRasterMode(RasterMode::kXor);
    surface->SetPen(Pen{MakeRgb(255, 0, 0), 1});
    surface->Line(Point{5, 5}, Point{200, 170});
  }
  EXPECT_NE(Grab(), before);
  {
    auto surface = backend_.OpenSurface(child_);
    surface->SetRasterMode(RasterMode::kXor);
    surface->SetPen(Pen{MakeRgb(255, 0, 0), 1});
    surface->Line(Point{5, 5}, Point{200, 170});
  }
  EXPECT_EQ(Grab(), before);
}

}  // namespace
}  // namespace shell::qt::testing
