#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "shell/dib.h"
#include "shell_fixture.h"

namespace {

using shell::DrawOp;
using shell::DrawRecord;

const shell::Rgb kRed = shell::MakeRgb(255, 0, 0);
const shell::Rgb kBlue = shell::MakeRgb(0, 0, 255);

// A window whose picture is red everywhere with a blue square at (10, 10).
void DrawRedWithBlueSquare(TdvWindow& window) {
  window.GfxSetFGColor(kRed);
  window.GfxFillRect({0, 0, window.clientSize.width, window.clientSize.height});
  window.GfxSetFGColor(kBlue);
  window.GfxFillRect({10, 10, 20, 20});
}

class PrintTest : public ShellTest {
 protected:
  PrintTest() {
    // Test processes run side by side and sanitizer heaps repeat addresses
    // between them: the process id keeps each trace file its own.
    tracePath = std::filesystem::temp_directory_path() /
                ("kinovex_trace_" + std::to_string(::getpid()) + "_" +
                 std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::remove(tracePath);
    shell.SetTracePath(tracePath.string());
    backend.SetNow({"06.12.2026", "17:45"});
  }
  ~PrintTest() override { std::filesystem::remove(tracePath); }

  // The picture operation that put the window on the page.
  DrawRecord PagePicture() {
    for (const DrawRecord& record : backend.Drawing()) {
      if (record.target == shell::kNoWindow && record.op == DrawOp::kPicture) {
        return record;
      }
    }
    ADD_FAILURE() << "no picture was printed";
    return {};
  }

  std::vector<DrawRecord> HeaderTexts() {
    std::vector<DrawRecord> texts;
    for (const DrawRecord& record : backend.Drawing()) {
      if (record.target == shell::kNoWindow && record.op == DrawOp::kText) {
        texts.push_back(record);
      }
    }
    return texts;
  }

  std::filesystem::path tracePath;
};

TEST_F(PrintTest, AWideWindowIsScaledDownToThePageKeepingItsProportions) {
  RecordingWindow* window = OpenDocument("Graph", {0, 0, 2002, 320});
  window->draw = DrawRedWithBlueSquare;
  shell::HeadlessPrinter printer;  // 144 dpi, 1224 × 1584 pixels
  backend.QueuePrinter(printer);
  window->PrintWindow("clip.mov", "Graph", false);

  const shell::Rect placed = PagePicture().rect;
  EXPECT_EQ(placed.left, 144);
  EXPECT_LE(placed.right, 1224 - 144);
  const double proportions =
      static_cast<double>(shell::RectWidth(placed)) / shell::RectHeight(placed);
  EXPECT_NEAR(proportions, 2000.0 / 300.0, 0.1);
  EXPECT_LT(shell::RectWidth(placed), 2000 * 2);
}

TEST_F(PrintTest, ASmallWindowPrintsAtItsSizeInPointsNotEnlarged) {
  RecordingWindow* window = OpenDocument("Table", {0, 0, 202, 120});
  window->draw = DrawRedWithBlueSquare;
  backend.QueuePrinter({});
  window->PrintWindow("clip.mov", "Table", false);
  // 200 × 100 pixels are 200 × 100 points, 400 × 200 printer pixels at 144 dpi.
  const shell::Rect placed = PagePicture().rect;
  EXPECT_EQ(shell::RectWidth(placed), 400);
  EXPECT_EQ(shell::RectHeight(placed), 200);

  ASSERT_EQ(backend.PrintedJobs().size(), 1u);
  const shell::PrintedJob& job = backend.PrintedJobs()[0];
  ASSERT_EQ(job.pages.size(), 1u);
  EXPECT_TRUE(job.finished);
  const shell::Picture& page = job.pages[0];
  EXPECT_EQ(page.At(placed.left + 5, placed.top + 5), kRed);
  EXPECT_EQ(page.At(placed.left + 30, placed.top + 30), kBlue);
  EXPECT_EQ(page.At(placed.right + 5, placed.top + 5), shell::kWhite);
}

TEST_F(PrintTest, TheHeaderNamesProgramMovieDateAndTime) {
  RecordingWindow* window = OpenDocument("Graph");
  backend.QueuePrinter({});
  window->PrintWindow("clip.mov", "Graph", false);
  std::vector<DrawRecord> texts = HeaderTexts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].text, "Kinovex Graph");
  EXPECT_EQ(texts[1].text, "Movie: clip.mov");
  EXPECT_EQ(texts[2].text, "Date: 06.12.2026");
  EXPECT_EQ(texts[3].text, "Time: 17:45");
  // One inch of margin, 14 and 28 points down, the second column 200 points
  // to the right; 9-point black text. Two printer pixels per point.
  EXPECT_EQ(texts[0].points[0], (shell::Point{144, 144 + 28}));
  EXPECT_EQ(texts[1].points[0], (shell::Point{144 + 400, 144 + 28}));
  EXPECT_EQ(texts[2].points[0], (shell::Point{144, 144 + 56}));
  EXPECT_EQ(texts[3].points[0], (shell::Point{144 + 400, 144 + 56}));
  EXPECT_EQ(texts[0].font.height, 18);
  EXPECT_EQ(texts[0].textColour, shell::kBlack);
  EXPECT_EQ(PagePicture().rect.top, 144 + 64);
}

TEST_F(PrintTest, PrintingLeavesTheWindowAsItWas) {
  RecordingWindow* window = OpenDocument("Graph");
  window->GfxSetTextSize(20);
  backend.QueuePrinter({});
  window->PrintWindow("clip.mov", "Graph", true);
  EXPECT_EQ(window->drawMode, kTdvDrawNone);
  EXPECT_EQ(window->dc, nullptr);
  EXPECT_EQ(window->origin, (shell::Point{0, 0}));
  EXPECT_FLOAT_EQ(window->scale.x, 1.0f);
  EXPECT_FLOAT_EQ(window->scale.y, 1.0f);
  EXPECT_EQ(window->text.size, 12);
  EXPECT_TRUE(backend.Window(window->hwnd)->enabled);
  EXPECT_EQ(backend.PrintedJobs()[0].request.jobName, "Gra");
  EXPECT_EQ(backend.PrintedJobs()[0].request.cancelTitle, "Kinovex Printing");
  EXPECT_EQ(backend.PrintedJobs()[0].request.cancelText, "Cancel Printing");
  EXPECT_EQ(backend.PrintedJobs()[0].request.cancelButton, "Cancel");
}

TEST_F(PrintTest, FrameItOutlinesThePicture) {
  RecordingWindow* window = OpenDocument("Graph");
  backend.QueuePrinter({});
  window->PrintWindow("clip.mov", "Graph", true);
  const shell::Rect placed = PagePicture().rect;
  bool framed = false;
  for (const DrawRecord& record : backend.Drawing()) {
    framed = framed || (record.op == DrawOp::kFrameRect && record.rect == placed);
  }
  EXPECT_TRUE(framed);
}

TEST_F(PrintTest, ACancelledPrintDialogPrintsNothing) {
  RecordingWindow* window = OpenDocument("Graph");
  shell::HeadlessPrinter cancel;
  cancel.confirm = false;
  backend.QueuePrinter(cancel);
  window->PrintWindow("clip.mov", "Graph", false);
  EXPECT_TRUE(backend.PrintedJobs().empty());
  EXPECT_TRUE(HeaderTexts().empty());
  EXPECT_EQ(window->drawMode, kTdvDrawNone);
}

TEST_F(PrintTest, AJobThatCannotStartIsAbandonedQuietly) {
  RecordingWindow* window = OpenDocument("Graph");
  shell::HeadlessPrinter broken;
  broken.failStartPage = true;
  backend.QueuePrinter(broken);
  window->PrintWindow("clip.mov", "Graph", false);
  ASSERT_EQ(backend.PrintedJobs().size(), 1u);
  EXPECT_TRUE(backend.PrintedJobs()[0].aborted);
  EXPECT_TRUE(backend.PrintedJobs()[0].pages.empty());
  EXPECT_TRUE(backend.Window(window->hwnd)->enabled);
  EXPECT_FLOAT_EQ(window->scale.x, 1.0f);
  EXPECT_EQ(window->drawMode, kTdvDrawNone);
}

TEST_F(PrintTest, CancellingDuringTheJobAbortsTheDocument) {
  RecordingWindow* window = OpenDocument("Graph");
  shell::HeadlessPrinter printer;
  printer.pressCancel = true;
  backend.QueuePrinter(printer);
  window->PrintWindow("clip.mov", "Graph", false);
  EXPECT_TRUE(backend.PrintedJobs()[0].aborted);
  EXPECT_FALSE(backend.PrintedJobs()[0].finished);
  EXPECT_TRUE(backend.Window(window->hwnd)->enabled);
}

TEST_F(PrintTest, TheConversionTracesItsStepsToTheTraceFile) {
  RecordingWindow* window = OpenDocument("Graph", {0, 0, 5, 23});  // 3 × 3 pixels
  backend.QueuePrinter({});
  window->PrintWindow("clip.mov", "Graph", false);
  std::ifstream trace(tracePath);
  std::vector<std::string> lines;
  for (std::string line; std::getline(trace, line);) {
    lines.push_back(line);
  }
  // Rows of three 24-bit pixels take 9 bytes, padded to 12.
  EXPECT_EQ(lines, (std::vector<std::string>{"BeforeAlloc dwLen = 40", "BeforeGetDIB",
                                             "AfterUnlock1", "BeforeRealloc dwLen = 76",
                                             "BeforeLock2", "BeforeGetDIB2", "BeforeUnlock2"}));
}

TEST_F(PrintTest, AWindowWithNothingToShowPrintsTheHeaderAndSaysSo) {
  RecordingWindow* window = OpenDocument("Graph", {0, 0, 2, 20});  // no client area
  backend.QueuePrinter({});
  backend.ExpectMessage("Error Converting Window to Bitmap", shell::MessageAnswer::kOk,
                        "Printing Error");
  window->PrintWindow("clip.mov", "Graph", false);
  EXPECT_EQ(HeaderTexts().size(), 4u);
  EXPECT_TRUE(backend.PrintedJobs()[0].finished);
}

// ---------------------------------------------------------------- clipboard

class ClipboardTest : public ShellTest {};

TEST_F(ClipboardTest, TheClipboardReceivesTheWindowsPictureOnWhite) {
  RecordingWindow* window = OpenDocument("Graph");
  // The screen shows something else: the copy is drawn afresh, on white.
  window->BeforePaint();
  window->GfxSetFGColor(shell::MakeRgb(0, 255, 0));
  window->GfxFillRect({0, 0, 200, 100});
  window->AfterPaint();
  window->draw = [](TdvWindow& w) {
    w.GfxSetFGColor(kBlue);
    w.GfxFillRect({10, 10, 20, 20});
  };
  ASSERT_TRUE(window->CopyToClipboard());
  std::optional<shell::Picture> copied = backend.ClipboardPicture();
  ASSERT_TRUE(copied.has_value());
  EXPECT_EQ(copied->Width(), 200);
  EXPECT_EQ(copied->Height(), 100);
  EXPECT_EQ(copied->At(15, 15), kBlue);
  EXPECT_EQ(copied->At(0, 0), shell::kWhite);
  EXPECT_EQ(copied->At(199, 99), shell::kWhite);
  EXPECT_EQ(window->drawMode, kTdvDrawNone);
}

TEST_F(ClipboardTest, APartOfTheWindowCanBeCopied) {
  RecordingWindow* window = OpenDocument("Movie");
  window->draw = [](TdvWindow& w) {
    w.GfxSetFGColor(kBlue);
    w.GfxFillRect({50, 20, 60, 30});
  };
  ASSERT_TRUE(window->CopyToClipboard(shell::Rect{50, 20, 70, 40}));
  std::optional<shell::Picture> copied = backend.ClipboardPicture();
  ASSERT_TRUE(copied.has_value());
  EXPECT_EQ(copied->Width(), 20);
  EXPECT_EQ(copied->At(0, 0), kBlue);
  EXPECT_EQ(copied->At(10, 10), shell::kWhite);
}

TEST_F(ClipboardTest, AClipboardThatRefusesKeepsWhatItHad) {
  RecordingWindow* window = OpenDocument("Graph");
  ASSERT_TRUE(backend.SetClipboardText("earlier"));
  backend.SetClipboardWorks(false);
  EXPECT_FALSE(window->CopyToClipboard());
  EXPECT_EQ(backend.ClipboardText(), "earlier");
  EXPECT_EQ(window->drawMode, kTdvDrawNone);
}

TEST_F(ClipboardTest, RenderingDrawsInBitmapModeAndRestoresTheHeldSurface) {
  RecordingWindow* window = OpenDocument("Graph");
  int modeSeen = -1;
  window->draw = [&modeSeen](TdvWindow& w) { modeSeen = w.drawMode; };
  window->BeforePaint();
  shell::Surface* held = window->dc;
  shell::Picture picture = window->RenderToBitmap();
  EXPECT_EQ(modeSeen, kTdvDrawBitmap);
  EXPECT_EQ(window->dc, held);
  EXPECT_EQ(window->drawMode, kTdvDrawHeld);
  window->AfterPaint();
}

// ---------------------------------------------------------------- bitmaps

TEST(Dib, RowsArePaddedTo32BitsAndStoredBottomUp) {
  shell::Picture picture(3, 2, shell::kWhite);
  picture.Set(0, 0, kRed);
  std::optional<TdvDib> dib = ConvertToDib(picture, "");
  ASSERT_TRUE(dib.has_value());
  EXPECT_EQ(dib->bitsPerPixel, 24);
  EXPECT_TRUE(dib->colourTable.empty());
  EXPECT_EQ(dib->RowBytes(), 12);
  ASSERT_EQ(dib->bits.size(), 24u);
  // The top-left pixel is in the last row, blue, green, red.
  EXPECT_EQ(dib->bits[12], 0);
  EXPECT_EQ(dib->bits[13], 0);
  EXPECT_EQ(dib->bits[14], 255);
  EXPECT_EQ(PictureFromDib(*dib), picture);
}

TEST(Dib, BitsPerPixelFollowTheDevice) {
  EXPECT_EQ(DibBitsPerPixel(1), 1);
  EXPECT_EQ(DibBitsPerPixel(3), 4);
  EXPECT_EQ(DibBitsPerPixel(8), 8);
  EXPECT_EQ(DibBitsPerPixel(16), 24);
  EXPECT_EQ(DibBitsPerPixel(32), 24);
}

TEST(Dib, AnEmptyPictureHasNoBitmap) {
  EXPECT_FALSE(ConvertToDib({}, "").has_value());
}

}  // namespace
