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

}  // namespace
