#include <string>

#include <gmock/gmock.h>

#include "document/file_parser.h"
#include "foundation/format_significant.h"

#include "graph_window_fixture.h"

namespace {

// A click in the data asks the movie for the frame nearest in time and
// selects the ball when the click is on its point.
TEST_F(GraphWindowTest, ClickInThePlotMovesTheMovieToTheNearestFrame) {
  OpenGraph(21);
  struct Case {
    const char* what;
    shell::Point at;
    std::int32_t frame;
    bool selects;
  };
  const shell::Point seventh = PointOf(7);
  const shell::Point third = PointOf(3);
  const shell::Point fourth = PointOf(4);
  const Case cases[] = {
      {"on a point", seventh, 7 * kFrameStep, true},
      {"below a point", {seventh.x, seventh.y + 40}, 7 * kFrameStep, false},
      {"nearer the fourth", {(third.x + 2 * fourth.x) / 3, third.y}, 4 * kFrameStep, false},
      {"beside the last", {PointOf(20).x + 3, PointOf(20).y}, 20 * kFrameStep, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    doc->SelectItem(kNoItem, 0);
    movie.shownTimes.clear();
    Click(c.at);
    ASSERT_EQ(movie.shownTimes.size(), 1u);
    EXPECT_EQ(movie.shownTimes[0], c.frame);
    EXPECT_EQ(doc->IsSelected(ball->GetId()), c.selects);
  }
}

// A double click on a point restyles its plot; one beside the curve does
// not open the chooser.
TEST_F(GraphWindowTest, DoubleClickOnAPointChoosesItsPlotsMarker) {
  OpenGraph(9);
  dialogs.chosenStyle = {3, 5, 7, false};
  backend.DoubleClick(window->hwnd, {PointOf(4).x, PointOf(4).y + 40});
  EXPECT_EQ(dialogs.markerChoosers, 0);
  backend.DoubleClick(window->hwnd, PointOf(4));
  EXPECT_EQ(dialogs.markerChoosers, 1);
  const TdvPlotStyle style = window->Stack().Graphs()[0]->Plots()[0]->Style();
  EXPECT_EQ(style.markerShape, 3);
  EXPECT_EQ(style.colour, 5);
  EXPECT_FALSE(style.connect);
}

// Replacing the quantity of a graph of two plots could mean either: it is
// refused and nothing changes; one plot is replaced, and Add joins a plot.
TEST_F(GraphWindowTest, ChangeRangeReplacesOnlyTheOnePlotOfAGraph) {
  OpenGraph(5);
  const shell::Rect title = window->Layout().graphs[0].title;
  const shell::Point onTitle{title.left + 2, (title.top + title.bottom) / 2};
  struct Step {
    std::int32_t quantity;
    bool replace;
    std::vector<std::int32_t> quantities;
  };
  const Step steps[] = {
      {kX, true, {kX}},
      {kY, false, {kX, kY}},
      {9, true, {kX, kY}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.quantity) + (step.replace ? " replaces" : " joins"));
    Click(onTitle);
    ASSERT_TRUE(dialogs.changePlot);
    EXPECT_EQ(dialogs.changedAxis, TdvGraphAxis::kVertical);
    if (window->Stack().Graphs()[0]->Plots().size() > 1 && step.replace) {
      backend.ExpectMessage("Graph Error");
    }
    dialogs.changePlot({ball->GetId(), step.quantity}, step.replace);
    std::vector<std::int32_t> shown;
    for (const auto& plot : window->Stack().Graphs()[0]->Plots()) {
      shown.push_back(plot->quantity);
    }
    EXPECT_EQ(shown, step.quantities);
  }
  EXPECT_EQ(backend.Messages().back().caption, "Can't change plot with > 1 item");
}

// Stepping the movie moves the frame around the point of the frame shown
// without drawing the rest: the pixels are those of a full drawing.
TEST_F(GraphWindowTest, StepsOfTheMovieMoveTheFrameAroundTheShownPoint) {
  OpenGraph(21);
  for (std::int32_t step : {3, 4, 12, 20}) {
    SCOPED_TRACE(step);
    backend.ClearDrawing();
    doc->CurrentTimeChanged(step * kFrameStep);
    for (const shell::DrawRecord& record : backend.DrawingOn(window->hwnd)) {
      EXPECT_NE(record.op, shell::DrawOp::kFillRect) << "only frames are drawn";
    }
    const shell::Picture stepped = backend.Pixels(window->hwnd);
    backend.Paint(window->hwnd);
    EXPECT_TRUE(stepped == backend.Pixels(window->hwnd));
    const shell::Point point = PointOf(step);
    EXPECT_NE(stepped.At(point.x - 11, point.y), shell::kWhite);
  }
}

// A graph saved with its model and fit opens in a window again, on the
// same series, when the document is read back.
TEST_F(GraphWindowTest, SavedGraphOpensAgainWithItsModelAndFit) {
  OpenGraph(21);
  backend.Command(window->hwnd, 551);
  backend.Command(window->hwnd, 554);
  const std::string movieFile = Path("toss.mov");
  WriteFile(movieFile, "not really a movie");
  doc->hasMovie = true;
  doc->moviePath = movieFile;
  doc->movieName = "toss.mov";
  const std::string path = Path("toss.kvx");
  backend.QueueFileAnswer(path);
  ASSERT_TRUE(doc->Save(true));
  TdvFileParser parser;
  TdvDataObjectWindow* read = parser.Parse(TdvFileLocation::FromPath(path));
  ASSERT_NE(read, nullptr);
  read->SetGraphOpener(&opener);
  read->OpenKeptGraphs();
  TdvGraphWindow* reopened = LastGraphWindow();
  ASSERT_NE(reopened, window);
  const TdvGraphObject& graph = *reopened->Stack().Graphs()[0];
  EXPECT_NE(graph.Model(), nullptr);
  EXPECT_NE(graph.Fit(), nullptr);
  ASSERT_EQ(graph.Plots().size(), 1u);
  EXPECT_EQ(read->GetItem(graph.Plots()[0]->seriesId)->GetName(), "Ball");
  ASSERT_NE(graph.Plots()[0]->Group(), nullptr);
  EXPECT_EQ(graph.Plots()[0]->Group()->Values().size(), 21u);
}

std::string Number(double value) {
  return FormatSignificant(value, 4, false);
}

// The readout below the graphs, locked on the data: the point nearest to
// the cursor, then the slope between its neighbours, then the line from
// the point clicked last to it, each mode reached by a click on the
// readout.
TEST_F(GraphWindowTest, LockedReadoutShowsTheNearestPointItsSlopeAndALine) {
  OpenGraph(21);
  auto t = [](int i) { return i * kFrameStep / 600.0; };
  auto y = [&](int i) {
    return doc->DataTable().FindGroup(ball->GetId(), kY)->GetValue(i * kFrameStep).value();
  };
  const TdvGraphLayout& layout = window->Layout();
  const shell::Point lock{(layout.lock.left + layout.lock.right) / 2, layout.lock.top + 2};
  const shell::Point readout{layout.readout.left + 5, layout.readout.top + 5};
  Click(PointOf(3));
  Click(lock);
  const double slope = (y(8) - y(6)) / (t(8) - t(6));
  const double lineSlope = (y(7) - y(3)) / (t(7) - t(3));
  const std::string expected[] = {
      "x: " + Number(t(7)) + "   y: " + Number(y(7)),
      "x: " + Number(t(7)) + "   slope: " + Number(slope),
      "A: " + Number(t(3)) + ", " + Number(y(3)) + "   B: " + Number(t(7)) + ", " + Number(y(7)) +
          "   int: " + Number(y(3) - t(3) * lineSlope),
  };
  for (const std::string& text : expected) {
    SCOPED_TRACE(text);
    backend.ClearDrawing();
    backend.MouseMove(window->hwnd, {PointOf(7).x + 2, PointOf(7).y - 3});
    std::vector<std::string> drawn;
    for (const shell::DrawRecord& record : backend.DrawingOn(window->hwnd)) {
      if (record.op == shell::DrawOp::kText) {
        drawn.push_back(record.text);
      }
    }
    EXPECT_THAT(drawn, ::testing::Contains(text));
    Click(readout);
  }
}

}  // namespace
