#include "document/tracking_run.h"

#include <algorithm>
#include <cmath>
#include <utility>

using kinovex::PointTracker;
using kinovex::TrackingBox;
using kinovex::TrackingPicture;
using kinovex::TrackingPoint;

namespace {

// Index of the frame shown at `time`: the last one starting at or before it.
std::size_t IndexAt(const std::vector<std::int32_t>& frames, std::int32_t time) {
  auto after = std::upper_bound(frames.begin(), frames.end(), time);
  return after == frames.begin() ? 0 : static_cast<std::size_t>(after - frames.begin()) - 1;
}

// The frames after the start in tracking order; none with a message when
// the last frame is not beyond the start.
std::optional<std::vector<std::int32_t>> FrameOrder(const std::vector<std::int32_t>& frames,
                                                    std::size_t startIndex,
                                                    const TdvTrackingChoices& choices,
                                                    std::string& error) {
  std::size_t last = choices.forward ? frames.size() - 1 : 0;
  if (choices.lastTime) {
    last = IndexAt(frames, *choices.lastTime);
  }
  if (choices.forward ? last <= startIndex : last >= startIndex) {
    error = choices.forward ? "The last frame to track must come after the start frame"
                            : "The last frame to track must come before the start frame";
    return std::nullopt;
  }
  std::vector<std::int32_t> order;
  if (choices.forward) {
    order.assign(frames.begin() + static_cast<std::ptrdiff_t>(startIndex) + 1,
                 frames.begin() + static_cast<std::ptrdiff_t>(last) + 1);
  } else {
    order.assign(frames.rbegin() + static_cast<std::ptrdiff_t>(frames.size() - startIndex),
                 frames.rbegin() + static_cast<std::ptrdiff_t>(frames.size() - last));
  }
  return order;
}

}  // namespace

TdvTrackingRun::TdvTrackingRun(std::vector<std::int32_t> order, FrameSource source,
                               PointTracker tracker, std::int32_t startFrame, TrackingPoint start)
    : order_(std::move(order)),
      source_(std::move(source)),
      tracker_(std::move(tracker)),
      startFrame_(startFrame),
      current_(startFrame),
      match_(start) {}

std::optional<TdvTrackingRun> TdvTrackingRun::Start(const std::vector<std::int32_t>& frames,
                                                    std::size_t startIndex, TrackingPoint start,
                                                    const TdvTrackingChoices& choices,
                                                    FrameSource source, std::string& error) {
  if (startIndex >= frames.size()) {
    error = "The movie has no frame to start tracking on";
    return std::nullopt;
  }
  std::optional<std::vector<std::int32_t>> order = FrameOrder(frames, startIndex, choices, error);
  if (!order) {
    return std::nullopt;
  }
  TrackingPicture picture;
  if (!source(frames[startIndex], picture)) {
    error = "The start frame cannot be decoded";
    return std::nullopt;
  }
  std::optional<PointTracker> tracker = PointTracker::Start(picture, start, choices.settings);
  if (!tracker) {
    error = "The point to track lies off the picture";
    return std::nullopt;
  }
  return TdvTrackingRun(std::move(*order), std::move(source), std::move(*tracker),
                        frames[startIndex], start);
}

TdvTrackingStep TdvTrackingRun::Next() {
  TdvTrackingStep step;
  if (next_ == order_.size()) {
    return step;
  }
  step.frame = order_[next_];
  current_ = step.frame;
  TrackingPicture picture;
  if (!source_(step.frame, picture)) {
    step.event = TdvTrackingEvent::kNoPicture;
    next_ = order_.size();
    return step;
  }
  step.result = tracker_.Track(picture);
  searched_ = step.result.searched;
  match_ = step.result.position;
  waiting_ = !step.result.Found();
  step.event = waiting_ ? TdvTrackingEvent::kLost : TdvTrackingEvent::kFound;
  if (!waiting_) {
    ++next_;
  }
  return step;
}

bool TdvTrackingRun::Resume(TrackingPoint position) {
  TrackingPicture picture;
  if (!waiting_ || !source_(order_[next_], picture) || !tracker_.Resume(picture, position, false)) {
    return false;
  }
  waiting_ = false;
  match_ = position;
  ++next_;
  return true;
}

TrackingBox TdvTrackingRun::TemplateBox() const {
  const int size = tracker_.Settings().templateSize;
  const int left = static_cast<int>(std::floor(match_.x)) - size / 2;
  const int top = static_cast<int>(std::floor(match_.y)) - size / 2;
  return TrackingBox{left, top, left + size, top + size};
}
