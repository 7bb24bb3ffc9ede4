#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

// A background with several colours, so that inversion of any of them shows.
void PaintBackground(Surface& surface) {
  surface.SetRasterMode(RasterMode::kCopy);
  surface.SetBrush(MakeRgb(200, 220, 40));
  surface.FillRect(Rect{0, 0, 80, 120});
  surface.SetBrush(MakeRgb(10, 60, 130));
  surface.FillRect(Rect{80, 0, 160, 60});
}

class ExclusiveOrTest : public QtBackendTest {};

TEST_F(ExclusiveOrTest, WindowKeepsExclusiveOrDrawingBetweenRepaints) {
  const WindowHandle frame = backend_.CreateFrame(FrameSpec{"Kinovex"});
  backend_.Show(frame, ShowCommand::kShow);
  const WindowHandle movie =
      backend_.CreateMdiChild(frame, ChildSpec{"Movie", Rect{0, 0, 220, 180}, false});
  sink_.On(EventKind::kPaint, [&](WindowHandle window, const Event&) {
    if (window == movie) {
      auto surface = backend_.OpenSurface(movie);
      PaintBackground(*surface);
    }
    return 0;
  });
  QWidget* canvas = backend_.Widget(movie);
  const QImage before = canvas->grab().toImage();
  auto rubberBand = [&] {
    auto surface = backend_.OpenSurface(movie);
    surface->SetRasterMode(RasterMode::kXor);
    surface->SetBrush(kBlack);
    surface->FrameRect(Rect{15, 12, 140, 100});
    surface->SetPen(Pen{MakeRgb(255, 255, 0), 1});
    surface->FrameEllipse(Rect{30, 30, 90, 80});
  };
  rubberBand();
  EXPECT_NE(canvas->grab().toImage(), before);
  rubberBand();
  EXPECT_EQ(canvas->grab().toImage(), before);
}

}  // namespace
}  // namespace shell::qt::testing
