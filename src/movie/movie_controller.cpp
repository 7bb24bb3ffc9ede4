#include "movie/movie_controller.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "shell/shell.h"
#include "shell/window.h"

namespace kinovex {

namespace {

constexpr int kButtonWidth = 20;
constexpr int kThumbWidth = 6;
constexpr shell::Rgb kBarGrey = shell::MakeRgb(212, 208, 200);
constexpr shell::Rgb kTrackGrey = shell::MakeRgb(128, 128, 128);

shell::Backend& Backend() {
  return TdvShell::Get().Backend();
}

}  // namespace

TdvMovieController::TdvMovieController(TdvWindow& window, std::vector<MovieTime> frameTimes,
                                       MovieTime timeScale, MovieTime duration)
    : window_(window),
      frameTimes_(std::move(frameTimes)),
      timeScale_(std::max<MovieTime>(timeScale, 1)),
      duration_(duration),
      frameCount_(frameTimes_.size()) {
  if (frameTimes_.empty()) {
    frameTimes_.push_back(0);
    frameCount_ = 1;
  }
}

TdvMovieController::~TdvMovieController() {
  if (playing_ && window_.hwnd != shell::kNoWindow) {
    Backend().StopTimer(window_.hwnd, kPlayTimer);
  }
}

void TdvMovieController::LimitFrames(std::size_t count) {
  frameCount_ = std::clamp<std::size_t>(count, 1, frameTimes_.size());
  if (index_ >= frameCount_) {
    index_ = frameCount_ - 1;
  }
}

MovieTime TdvMovieController::EndTime() const {
  return frameCount_ < frameTimes_.size() ? frameTimes_[frameCount_] : duration_;
}

bool TdvMovieController::Suppressed(TdvControllerAction action, int argument) const {
  return filter_ && filter_(action, argument);
}

void TdvMovieController::Show(std::size_t index) {
  index = std::min(index, frameCount_ - 1);
  if (index == index_) {
    return;
  }
  index_ = index;
  if (onFrameChanged) {
    onFrameChanged();
  }
}

void TdvMovieController::GoToTime(MovieTime time) {
  if (Suppressed(TdvControllerAction::kGoToTime, time)) {
    return;
  }
  auto after = std::upper_bound(frameTimes_.begin(), frameTimes_.end(), time);
  Show(after == frameTimes_.begin() ? 0
                                    : static_cast<std::size_t>(after - frameTimes_.begin()) - 1);
}

void TdvMovieController::Step(int direction) {
  if (Suppressed(TdvControllerAction::kStep, direction)) {
    return;
  }
  StopPlaying();
  if (direction < 0) {
    Show(index_ == 0 ? 0 : index_ - 1);
  } else {
    Show(index_ + 1);
  }
}

void TdvMovieController::SetPlayRate(int rate) {
  if (Suppressed(TdvControllerAction::kPlay, rate)) {
    return;
  }
  if (rate == 0) {
    StopPlaying();
    return;
  }
  if (playing_) {
    return;
  }
  if (index_ + 1 >= frameCount_) {
    Show(0);  // playing from the last frame starts the movie again
  }
  playing_ = true;
  playStart_ = clock_();
  playStartTime_ = Time();
  if (window_.hwnd != shell::kNoWindow) {
    Backend().StartTimer(window_.hwnd, kPlayTimer, kTickMilliseconds);
  }
  Draw();
}

void TdvMovieController::StopPlaying() {
  if (!playing_) {
    return;
  }
  playing_ = false;
  if (window_.hwnd != shell::kNoWindow) {
    Backend().StopTimer(window_.hwnd, kPlayTimer);
  }
  Draw();
}

// The frame the clock has reached; with "play every frame" at most the next
// one, so that none is skipped however slowly frames are shown.
void TdvMovieController::Tick() {
  const double elapsed = std::chrono::duration<double>(clock_() - playStart_).count();
  const double reached = std::round(playStartTime_ + elapsed * timeScale_);
  if (reached >= EndTime()) {
    if (!playEveryFrame_ || index_ + 1 >= frameCount_) {
      Show(frameCount_ - 1);
      SetPlayRate(0);
      return;
    }
  }
  auto after = std::upper_bound(frameTimes_.begin(), frameTimes_.begin() + frameCount_,
                                static_cast<MovieTime>(std::min<double>(reached, EndTime() - 1)));
  std::size_t due = static_cast<std::size_t>(after - frameTimes_.begin()) - 1;
  if (playEveryFrame_) {
    due = std::min(due, index_ + 1);
  }
  if (due > index_) {
    Show(due);
  }
}

TdvMovieController::Parts TdvMovieController::Layout() const {
  const shell::Rect& b = bounds_;
  Parts parts;
  parts.play = {b.left, b.top, b.left + kButtonWidth, b.bottom};
  parts.stepBack = {parts.play.right, b.top, parts.play.right + kButtonWidth, b.bottom};
  parts.stepForward = {parts.stepBack.right, b.top, parts.stepBack.right + kButtonWidth, b.bottom};
  parts.slider = {parts.stepForward.right + 2, b.top,
                  std::max(b.right - 2, parts.stepForward.right + 2), b.bottom};
  return parts;
}

TdvMovieController::Part TdvMovieController::HitPart(shell::Point point) const {
  const Parts parts = Layout();
  if (PointInRect(point, parts.play)) {
    return Part::kPlay;
  }
  if (PointInRect(point, parts.stepBack)) {
    return Part::kStepBack;
  }
  if (PointInRect(point, parts.stepForward)) {
    return Part::kStepForward;
  }
  if (PointInRect(point, parts.slider)) {
    return Part::kSlider;
  }
  return Part::kNone;
}

// The slider spans the shown frames: its left end is the first frame's
// start, its right end the end of the last.
MovieTime TdvMovieController::SliderTime(int x) const {
  const shell::Rect slider = Layout().slider;
  const int track = std::max(shell::RectWidth(slider) - kThumbWidth, 1);
  const double fraction =
      std::clamp(static_cast<double>(x - slider.left - kThumbWidth / 2) / track, 0.0, 1.0);
  const MovieTime first = frameTimes_.front();
  return static_cast<MovieTime>(first + fraction * (EndTime() - 1 - first));
}

bool TdvMovieController::FeedEvent(const shell::Event& event) {
  switch (event.kind) {
    case shell::EventKind::kTimer:
      if (event.id != kPlayTimer) {
        return false;
      }
      if (playing_) {
        Tick();
      }
      return true;
    case shell::EventKind::kMouseDown:
      switch (HitPart(event.point)) {
        case Part::kPlay:
          SetPlayRate(playing_ ? 0 : 1);
          return true;
        case Part::kStepBack:
          Step(-1);
          return true;
        case Part::kStepForward:
          Step(1);
          return true;
        case Part::kSlider:
          draggingThumb_ = true;
          StopPlaying();
          GoToTime(SliderTime(event.point.x));
          return true;
        case Part::kNone:
          return false;
      }
      return false;
    case shell::EventKind::kMouseMove:
      if (!draggingThumb_) {
        return false;
      }
      GoToTime(SliderTime(event.point.x));
      return true;
    case shell::EventKind::kMouseUp:
      if (!draggingThumb_) {
        return false;
      }
      draggingThumb_ = false;
      return true;
    case shell::EventKind::kKeyDown:
      if (event.modifiers.control) {
        return false;
      }
      if (event.key == shell::Key::kLeft || event.key == shell::Key::kRight) {
        Step(event.key == shell::Key::kLeft ? -1 : 1);
        return true;
      }
      if (event.character == U' ') {
        SetPlayRate(playing_ ? 0 : 1);
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TdvMovieController::Draw() {
  if (window_.dc == nullptr && window_.hwnd == shell::kNoWindow) {
    return;
  }
  const bool held = window_.dc == nullptr;
  if (held) {
    window_.BeforePaint();
  }
  const Parts parts = Layout();
  window_.GfxSetPenMode(kTdvPenNormal);
  window_.GfxSetFGColor(kBarGrey);
  window_.GfxFillRect(bounds_);
  window_.GfxSetFGColor(shell::kBlack);
  for (const shell::Rect& button : {parts.play, parts.stepBack, parts.stepForward}) {
    window_.GfxFrameRect(button);
  }
  // Play: a triangle pointing right; pause: two bars.
  const shell::Point centre{(parts.play.left + parts.play.right) / 2,
                            (parts.play.top + parts.play.bottom) / 2};
  const int half = std::max(shell::RectHeight(parts.play) / 2 - 3, 1);
  if (playing_) {
    window_.GfxFillRect({centre.x - 4, centre.y - half, centre.x - 1, centre.y + half + 1});
    window_.GfxFillRect({centre.x + 1, centre.y - half, centre.x + 4, centre.y + half + 1});
  } else {
    for (int column = 0; column <= half; ++column) {
      const int x = centre.x - half / 2 + column;
      window_.GfxMoveTo(x, centre.y - half + column);
      window_.GfxLineTo(x, centre.y + half - column + 1);
    }
  }
  // Step buttons: a bar and a small triangle each.
  for (int direction : {-1, 1}) {
    const shell::Rect& button = direction < 0 ? parts.stepBack : parts.stepForward;
    const int middle = (button.left + button.right) / 2;
    const int y = (button.top + button.bottom) / 2;
    const int tip = middle + direction * 3;
    for (int column = 0; column <= 3; ++column) {
      const int x = tip - direction * column;
      window_.GfxMoveTo(x, y - column);
      window_.GfxLineTo(x, y + column + 1);
    }
    const int bar = tip + direction;
    window_.GfxMoveTo(bar, y - 3);
    window_.GfxLineTo(bar, y + 4);
  }
  const shell::Rect& slider = parts.slider;
  const int trackY = (slider.top + slider.bottom) / 2;
  window_.GfxSetFGColor(kTrackGrey);
  window_.GfxFillRect({slider.left, trackY - 1, slider.right, trackY + 1});
  const MovieTime first = frameTimes_.front();
  const double fraction =
      EndTime() - 1 > first ? static_cast<double>(Time() - first) / (EndTime() - 1 - first) : 0.0;
  const int track = std::max(shell::RectWidth(slider) - kThumbWidth, 0);
  const int thumbLeft = slider.left + static_cast<int>(fraction * track + 0.5);
  window_.GfxSetFGColor(shell::kBlack);
  window_.GfxFillRect({thumbLeft, slider.top + 1, thumbLeft + kThumbWidth, slider.bottom - 1});
  if (held) {
    window_.AfterPaint();
  }
}

}  // namespace kinovex
