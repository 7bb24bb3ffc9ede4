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

  int CountColour(shell::Rgb colour) {
    const auto& pixels = Pixels().Pixels();
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
  }

  RecordingWindow* window;
};

TEST_F(GfxTest, PenSizeZeroGivesAOnePixelPen) {
  window->GfxSetPenSize(0);
  EXPECT_EQ(window->penSize, 1);
  window->GfxMoveTo(0, 0);
  window->GfxLineTo(10, 0);
  EXPECT_EQ(Last().pen.width, 1);
}

TEST_F(GfxTest, PenSizeFollowsTheHorizontalScale) {
  window->scale = {3.0f, 1.0f};
  window->GfxSetPenSize(2);
  EXPECT_EQ(window->penSize, 6);
  window->scale = {0.1f, 1.0f};
  window->GfxSetPenSize(2);
  EXPECT_EQ(window->penSize, 1);
}

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

TEST_F(GfxTest, RectanglesAreNormalised) {
  window->GfxFrameRect({30, 40, 10, 20});
  EXPECT_EQ(Last().rect, (shell::Rect{10, 20, 30, 40}));
}

TEST_F(GfxTest, DrawingStateTravelsWithEachOperation) {
  window->GfxSetFGColor(shell::MakeRgb(0, 0, 255));
  window->GfxSetPenSize(3);
  window->GfxSetPenMode(kTdvPenXor);
  window->GfxMoveTo(1, 1);
  window->GfxLineTo(20, 1);
  DrawRecord line = Last();
  EXPECT_EQ(line.pen, (shell::Pen{shell::MakeRgb(0, 0, 255), 3}));
  EXPECT_EQ(line.mode, shell::RasterMode::kXor);
  EXPECT_EQ(line.target, window->hwnd);
}

TEST_F(GfxTest, ExclusiveOrDrawingTwiceErases) {
  window->GfxSetFGColor(shell::MakeRgb(0, 128, 255));
  window->GfxFillRect({0, 0, 200, 100});
  const shell::Picture before = Pixels();
  window->GfxSetPenMode(kTdvPenXor);
  window->GfxSetPenSize(2);
  for (int pass = 0; pass < 2; ++pass) {
    window->GfxMoveTo(5, 5);
    window->GfxLineTo(150, 60);
    window->GfxLineTo(20, 90);
    window->GfxFillOval({30, 30, 80, 70});
    window->GfxFrameOval({40, 10, 120, 50});
    window->GfxArc({10, 10, 90, 90}, {90, 50}, {50, 10});
    window->GfxArrowHead(10, 80, 60, 20, 12);
    window->GfxDrawText("Moving", 100, 40);
    window->GfxInvertRect({0, 0, 10, 10});
    window->GfxFocusRect({50, 50, 100, 90});
    if (pass == 0) {
      EXPECT_NE(Pixels(), before);
    }
  }
  EXPECT_EQ(Pixels(), before);
}

TEST_F(GfxTest, ExclusiveOrOvalOutlinesAreYellow) {
  window->GfxSetFGColor(shell::MakeRgb(255, 0, 0));
  window->GfxSetPenMode(kTdvPenXor);
  window->GfxFrameOval({10, 10, 50, 50});
  EXPECT_EQ(Last().pen.colour, shell::kYellow);
  // White xor yellow is blue.
  EXPECT_GT(CountColour(shell::MakeRgb(0, 0, 255)), 0);
  window->GfxMoveTo(0, 0);
  window->GfxLineTo(5, 5);
  EXPECT_EQ(Last().pen.colour, shell::MakeRgb(255, 0, 0));
}

TEST_F(GfxTest, NormalOvalOutlinesUseThePen) {
  window->GfxSetFGColor(shell::MakeRgb(255, 0, 0));
  window->GfxFrameOval({10, 10, 50, 50});
  EXPECT_GT(CountColour(shell::MakeRgb(255, 0, 0)), 0);
  EXPECT_EQ(Pixels().At(30, 30), shell::kWhite);
}

TEST_F(GfxTest, RectangleFillsIgnoreTheExclusiveOrMode) {
  window->GfxSetFGColor(shell::MakeRgb(255, 0, 0));
  window->GfxSetPenMode(kTdvPenXor);
  window->GfxFillRect({0, 0, 10, 10});
  window->GfxFillRect({0, 0, 10, 10});
  EXPECT_EQ(Pixels().At(5, 5), shell::MakeRgb(255, 0, 0));
}

TEST_F(GfxTest, EraseFillsWhiteAndKeepsTheColour) {
  window->GfxSetFGColor(shell::MakeRgb(0, 255, 0));
  window->GfxFillRect({0, 0, 20, 20});
  window->GfxEraseRect({5, 5, 15, 15});
  EXPECT_EQ(Pixels().At(10, 10), shell::kWhite);
  EXPECT_EQ(Pixels().At(2, 2), shell::MakeRgb(0, 255, 0));
  window->GfxFillRect({30, 30, 40, 40});
  EXPECT_EQ(Last().brush, shell::MakeRgb(0, 255, 0));
}

TEST_F(GfxTest, OtherPenModesRefuseText) {
  window->GfxSetPenMode(2);
  backend.ExpectMessage("current draw mode not supported", shell::MessageAnswer::kOk,
                        "TdvWindow::GfxDrawText");
  window->GfxDrawText("x", 0, 10);
  EXPECT_TRUE(backend.Drawing().empty());
}

TEST_F(GfxTest, ColourCodesSelectTheirColour) {
  window->GfxSetColorCode(3);
  EXPECT_EQ(window->fgColor, shell::MakeRgb(255, 0, 0));
  window->GfxSetColorCode(7);  // no such code: the colour stays
  EXPECT_EQ(window->fgColor, shell::MakeRgb(255, 0, 0));
}

TEST_F(GfxTest, TextStateSelectsTheFont) {
  window->GfxSetTextSize(9);
  window->GfxSetBold(true);
  window->GfxSetItalic(true);
  window->GfxDrawText("a", 0, 20);
  shell::FontSpec font = Last().font;
  EXPECT_EQ(font.height, 9);
  EXPECT_TRUE(font.bold);
  EXPECT_TRUE(font.italic);
  EXPECT_DOUBLE_EQ(window->text.lineHeight, 9 * 1.33);
  window->scale = {1.0f, 2.0f};
  window->GfxSetTextSize(9);
  window->GfxResetTextAttributes();
  window->GfxDrawText("a", 0, 20);
  EXPECT_EQ(Last().font.height, 18);
  EXPECT_FALSE(Last().font.bold);
}

TEST_F(GfxTest, TextInARectangleIsAligned) {
  const shell::Rect box{10, 10, 110, 50};
  window->GfxSetTextSize(12);
  const shell::TextMetrics metrics = window->GfxMeasureText("abcd");
  window->GfxDrawTextInRect("abcd", box, 0, 0);
  EXPECT_EQ(Last().points[0], (shell::Point{10, 10 + metrics.ascent}));
  window->GfxDrawTextInRect("abcd", box, 1, 1);
  EXPECT_EQ(Last().points[0], (shell::Point{10 + (100 - metrics.width) / 2,
                                            10 + (40 - metrics.height()) / 2 + metrics.ascent}));
  window->GfxDrawTextInRect("abcd", box, 2, 2);
  EXPECT_EQ(Last().points[0], (shell::Point{110 - metrics.width, 50 - metrics.descent}));
}

TEST_F(GfxTest, VerticalTextIgnoresOriginAndScale) {
  window->origin = {100, 100};
  window->scale = {2.0f, 2.0f};
  window->GfxDrawVerticalText("Axis", {0, 0, 40, 80});
  DrawRecord text = Last();
  EXPECT_EQ(text.op, DrawOp::kVerticalText);
  EXPECT_EQ(text.font.face, shell::FontFace::kArial);
  EXPECT_EQ(text.font.height, 10);
  const shell::TextMetrics metrics = shell::HeadlessTextMetrics(text.font, "Axis");
  EXPECT_EQ(text.points[0], (shell::Point{28 + metrics.ascent, (80 + metrics.width) / 2}));
}

TEST_F(GfxTest, ArrowHeadsPointAtTheirTip) {
  window->GfxArrowHead(0, 50, 100, 50, 10);  // pointing right
  DrawRecord head = Last();
  ASSERT_EQ(head.points.size(), 3u);
  EXPECT_EQ(head.points[0], (shell::Point{100, 50}));
  for (int corner : {1, 2}) {
    EXPECT_EQ(head.points[static_cast<std::size_t>(corner)].x, 91);
  }
  EXPECT_EQ(head.points[1].y + head.points[2].y, 100);

  window->GfxArrowHead(50, 0, 50, 100, 10);  // equal x: straight down
  head = Last();
  EXPECT_EQ(head.points[1].y, 91);
  EXPECT_EQ(head.points[2].y, 91);
}

TEST_F(GfxTest, ArcsRunCounterClockwiseFromStartToEnd) {
  window->GfxSetFGColor(shell::kBlack);
  // From the rightmost point to the top: the upper right quarter only.
  window->GfxArc({10, 10, 90, 90}, {90, 50}, {50, 10});
  int upperRight = 0;
  int elsewhere = 0;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (Pixels().At(x, y) == shell::kBlack) {
        (x >= 50 && y <= 50 ? upperRight : elsewhere) += 1;
      }
    }
  }
  EXPECT_GT(upperRight, 40);
  EXPECT_LE(elsewhere, 2);
}

TEST_F(GfxTest, AMissingBitmapIsReported) {
  backend.ExpectMessage("Select Object Failed");
  window->GfxDrawBitmap(999, {0, 0, 10, 10}, 0);
}

TEST_F(GfxTest, BitmapsStretchIntoTheirRectangleOrKeepTheirSize) {
  shell::Picture red(2, 2, shell::MakeRgb(255, 0, 0));
  backend.AddBitmapResource(150, red);
  window->GfxDrawBitmap(150, {10, 10, 30, 30}, 0);
  EXPECT_EQ(Pixels().At(29, 29), shell::MakeRgb(255, 0, 0));
  EXPECT_EQ(Pixels().At(30, 30), shell::kWhite);
  window->GfxDrawBitmap(150, {50, 50, 90, 90}, 100);
  EXPECT_EQ(Last().rect, (shell::Rect{0, 0, 2, 2}));
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

TEST_F(PaintTest, HeldSurfacesAreReleasedByAfterPaint) {
  RecordingWindow* window = OpenDocument();
  window->BeforePaint();
  EXPECT_EQ(window->drawMode, kTdvDrawHeld);
  EXPECT_NE(window->dc, nullptr);
  window->AfterPaint();
  EXPECT_EQ(window->drawMode, kTdvDrawNone);
  EXPECT_EQ(window->dc, nullptr);
}

TEST_F(PaintTest, DrawingWithoutASurfaceDoesNothing) {
  RecordingWindow* window = OpenDocument();
  window->GfxFillRect({0, 0, 10, 10});
  window->GfxDrawText("x", 1, 1);
  EXPECT_TRUE(backend.DrawingOn(window->hwnd).empty());
}

}  // namespace
