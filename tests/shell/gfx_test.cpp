#include <gtest/gtest.h>

#include <algorithm>

#include "shell_fixture.h"

namespace {

using shell::DrawOp;
using shell::DrawRecord;

class GfxTest : public ShellTest {
 protected:
  GfxTest() : window(OpenDocument()) {
    window->BeforePaint();
    backend.ClearDrawing();
  }
  ~GfxTest() override { window->AfterPaint(); }

  const shell::Picture& Pixels() { return backend.Pixels(window->hwnd); }

  DrawRecord Last() {
    EXPECT_FALSE(backend.Drawing().empty());
    return backend.Drawing().empty() ? DrawRecord{} : backend.Drawing().back();
  }

  RecordingWindow* window;
};

TEST_F(GfxTest, CoordinatesGoThroughOriginAndScale) {
  window->origin = {10, 20};
  window->scale = {2.0f, 0.5f};
  window->GfxSetFGColor(shell::MakeRgb(255, 0, 0));
  window->GfxFillRect({1, 4, 5, 10});
  DrawRecord fill = Last();
  EXPECT_EQ(fill.op, DrawOp::kFillRect);
  EXPECT_EQ(fill.rect, (shell::Rect{12, 22, 20, 25}));
  EXPECT_EQ(fill.brush, shell::MakeRgb(255, 0, 0));

  window->GfxMoveTo(0, 0);
  window->GfxLineTo(3, 3);
  DrawRecord line = Last();
  EXPECT_EQ(line.points, (std::vector<shell::Point>{{10, 20}, {16, 22}}));

  window->GfxDrawText("Hi", 5, 8);
  EXPECT_EQ(Last().points, (std::vector<shell::Point>{{20, 24}}));
}

// ---------------------------------------------------------------- paint cycle

class PaintTest : public ShellTest {};

TEST_F(PaintTest, PaintDrawsThroughWinDrawAndReleasesTheSurface) {
  RecordingWindow* window = OpenDocument();
  window->draw = [](TdvWindow& w) {
    EXPECT_EQ(w.drawMode, kTdvDrawPaint);
    w.GfxSetFGColor(shell::MakeRgb(0, 0, 0));
    w.GfxFillRect({0, 0, 4, 4});
  };
  backend.Paint(window->hwnd);
  EXPECT_EQ(window->drawMode, kTdvDrawNone);
  EXPECT_EQ(window->dc, nullptr);
  EXPECT_EQ(backend.Pixels(window->hwnd).At(1, 1), shell::kBlack);
}

}  // namespace
