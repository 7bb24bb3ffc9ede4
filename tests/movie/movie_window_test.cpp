#include "movie_window_fixture.h"

namespace kinovex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct ShownFrameCase {
  const char* name;
  int frames;
  std::size_t decodable;
  MovieTime goTo;
  const char* counter;
  const char* time;
};

// The counter and the time name the frame on screen: the earlier frame for
// a time between two starts, and never a frame past the end of a movie
// whose file was cut short.
TEST_F(MovieWindowTest, CounterAndTimeNameTheFrameShown) {
  const ShownFrameCase cases[] = {
      {"one frame", 1, 1, 0, "1 of 1", "t = 0 [s]"},
      {"between two starts", 5, 5, 50, "3 of 5", "t = 40 [s]"},
      {"past the end", 5, 5, 5000, "5 of 5", "t = 80 [s]"},
      {"cut short", 10, 6, 150, "6 of 6", "t = 100 [s]"},
  };
  for (const ShownFrameCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenMovie(c.frames, 20, 320, 240, c.decodable);
    window->GoToTime(c.goTo);
    backend.Paint(window->hwnd);
    EXPECT_EQ(LastText(" of "), c.counter);
    EXPECT_EQ(LastText("t = "), c.time);
    EXPECT_EQ(LastText("Pict is null"), "");
    window->ForceClose();
    backend.ClearDrawing();
  }
  EXPECT_EQ(backend.Beeps(), 0);
}

// A movie none of whose frames decode still opens: each frame shows the
// note in an empty picture and beeps once, however often it is painted.
TEST_F(MovieWindowTest, UndecodableFrameShowsPictIsNullWithoutMessageBox) {
  OpenMovie(3, 20, 320, 240, 0);
  backend.Paint(window->hwnd);
  backend.Paint(window->hwnd);
  EXPECT_EQ(LastText("Pict"), "Pict is null");
  EXPECT_EQ(backend.Beeps(), 1);
  backend.PressKey(window->hwnd, shell::Key::kRight);
  EXPECT_EQ(backend.Beeps(), 2);
  EXPECT_THAT(backend.Messages(), IsEmpty());
  EXPECT_EQ(backend.Pixels(window->hwnd).At(5, 5), shell::kWhite);
}

struct SizeCase {
  const char* name;
  bool keepAspect;
  shell::Size asked;
  shell::Size client;
  bool small;
};

// The movie keeps its shape (one pixel off is close enough), is never
// narrower than 160 pixels, and below 320 pixels gets a three-row strip
// whose name box spans the window. Bars are 16 pixels high here.
TEST_F(MovieWindowTest, ResizingKeepsTheMovieShape) {
  const SizeCase cases[] = {
      {"snapped", true, {500, 272}, {320, 272}, false},
      {"smaller", true, {300, 150 + 48}, {200, 150 + 48}, true},
      {"minimum", true, {100, 100}, {160, 120 + 48}, true},
      {"free but not too narrow", false, {100, 272}, {160, 224 + 48}, true},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenMovie(2);
    window->SetOption(TdvMoovWindow::kKeepAspectOption, c.keepAspect ? 1 : 0);
    backend.Resize(window->hwnd, c.asked);
    EXPECT_EQ(backend.ClientSize(window->hwnd), c.client);
    const TdvMovieLayout& layout = window->Layout();
    EXPECT_EQ(layout.small, c.small);
    EXPECT_EQ(layout.picture,
              (shell::Rect{0, 0, c.client.width, c.client.height - (c.small ? 48 : 32)}));
    EXPECT_EQ(layout.nameBox.left, c.small ? -1 : 159);
    EXPECT_EQ(layout.nameBox.bottom, c.client.height);
    window->ForceClose();
  }
}

struct ClickCase {
  const char* name;
  double size;  // of the movie, in natural sizes
  shell::Point at;
  std::vector<std::string> calls;
};

// Clicks reach the document in movie units (half movie pixels, y up);
// clicks just off the picture reach nothing.
TEST_F(MovieWindowTest, ClicksOnThePictureReachTheDocumentInMovieUnits) {
  const ClickCase cases[] = {
      {"natural size", 1, {10, 20}, {"MovieClick 20 -40", "MovieMouseUp 20 -40"}},
      {"double size", 2, {10, 21}, {"MovieClick 10 -21", "MovieMouseUp 10 -21"}},
      {"just below the picture", 1, {10, 240}, {}},
      {"just right of the picture", 0.5, {160, 10}, {}},
  };
  for (const ClickCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenMovie(2);
    window->SetMovieSize(static_cast<int>(320 * c.size), static_cast<int>(240 * c.size));
    document.calls.clear();
    backend.Click(window->hwnd, c.at);
    EXPECT_EQ(document.calls, c.calls);
    window->ForceClose();
  }
}

TEST_F(MovieWindowTest, DragAndDoubleClickGoToTheDocument) {
  OpenMovie(2);
  backend.MouseDown(window->hwnd, {10, 10});
  backend.MouseMove(window->hwnd, {30, 10});
  backend.MouseMove(window->hwnd, {500, 10});  // held to the picture's edge
  backend.MouseUp(window->hwnd, {30, 10});
  backend.DoubleClick(window->hwnd, {5, 5});
  EXPECT_THAT(document.calls,
              ElementsAre("MovieClick 20 -20", "MovieDrag 60 -20", "MovieDrag 638 -20",
                          "MovieMouseUp 60 -20", "MovieDoubleClick 10 -10"));
}

// The two clicks of a scale go to ScalePoint, never to the document's own
// click handling; a click off the picture does not count.
TEST_F(MovieWindowTest, ScaleClicksReachScalePointOnly) {
  OpenMovie(2);
  window->ShowMovieMessage(90);
  ASSERT_NE(window->messageWindow, nullptr);
  backend.Click(window->hwnd, {10, 250});
  backend.Click(window->hwnd, {10, 20});
  EXPECT_EQ(window->messageWindow->message, "Click on the other end of the object of known length");
  backend.Click(window->hwnd, {50, 20});
  EXPECT_EQ(window->messageWindow, nullptr);
  EXPECT_FALSE(window->scaleMode);
  EXPECT_THAT(document.calls, ElementsAre("ScalePoint 20 -40 -5", "ScalePoint 100 -40 -6"));
  backend.Click(window->hwnd, {10, 20});
  EXPECT_EQ(document.calls.back(), "MovieMouseUp 20 -40");
}

// Ending the message after the first click (its Done button or its close
// box) cancels the scale; before any click there is nothing to cancel.
TEST_F(MovieWindowTest, ScaleEndedAfterOneClickIsCancelled) {
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "Done");
    OpenMovie(2);
    document.calls.clear();
    window->ShowMovieMessage(90);
    backend.Click(window->hwnd, {10, 20});
    const shell::WindowHandle message = window->messageWindow->hwnd;
    if (closeBox) {
      backend.Close(message);
    } else {
      window->messageWindow->DoControlCommand(TdvStatusWindow::kDoneControl);
    }
    EXPECT_FALSE(backend.Exists(message));
    EXPECT_EQ(window->messageWindow, nullptr);
    EXPECT_THAT(document.calls, ElementsAre("ScalePoint 20 -40 -5", "ScalePoint 0 0 -4"));
    window->ShowMovieMessage(90);
    window->ShowMovieMessage(-1);
    EXPECT_EQ(document.calls.size(), 2u);
    window->ForceClose();
  }
}

// Closing the movie window by hand closes the whole document, unless the
// user keeps the document at its save prompt.
TEST_F(MovieWindowTest, ClosingTheMovieWindowClosesTheDocument) {
  OpenMovie(2);
  const shell::WindowHandle handle = window->hwnd;
  document.keepOpen = true;
  backend.Close(handle);
  EXPECT_TRUE(backend.Exists(handle));
  document.keepOpen = false;
  backend.Close(handle);
  EXPECT_FALSE(backend.Exists(handle));
  EXPECT_THAT(document.calls, ElementsAre("CloseDocument", "CloseDocument", "MovieClosing"));
}

// Control and an arrow move the selected point; the plain arrows step the
// movie and move nothing.
TEST_F(MovieWindowTest, ControlArrowNudgesWhilePlainArrowSteps) {
  OpenMovie(5);
  backend.PressKey(window->hwnd, shell::Key::kRight, {.control = true});
  backend.PressKey(window->hwnd, shell::Key::kLeft, {.control = true});
  backend.PressKey(window->hwnd, shell::Key::kUp, {.control = true});
  backend.PressKey(window->hwnd, shell::Key::kDown, {.control = true});
  EXPECT_EQ(window->currentTime, 0);
  backend.PressKey(window->hwnd, shell::Key::kRight);
  backend.PressKey(window->hwnd, shell::Key::kRight);
  backend.PressKey(window->hwnd, shell::Key::kLeft);
  EXPECT_EQ(window->currentTime, 20);
  EXPECT_THAT(document.calls, ElementsAre("NudgeSelected 7", "NudgeSelected 6", "NudgeSelected 5",
                                          "NudgeSelected 8", "ControllerStepped",
                                          "ControllerStepped", "ControllerStepped"));
}

// The name box shows an item without data on this frame in italics and
// the cursor offers to take data.
TEST_F(MovieWindowTest, ItemWithoutDataIsNamedInItalics) {
  OpenMovie(2);
  for (bool hasData : {true, false}) {
    document.labelHasData = hasData;
    backend.ClearDrawing();
    backend.Paint(window->hwnd);
    bool italic = false;
    for (const shell::DrawRecord& record : backend.DrawingOn(window->hwnd)) {
      if (record.op == shell::DrawOp::kText && record.text == "ball") {
        italic = record.font.italic;
      }
    }
    EXPECT_EQ(italic, !hasData);
    EXPECT_EQ(window->cursorKind, hasData ? 0 : 2);
  }
}

}  // namespace
}  // namespace kinovex::testing
