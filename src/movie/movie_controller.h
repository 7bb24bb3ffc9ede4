#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

#include "movie/video_types.h"
#include "shell/backend_events.h"
#include "shell/gfx_types.h"

class TdvWindow;

namespace kinovex {

// What the controller is about to do, as its filter is told.
enum class TdvControllerAction {
  kGoToTime,  // argument: the time asked for
  kStep,      // argument: +1 forwards, -1 backwards
  kPlay,      // argument: the new rate, 0 to stop
};

// The play/step/slider bar under a movie picture. It keeps the frame being
// shown, moves it on the user's clicks and keys and, while playing, on a
// framework timer of the window it is drawn in: at the movie's own frame
// times (skipping frames when showing them is slower than the movie), or
// every frame in turn with "play every frame" on.
//
// Every go-to, step and play passes the filter first; a filter answering
// true suppresses the action. After the shown frame has changed the
// controller calls `onFrameChanged`.
class TdvMovieController {
 public:
  using Filter = std::function<bool(TdvControllerAction action, int argument)>;
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // The timer the controller runs on its window while playing.
  static constexpr int kPlayTimer = 4711;
  static constexpr int kTickMilliseconds = 5;

  // `duration` ends the last frame.
  TdvMovieController(TdvWindow& window, std::vector<MovieTime> frameTimes, MovieTime timeScale,
                     MovieTime duration);
  ~TdvMovieController();
  TdvMovieController(const TdvMovieController&) = delete;
  TdvMovieController& operator=(const TdvMovieController&) = delete;

  void SetFilter(Filter filter) { filter_ = std::move(filter); }
  void SetClock(Clock clock) { clock_ = std::move(clock); }
  std::function<void()> onFrameChanged;

  // Only the first `count` frames can be shown (the rest of the file does
  // not decode); stepping, playing and going to a time stay inside them.
  void LimitFrames(std::size_t count);
  std::size_t FrameCount() const { return frameCount_; }

  MovieTime Time() const { return frameTimes_[index_]; }
  std::size_t FrameIndex() const { return index_; }
  void GoToTime(MovieTime time);
  void Step(int direction);
  // 0 stops, anything else plays forwards in real time.
  void SetPlayRate(int rate);
  int PlayRate() const { return playing_ ? 1 : 0; }
  void SetPlayEveryFrame(bool on) { playEveryFrame_ = on; }

  // The bar's rectangle in the window's client pixels.
  void SetBounds(const shell::Rect& bounds) { bounds_ = bounds; }
  const shell::Rect& Bounds() const { return bounds_; }
  void Draw();

  // Clicks and drags on the bar, its timer, and the plain keys Left, Right
  // (one frame) and Space (play or pause). True when the event was the
  // controller's.
  bool FeedEvent(const shell::Event& event);

 private:
  enum class Part { kNone, kPlay, kStepBack, kStepForward, kSlider };
  struct Parts {
    shell::Rect play, stepBack, stepForward, slider;
  };

  Parts Layout() const;
  Part HitPart(shell::Point point) const;
  MovieTime SliderTime(int x) const;
  void Show(std::size_t index);
  void StopPlaying();
  void Tick();
  // The end of the last frame that can be shown.
  MovieTime EndTime() const;
  bool Suppressed(TdvControllerAction action, int argument) const;

  TdvWindow& window_;
  std::vector<MovieTime> frameTimes_;
  MovieTime timeScale_;
  MovieTime duration_;
  std::size_t frameCount_;
  std::size_t index_ = 0;
  Filter filter_;
  Clock clock_ = [] { return std::chrono::steady_clock::now(); };
  bool playing_ = false;
  bool playEveryFrame_ = true;
  bool draggingThumb_ = false;
  std::chrono::steady_clock::time_point playStart_;
  MovieTime playStartTime_ = 0;
  shell::Rect bounds_;
};

}  // namespace kinovex
