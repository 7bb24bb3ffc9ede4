#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "../shell/shell_fixture.h"
#include "movie/movie_window.h"
#include "movie/video_movie.h"
#include "shell/status_window.h"

namespace kinovex::testing {

// A movie in memory whose frame pictures are plain colours; frames from
// `decodable` on cannot be decoded, as in a file cut short.
class FakeMovie : public TdvVideoMovie {
 public:
  FakeMovie(int width, int height, std::vector<MovieTime> times, MovieTime duration,
            std::size_t decodable = std::numeric_limits<std::size_t>::max())
      : TdvVideoMovie(TdvVideoMovieInfo{width, height, 600, duration, std::move(times), "fake"}),
        decodable_(decodable) {}

  std::optional<std::string> VideoUserText(TdvFourCharCode) const override { return std::nullopt; }
  bool VideoFrameImage(MovieTime time, TdvVideoImage& image) override {
    const std::size_t index = FrameIndexAt(time);
    if (index >= decodable_) {
      return false;
    }
    image.width = Info().naturalWidth;
    image.height = Info().naturalHeight;
    image.rgb.assign(static_cast<std::size_t>(image.width) * image.height * 3,
                     static_cast<std::uint8_t>(index * 20));
    return true;
  }

 private:
  std::size_t decodable_;
};

// Frame starts every `step` units, the movie ending one step after the last.
inline std::vector<MovieTime> EvenTimes(int count, MovieTime step) {
  std::vector<MovieTime> times;
  for (int i = 0; i < count; ++i) {
    times.push_back(i * step);
  }
  return times;
}

// The document side of a movie window, writing down what it was told.
class RecordingDocument : public TdvMovieDocument {
 public:
  void MovieClick(int x, int y, const TdvRect&, int) override { Note("MovieClick", x, y); }
  void MovieDrag(int x, int y, int, int, int) override { Note("MovieDrag", x, y); }
  void MovieMouseUp(int x, int y, int) override { Note("MovieMouseUp", x, y); }
  void MovieDoubleClick(int x, int y, int) override { Note("MovieDoubleClick", x, y); }
  void MovieKey(int key, int) override { Note("MovieKey", key); }
  void NudgeSelected(int code) override { Note("NudgeSelected", code); }
  void ScalePoint(int x, int y, int code) override { Note("ScalePoint", x, y, code); }
  void TrackingClick(int x, int y, bool given) override { Note("TrackingClick", x, y, given); }
  void DrawItemsAt(std::int32_t) override {}
  std::string CursorReadout(int, int) override { return "x y"; }
  std::string SelectedItemLabel(bool& hasData) override {
    hasData = labelHasData;
    return "ball";
  }
  std::string MovieAreaHelp() override { return "picture help"; }
  std::string FrameTimeText(std::int32_t frame) override { return std::to_string(frame); }
  int FrameIndex(std::int32_t time, std::int32_t* = nullptr) const override {
    int index = 0;
    while (index + 1 < static_cast<int>(frameTimes.size()) && frameTimes[index + 1] <= time) {
      ++index;
    }
    return index;
  }
  std::string MovieName() const override { return "ball.mov"; }
  bool StepsEveryFrame() const override { return stepsEveryFrame; }
  std::int32_t StepTime(std::int32_t time, bool forward) const override {
    return forward ? time + stepSize : time - stepSize;
  }
  void CurrentTimeChanged(std::int32_t time) override {
    if (shownTimes.empty() || shownTimes.back() != time) {
      shownTimes.push_back(time);
    }
  }
  void ControllerStepped() override { Note("ControllerStepped"); }
  void MovieActivated() override {}
  void MovieClosing() override { Note("MovieClosing"); }
  int MovieDocumentCommand(int) override { return -999; }
  // The user's answer to the save prompt decides.
  bool CloseDocument() override {
    Note("CloseDocument");
    if (keepOpen || window == nullptr) {
      return false;
    }
    window->ForceClose();
    return true;
  }

  // Calls as "Name a b c", leaving out trailing arguments not passed.
  std::vector<std::string> calls;
  std::vector<std::int32_t> shownTimes;
  std::vector<MovieTime> frameTimes;
  TdvMoovWindow* window = nullptr;
  bool stepsEveryFrame = true;
  std::int32_t stepSize = 0;
  bool labelHasData = true;
  bool keepOpen = false;

 private:
  void Note(const std::string& name, int a = kNone, int b = kNone, int c = kNone) {
    std::string call = name;
    for (int value : {a, b, c}) {
      if (value != kNone) {
        call += " " + std::to_string(value);
      }
    }
    calls.push_back(call);
  }
  static constexpr int kNone = std::numeric_limits<int>::min();
};

// A headless program with one movie window showing a fake movie for a
// recording document; the playback clock is the test's.
class MovieWindowTest : public ShellTest {
 protected:
  TdvMoovWindow* OpenMovie(std::unique_ptr<FakeMovie> movie) {
    backend.Resize(frame->hwnd, {1600, 1200});
    window = shell.Keep(std::make_unique<TdvMoovWindow>());
    window->rect = {0, 0, 400, 400};
    EXPECT_EQ(window->OpenWindow(), 1);
    document.frameTimes = movie->VideoFrameTimes();
    document.window = window;
    window->SetDocument(&document);
    window->MoovSetMoov(std::move(movie));
    window->Controller()->SetClock([this] { return now; });
    return window;
  }
  TdvMoovWindow* OpenMovie(int frames, MovieTime step = 20, int width = 320, int height = 240,
                           std::size_t decodable = std::numeric_limits<std::size_t>::max()) {
    return OpenMovie(std::make_unique<FakeMovie>(width, height, EvenTimes(frames, step),
                                                 frames * step, decodable));
  }

  // The last text drawn on the movie window that holds `part`.
  std::string LastText(const std::string& part) const {
    std::string found;
    for (const shell::DrawRecord& record : backend.DrawingOn(window->hwnd)) {
      if (record.op == shell::DrawOp::kText && record.text.find(part) != std::string::npos) {
        found = record.text;
      }
    }
    return found;
  }
  void Advance(double seconds) {
    now += std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(seconds));
  }
  void Tick() { backend.FireTimer(window->hwnd, TdvMovieController::kPlayTimer); }
  bool Playing() const {
    return backend.Window(window->hwnd)->timers.count(TdvMovieController::kPlayTimer) != 0;
  }
  // A point inside one of the controller's buttons, counted from its left.
  shell::Point Button(int index) const {
    const shell::Rect& bar = window->Layout().controller;
    return {bar.left + 20 * index + 10, (bar.top + bar.bottom) / 2};
  }

  RecordingDocument document;
  TdvMoovWindow* window = nullptr;
  std::chrono::steady_clock::time_point now{};
};

}  // namespace kinovex::testing
