#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tracking/point_tracker.h"

// How a tracking run goes: the tracker's settings, the direction, and the
// frame where it ends (a time; the frame shown at it), none for the end of
// the movie in that direction.
struct TdvTrackingChoices {
  kinovex::TrackerSettings settings;
  bool forward = true;
  std::optional<std::int32_t> lastTime;
};

enum class TdvTrackingEvent {
  kFound,      // the object was found on the frame
  kLost,       // not found: the run waits on the frame for the user's position
  kNoPicture,  // the frame could not be decoded: the run is over
  kFinished,   // no frame left
};

struct TdvTrackingStep {
  TdvTrackingEvent event = TdvTrackingEvent::kFinished;
  std::int32_t frame = 0;  // the frame key tracked
  kinovex::TrackResult result;
};

// The frames of a tracking run and the tracker that follows the object
// over them, one frame a call, so that a window can show progress between
// calls and a command line can run it through. It knows frame keys and
// pictures only: what becomes of a position is the caller's business.
class TdvTrackingRun {
 public:
  // The frame key's picture, valid until the next call; false when it
  // cannot be had.
  using FrameSource = std::function<bool(std::int32_t frame, kinovex::TrackingPicture& picture)>;

  // Starts on frames[startIndex] at `start`. None, with the reason in
  // `error`, when the last frame lies on the wrong side of the start, the
  // start frame has no picture or the start lies off it.
  static std::optional<TdvTrackingRun> Start(const std::vector<std::int32_t>& frames,
                                             std::size_t startIndex, kinovex::TrackingPoint start,
                                             const TdvTrackingChoices& choices, FrameSource source,
                                             std::string& error);

  // Tracks the next frame. After kLost the same frame is answered again
  // until Resume gives the position there.
  TdvTrackingStep Next();
  // The user's position on the frame where the object was lost; false when
  // it lies off the picture (the run still waits).
  bool Resume(kinovex::TrackingPoint position);

  bool Waiting() const { return waiting_; }
  std::int32_t StartFrame() const { return startFrame_; }
  // The frame tracked last (or waiting), with what the tracker searched
  // there and the template box around its best match (found or not).
  std::int32_t CurrentFrame() const { return current_; }
  const kinovex::TrackingBox& Searched() const { return searched_; }
  kinovex::TrackingBox TemplateBox() const;
  // Frames done and frames of the whole run, for a progress bar.
  std::size_t Done() const { return next_; }
  std::size_t Total() const { return order_.size(); }

 private:
  TdvTrackingRun(std::vector<std::int32_t> order, FrameSource source, kinovex::PointTracker tracker,
                 std::int32_t startFrame, kinovex::TrackingPoint start);

  std::vector<std::int32_t> order_;  // the frames after the start, in tracking order
  FrameSource source_;
  kinovex::PointTracker tracker_;
  std::int32_t startFrame_;
  std::int32_t current_;
  kinovex::TrackingBox searched_;
  kinovex::TrackingPoint match_;
  std::size_t next_ = 0;
  bool waiting_ = false;
};
