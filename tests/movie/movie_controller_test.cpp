#include "movie_window_fixture.h"

namespace kinovex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// 30 frames a second: 20 units of 600 each.
constexpr double kFrameSeconds = 20.0 / 600.0;

// Played in real time, frames that are due together are skipped and the
// movie stops on its last frame; with "play every frame" each frame is
// shown however late the timer comes.
TEST_F(MovieWindowTest, PlayingOnTheTimerReachesTheLastFrameAndStops) {
  for (bool everyFrame : {false, true}) {
    SCOPED_TRACE(everyFrame ? "every frame" : "real time");
    OpenMovie(10);
    if (!everyFrame) {
      window->DoCommand(313);  // Play All Frames off
    }
    document.shownTimes.clear();
    backend.MouseDown(window->hwnd, Button(0));
    ASSERT_TRUE(Playing());
    for (int tick = 0; tick < 12 && Playing(); ++tick) {
      Advance(2.5 * kFrameSeconds);
      Tick();
    }
    EXPECT_FALSE(Playing());
    EXPECT_EQ(window->currentTime, 180);
    if (everyFrame) {
      EXPECT_THAT(document.shownTimes, ElementsAreArray(std::vector<MovieTime>{
                                           20, 40, 60, 80, 100, 120, 140, 160, 180}));
    } else {
      EXPECT_THAT(document.shownTimes, ElementsAre(40, 100, 140, 180));
    }
    window->ForceClose();
  }
}

// The thumb follows the mouse along the slider from the first frame to the
// last; the buttons step one frame.
TEST_F(MovieWindowTest, ThumbDragAndStepButtonsMoveTheMovie) {
  OpenMovie(10);
  const shell::Rect& bar = window->Layout().controller;
  const int y = (bar.top + bar.bottom) / 2;
  backend.MouseDown(window->hwnd, {bar.right - 3, y});
  EXPECT_EQ(window->currentTime, 180);
  backend.MouseMove(window->hwnd, {(bar.left + 60 + bar.right) / 2, y});
  EXPECT_EQ(window->currentTime, 80);
  backend.MouseMove(window->hwnd, {0, y});
  EXPECT_EQ(window->currentTime, 0);
  backend.MouseUp(window->hwnd, {0, y});
  backend.MouseMove(window->hwnd, {bar.right - 3, y});
  EXPECT_EQ(window->currentTime, 0);
  EXPECT_THAT(document.calls, ::testing::IsEmpty());  // the bar is not the picture

  backend.Click(window->hwnd, Button(2));
  backend.Click(window->hwnd, Button(2));
  backend.Click(window->hwnd, Button(1));
  EXPECT_EQ(window->currentTime, 20);
  EXPECT_THAT(document.calls,
              ElementsAre("ControllerStepped", "ControllerStepped", "ControllerStepped"));
}

// A document that steps several frames at a time takes over the
// controller's steps; the window's own steps are not reported as the
// user's.
TEST_F(MovieWindowTest, DocumentStepSizeReplacesTheControllersStep) {
  OpenMovie(10);
  document.stepsEveryFrame = false;
  document.stepSize = 60;
  backend.Click(window->hwnd, Button(2));
  backend.PressKey(window->hwnd, shell::Key::kRight);
  EXPECT_EQ(window->currentTime, 120);
  backend.Click(window->hwnd, Button(1));
  EXPECT_EQ(window->currentTime, 60);
  document.stepsEveryFrame = true;
  window->StepFrame(true);
  EXPECT_EQ(window->currentTime, 80);
  EXPECT_THAT(document.calls, ::testing::IsEmpty());
}

}  // namespace
}  // namespace kinovex::testing
