// The data table window as the user works it: clicks, drags and keys in,
// the copied text and the drawn cells out.

#include <string>
#include <vector>

#include "table_window_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Values keep four significant digits, on screen and on the clipboard.
TEST_F(TableWindowTest, ValuesShowAndCopyWithFourDigits) {
  OpenTable(3);
  SetBallValue(2, 1, 1.23456);
  backend.Paint(window->hwnd);
  EXPECT_THAT(DrawnTexts(), ::testing::Contains("1.235"));
  Click(Cell(kBallX, 1));
  EXPECT_EQ(Copied(), "1.235\r\n");
}

struct SelectionCase {
  const char* name;
  std::vector<std::pair<shell::Point, shell::Modifiers>> clicks;
  const char* copied;
};

TEST_F(TableWindowTest, SelectionsCopyWhatTheyCover) {
  const shell::Modifiers shift{false, true, false};
  const shell::Modifiers control{true, false, false};
  const SelectionCase cases[] = {
      {"one cell", {{Cell(kBallY, 2), {}}}, "-0.5000\r\n"},
      {"a whole row", {{RowHeader(1), {}}}, "0.03333\t\t\t1.500\t-0.2500\r\n"},
      {"one column",
       {{ColumnHeader(kBallY), {}}},
       "Ball\r\ny-pos\r\n[pixels]\r\n0.000\r\n-0.2500\r\n-0.5000\r\n"},
      {"the series block",
       {{SeriesHeader(kBallY), {}}},
       "Ball\tBall\r\nx-pos\ty-pos\r\n[pixels]\t[pixels]\r\n0.000\t0.000\r\n1.500\t-0.2500\r\n3."
       "000\t-0."
       "5000\r\n"},
      {"only the time column",
       {{ColumnHeader(kTime), {}}},
       "time\r\n[s]\r\n0.000\r\n0.03333\r\n0.06667\r\n"},
      {"cells by shift",
       {{Cell(kBallX, 0), {}}, {Cell(kBallY, 1), shift}},
       "0.000\t0.000\r\n1.500\t-0.2500\r\n"},
      {"control adds a cell",
       {{Cell(kBallX, 0), {}}, {Cell(kBallX, 2), control}},
       "0.000\r\n3.000\r\n"},
      {"control takes a cell out of a row",
       {{RowHeader(1), {}}, {Cell(kBallY, 1), control}},
       "0.03333\t\t\t1.500\r\n"},
      {"control adds a column to a column",
       {{ColumnHeader(kTime), {}}, {ColumnHeader(kBallY), control}},
       "\tBall\r\ntime\ty-pos\r\n[s]\t[pixels]\r\n0.000\t0.000\r\n0.03333\t-0.2500\r\n0.06667\t-0."
       "5000\r\n"},
      {"control twice leaves nothing", {{Cell(kBallX, 0), {}}, {Cell(kBallX, 0), control}}, ""},
      {"empty space deselects", {{RowHeader(0), {}}, {{360, 100}, {}}}, ""},
  };
  OpenTable(3);
  for (const SelectionCase& c : cases) {
    SCOPED_TRACE(c.name);
    backend.SetClipboardText("");
    for (const auto& [point, modifiers] : c.clicks) {
      Click(point, modifiers);
    }
    EXPECT_EQ(Copied(), c.copied);
  }
}

TEST_F(TableWindowTest, DraggingSelectsTheRectangle) {
  OpenTable(4);
  Drag(Cell(kBallY, 3), Cell(kBallX, 2));
  EXPECT_EQ(Copied(), "3.000\t-0.5000\r\n4.500\t-0.7500\r\n");
}

// The row header also shows its frame in the movie, and the row of the
// frame the movie shows is marked.
TEST_F(TableWindowTest, RowHeaderShowsItsFrameInTheMovie) {
  OpenTable(3);
  Click(RowHeader(2));
  EXPECT_THAT(movie.shownTimes, ElementsAre(2 * kFrameStep));
  EXPECT_EQ(Copied(), "0.06667\t\t\t3.000\t-0.5000\r\n");
  doc->CurrentTimeChanged(2 * kFrameStep);
  backend.Paint(window->hwnd);
  const shell::Picture& pixels = backend.Pixels(window->hwnd);
  EXPECT_NE(pixels.At(RowHeader(2).x, RowHeader(2).y), pixels.At(RowHeader(1).x, RowHeader(1).y));
}

// The text grows with the selection: nothing is cut, however large.
TEST_F(TableWindowTest, LargeSelectionIsCopiedWhole) {
  OpenTable(40000);
  backend.Command(window->hwnd, 464);
  const std::string text = Copied();
  std::size_t lines = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos;
       at = text.find("\r\n", at + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, 3u + 40000u);
  const std::string last = "1333\t\t\t60000\t-10000\r\n";
  EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

TEST_F(TableWindowTest, TableFollowsTheSeriesOfTheDocument) {
  OpenTable(2);
  TdvDataPoint* cart = AddPoint(*doc, "Cart");
  backend.Command(window->hwnd, 464);
  EXPECT_THAT(Copied(), HasSubstr("\tBall\tBall\tCart\tCart\r\n"));
  doc->DeleteItem(ball->GetId());
  backend.Command(window->hwnd, 464);
  EXPECT_THAT(Copied(), ::testing::StartsWith("\tOrigin 1\tOrigin 1\tCart\tCart\r\n"));
  EXPECT_NE(cart, nullptr);
}

// A repaint formats only what is visible, and scrolling shows later rows.
TEST_F(TableWindowTest, RepaintDrawsOnlyVisibleRows) {
  OpenTable(1000);
  backend.ClearDrawing();
  backend.Paint(window->hwnd);
  std::vector<std::string> texts = DrawnTexts();
  EXPECT_LT(texts.size(), 5u * 14u + 20u);
  EXPECT_THAT(texts, ::testing::Contains("18.00"));
  EXPECT_THAT(texts, ::testing::Not(::testing::Contains("1485")));
  backend.Scroll(window->hwnd, TdvTableWindow::kVerticalBar, shell::kScrollThumb, 990);
  backend.ClearDrawing();
  backend.Paint(window->hwnd);
  EXPECT_THAT(DrawnTexts(), ::testing::Contains("1485"));
}

// Opening again brings the one window forward; closing the document
// closes it, and it saves its place.
TEST_F(TableWindowTest, OneTableWindowPerDocument) {
  OpenTable(2);
  doc->DoCommand(703);
  doc->DoToolCommand(4);
  EXPECT_EQ(doc->TableWindow(), window);
  std::string saved;
  doc->WriteDocument(saved);
  EXPECT_THAT(saved, HasSubstr("T["));
  const shell::WindowHandle handle = window->hwnd;
  window->ForceClose();
  EXPECT_FALSE(backend.Exists(handle));
  EXPECT_EQ(doc->TableWindow(), nullptr);
}

// Print and Copy go through the framework's print job and clipboard and
// leave the window as it was; the coordinate-systems window copies its
// picture.
TEST_F(TableWindowTest, BothWindowsPrintAndCopyThroughTheFramework) {
  OpenTable(2);
  Click(ColumnHeader(kBallX));
  const std::tuple<TdvWindow*, const char*, const char*> cases[] = {
      {doc, "Coo", nullptr}, {window, "Tab", "Ball\r\nx-pos\r\n[pixels]\r\n0.000\r\n1.500\r\n"}};
  for (const auto& [shown, jobName, copiedText] : cases) {
    SCOPED_TRACE(jobName);
    backend.QueuePrinter({});
    backend.Command(shown->hwnd, 161);
    const shell::PrintedJob& job = backend.PrintedJobs().at(backend.PrintedJobs().size() - 1);
    EXPECT_TRUE(job.request.jobName == jobName && job.finished && job.pages.size() == 1);
    EXPECT_TRUE(backend.Window(shown->hwnd)->enabled);

    backend.Command(shown->hwnd, 462);
    backend.Paint(shown->hwnd);
    EXPECT_TRUE(copiedText != nullptr ? backend.ClipboardText() == copiedText
                                      : backend.ClipboardPicture() == backend.Pixels(shown->hwnd));
  }
}

}  // namespace
