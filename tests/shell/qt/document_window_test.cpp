#include <QMdiArea>
#include <QMdiSubWindow>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kGreen = MakeRgb(0, 160, 0);

class DocumentWindowTest : public QtBackendTest {
 protected:
  void SetUp() override {
    frame_ = backend_.CreateFrame(FrameSpec{"Kinovex"});
    backend_.Show(frame_, ShowCommand::kShow);
    child_ = backend_.CreateMdiChild(frame_, ChildSpec{"Graph 1", Rect{10, 10, 260, 210}, true});
    sink_.On(EventKind::kPaint, [this](WindowHandle window, const Event&) {
      if (window != child_) {
        return kNotHandled;
      }
      auto surface = backend_.OpenSurface(child_);
      surface->SetBrush(kRed);
      surface->FillRect(Rect{20, 10, 60, 30});
      surface->SetPen(Pen{kBlue, 1});
      surface->Line(Point{0, 50}, Point{100, 50});
      return 0;
    });
  }

  QImage Grab() { return backend_.Widget(child_)->grab().toImage(); }

  WindowHandle frame_ = kNoWindow;
  WindowHandle child_ = kNoWindow;
};

TEST_F(DocumentWindowTest, DrawingOutsidePaintStaysUntilInvalidated) {
  Grab();
  const std::size_t paints = sink_.Of(EventKind::kPaint).size();
  {
    auto surface = backend_.OpenSurface(child_);
    surface->SetBrush(kGreen);
    surface->FillRect(Rect{150, 100, 170, 120});
  }
  QImage shot = Grab();
  EXPECT_EQ(PixelOf(shot, 160, 110), kGreen);
  EXPECT_EQ(sink_.Of(EventKind::kPaint).size(), paints);

  backend_.Invalidate(child_, std::nullopt);
  shot = Grab();
  EXPECT_GT(sink_.Of(EventKind::kPaint).size(), paints);
  EXPECT_EQ(PixelOf(shot, 160, 110), kWhite);
  EXPECT_EQ(PixelOf(shot, 30, 20), kRed);
}

}  // namespace
}  // namespace shell::qt::testing
