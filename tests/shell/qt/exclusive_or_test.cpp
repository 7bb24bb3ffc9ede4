#include <array>
#include <functional>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

constexpr Size kSize{160, 120};
constexpr Rect kAll{0, 0, kSize.width, kSize.height};

// A background with several colours, so that inversion of any of them shows.
void PaintBackground(Surface& surface) {
  surface.SetRasterMode(RasterMode::kCopy);
  surface.SetBrush(MakeRgb(200, 220, 40));
  surface.FillRect(Rect{0, 0, 80, 120});
  surface.SetBrush(MakeRgb(10, 60, 130));
  surface.FillRect(Rect{80, 0, 160, 60});
}

struct Drawing {
  const char* name;
  std::function<void(Surface&)> draw;
};

std::vector<Drawing> Drawings() {
  const Picture stamp(6, 4, MakeRgb(90, 0, 200));
  return {
      {"thin line",
       [](Surface& s) {
         s.Line(Point{3, 5}, Point{150, 97});
       }},
      {"wide line",
       [](Surface& s) {
         s.SetPen(Pen{MakeRgb(255, 0, 0), 5});
         s.Line(Point{10, 100}, Point{140, 20});
       }},
      {"filled rectangle",
       [](Surface& s) {
         s.FillRect(Rect{70, 30, 120, 90});
       }},
      {"framed rectangle",
       [](Surface& s) {
         s.FrameRect(Rect{5, 5, 100, 70});
       }},
      {"filled ellipse",
       [](Surface& s) {
         s.FillEllipse(Rect{40, 20, 130, 100});
       }},
      {"framed ellipse",
       [](Surface& s) {
         s.FrameEllipse(Rect{40, 20, 130, 100});
       }},
      {"arc",
       [](Surface& s) {
         s.Arc(Rect{20, 20, 120, 110}, Point{120, 60}, Point{20, 60});
       }},
      {"triangle",
       [](Surface& s) {
         const std::array<Point, 3> corners{Point{80, 10}, Point{20, 110}, Point{150, 90}};
         s.FillPolygon(corners);
       }},
      {"text",
       [](Surface& s) {
         s.DrawText("Kinovex 12.5 m/s", Point{4, 60});
       }},
      {"vertical text",
       [](Surface& s) {
         s.DrawVerticalText("Velocity", Point{70, 110});
       }},
      {"focus rectangle",
       [](Surface& s) {
         s.FocusRect(Rect{10, 10, 150, 110});
       }},
      {"inverted rectangle",
       [](Surface& s) {
         s.InvertRect(Rect{60, 40, 100, 80});
       }},
      {"picture",
       [stamp](Surface& s) {
         s.DrawPicture(stamp, Rect{}, Rect{30, 30, 90, 70});
       }},
  };
}

class ExclusiveOrTest : public QtBackendTest {};

TEST_F(ExclusiveOrTest, DrawingTwiceRestoresEveryPixel) {
  for (const Drawing& drawing : Drawings()) {
    auto surface = backend_.CreatePictureSurface(kSize);
    PaintBackground(*surface);
    const Picture before = surface->ReadPicture(kAll);
    surface->SetRasterMode(RasterMode::kXor);
    surface->SetPen(Pen{MakeRgb(0, 0, 255), 1});
    surface->SetBrush(MakeRgb(255, 128, 0));
    surface->SetTextColour(MakeRgb(0, 200, 0));
    drawing.draw(*surface);
    EXPECT_NE(surface->ReadPicture(kAll), before) << drawing.name << " drew nothing";
    drawing.draw(*surface);
    EXPECT_EQ(surface->ReadPicture(kAll), before) << drawing.name << " left pixels behind";
  }
}

TEST_F(ExclusiveOrTest, InvertsWithThePenColour) {
  auto surface = backend_.CreatePictureSurface(kSize);
  surface->SetRasterMode(RasterMode::kXor);
  surface->SetBrush(MakeRgb(255, 255, 0));
  surface->FillRect(Rect{0, 0, 10, 10});
  // White exclusive-or yellow leaves blue.
  EXPECT_EQ(surface->ReadPicture(Rect{5, 5, 6, 6}).At(0, 0), MakeRgb(0, 0, 255));
}

// Segments of a rubber band share their corners; each pixel must change
// exactly once or the corners vanish.
TEST_F(ExclusiveOrTest, ClosedPolylineKeepsItsCorners) {
  auto surface = backend_.CreatePictureSurface(kSize);
  surface->SetRasterMode(RasterMode::kXor);
  // White exclusive-or white is black.
  surface->SetPen(Pen{kWhite, 1});
  const std::array<Point, 5> corners{Point{10, 10}, Point{90, 10}, Point{90, 70}, Point{10, 70},
                                     Point{10, 10}};
  for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
    surface->Line(corners[i], corners[i + 1]);
  }
  const Picture picture = surface->ReadPicture(kAll);
  for (const Point& corner : corners) {
    EXPECT_EQ(picture.At(corner.x, corner.y), kBlack) << corner.x << "," << corner.y;
  }
  EXPECT_EQ(picture.At(50, 10), kBlack);
  EXPECT_EQ(picture.At(10, 40), kBlack);
  EXPECT_EQ(picture.At(50, 40), kWhite);
}

TEST_F(ExclusiveOrTest, FrameRectangleCoversItsOutlineOnce) {
  auto surface = backend_.CreatePictureSurface(kSize);
  surface->SetRasterMode(RasterMode::kXor);
  surface->SetBrush(kWhite);
  surface->FrameRect(Rect{20, 20, 60, 50});
  const Picture picture = surface->ReadPicture(kAll);
  for (const Point& corner : {Point{20, 20}, Point{59, 20}, Point{20, 49}, Point{59, 49}}) {
    EXPECT_EQ(picture.At(corner.x, corner.y), kBlack) << corner.x << "," << corner.y;
  }
  EXPECT_EQ(picture.At(60, 20), kWhite);
  EXPECT_EQ(picture.At(40, 35), kWhite);
}

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
