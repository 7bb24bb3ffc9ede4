#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "document/data_object_window.h"
#include "foundation/format_significant.h"

int TdvDataObjectWindow::FrameIndex(std::int32_t time, std::int32_t* start) const {
  auto after = std::upper_bound(frameTimes.begin(), frameTimes.end(), time);
  int index = after == frameTimes.begin() ? 0 : static_cast<int>(after - frameTimes.begin()) - 1;
  if (start != nullptr) {
    *start = frameTimes.empty() ? 0 : frameTimes[static_cast<std::size_t>(index)];
  }
  return index;
}

double TdvDataObjectWindow::FrameSeconds(std::int32_t time) const {
  if (ownRateOn && ownFrameRate != 0.0) {
    return FrameIndex(time) * (1.0 / ownFrameRate);
  }
  // A damaged file may hold a time scale of 0; time then stands still.
  return timeScale != 0 ? static_cast<double>(time) / timeScale : 0.0;
}

std::string TdvDataObjectWindow::FrameTimeText(std::int32_t frame) {
  return FormatSignificant(FrameSeconds(frame), 4, true);
}

std::int32_t TdvDataObjectWindow::StepFrames(std::int32_t time, int index, bool forward) const {
  if (stepEveryFrame) {
    return 1;
  }
  if (stepInFrames) {
    return static_cast<std::int32_t>(std::nearbyint(stepSize));
  }
  double units = std::nearbyint(timeScale * stepSize);
  double target = forward ? time + units : time - units;
  target = std::clamp(target, static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX));
  int other = FrameIndex(static_cast<std::int32_t>(target));
  return other == index ? 1 : std::abs(other - index);
}

std::int32_t TdvDataObjectWindow::StepTime(std::int32_t time, bool forward) const {
  if (frameTimes.empty()) {
    return time;
  }
  int index = FrameIndex(time);
  if (!forward && index == 0) {
    return 0;
  }
  std::int64_t step = StepFrames(time, index, forward);
  std::int64_t target = forward ? index + step : index - step;
  target = std::clamp<std::int64_t>(target, 0, static_cast<std::int64_t>(frameTimes.size()) - 1);
  return frameTimes[static_cast<std::size_t>(target)];
}

void TdvDataObjectWindow::TestStepSize() {
  if (stepEveryFrame || stepInFrames || !ownRateOn || ownFrameRate <= 0.0) {
    return;
  }
  stepSize = std::max(stepSize, 1.0 / ownFrameRate);
}

void TdvDataObjectWindow::SetStep(double size, bool inFrames) {
  stepInFrames = inFrames;
  if (size <= 0.0) {
    stepEveryFrame = true;
  } else {
    stepEveryFrame = false;
    stepSize = size;
    TestStepSize();
  }
  modified = true;
  RecalculateAll();
}

void TdvDataObjectWindow::SetFrameRate(double rate) {
  if (rate > 0.0) {
    ownFrameRate = rate;
    ownRateOn = true;
    TestStepSize();
  } else {
    ownRateOn = false;
  }
  modified = true;
  RecalculateAll();
}

void TdvDataObjectWindow::SetTimeBase(std::int32_t scale, std::vector<std::int32_t> times) {
  timeScale = scale;
  std::sort(times.begin(), times.end());
  frameTimes = std::move(times);
  TableTimeChanged();
}
