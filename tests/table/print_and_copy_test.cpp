// Print and Copy of the document's two list windows go through the
// framework's print job and clipboard, and leave the window as it was.

#include <algorithm>

#include "table_window_fixture.h"

namespace {

bool AllWhite(const shell::Picture& picture) {
  return std::all_of(picture.Pixels().begin(), picture.Pixels().end(),
                     [](shell::Rgb pixel) { return pixel == shell::kWhite; });
}

TEST_F(TableWindowTest, BothWindowsPrintAndCopyThroughTheFramework) {
  OpenTable(5);
  Click(ColumnHeader(kBallX));
  struct Case {
    const char* name;
    TdvWindow* window;
    const char* jobName;
    // The table copies its selection as text, the other window its picture.
    const char* copiedText;
  };
  const Case cases[] = {
      {"coordinate systems", doc, "Coo", nullptr},
      {"table", window, "Tab",
       "Ball\r\nx-pos\r\n[pixels]\r\n0.000\r\n1.500\r\n3.000\r\n4.500\r\n6.000\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    backend.QueuePrinter({});
    backend.Command(c.window->hwnd, 161);
    ASSERT_FALSE(backend.PrintedJobs().empty());
    const shell::PrintedJob& job = backend.PrintedJobs().back();
    EXPECT_EQ(job.request.jobName, c.jobName);
    EXPECT_TRUE(job.finished);
    ASSERT_EQ(job.pages.size(), 1u);
    EXPECT_FALSE(AllWhite(job.pages.front()));
    EXPECT_TRUE(backend.Window(c.window->hwnd)->enabled);
    EXPECT_EQ(c.window->drawMode, kTdvDrawNone);

    backend.Command(c.window->hwnd, 462);
    backend.Paint(c.window->hwnd);
    if (c.copiedText != nullptr) {
      EXPECT_EQ(backend.ClipboardText(), c.copiedText);
    } else {
      // The picture on the clipboard is what the window shows.
      EXPECT_EQ(backend.ClipboardPicture(), backend.Pixels(c.window->hwnd));
    }
  }
}

}  // namespace
