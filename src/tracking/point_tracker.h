#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "foundation/geometry.h"

namespace kinovex {

// A picture in memory as 8-bit RGB triples (channels 3) or grey levels
// (channels 1), rows top to bottom, rowBytes apart (at least channels *
// width). The tracker only reads it during a call.
struct TrackingPicture {
  const std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int rowBytes = 0;
  int channels = 3;
};

// A position in picture pixels: x to the right, y downwards, origin at the
// top-left corner of the picture, so that pixel (i, j) covers
// [i, i + 1) x [j, j + 1).
using TrackingPoint = TdvRealPoint;

// A rectangle of the picture in whole pixels.
using TrackingBox = TdvRect;

inline constexpr int kMinTemplateSize = 11;
inline constexpr int kMaxTemplateSize = 1001;
inline constexpr int kMaxSearchSize = 2001;
// The template size that has Start fit the template to the object around
// the start point (TemplateSizeAround, in object_size.h), with a search at
// least three times as wide.
inline constexpr int kTemplateFittedToObject = 0;

// A template a little wider than a marker of markerPixels across, odd and at
// least kMinTemplateSize.
int TemplateSizeForMarker(int markerPixels);

struct TrackerSettings {
  int templateSize = 21;   // side of the square template around the point
  int searchSize = 81;     // side of the square searched around the prediction
  double threshold = 0.7;  // lowest score that counts as found
  // Share of the latest match in the template; the rest is the template taken
  // at the start, so the template follows a turning or blurring object
  // without wandering off it.
  double templateBlend = 0.3;

  // The settings the tracker works with: sizes made odd, the template
  // kMinTemplateSize to kMaxTemplateSize, the search from the template plus 4
  // pixels to kMaxSearchSize, threshold and blend within 0..1 (a value that
  // is not a number gives the default).
  TrackerSettings Usable() const;
};

enum class TrackStatus {
  kFound,  // score at or above the threshold
  // Not found: the best match scores below the threshold (hidden or changed
  // too much) or lies on the rim of the search window (moved beyond it).
  kLost,
  // Not found with the best match reaching over the edge of the picture (the
  // object is leaving it), or the prediction lies off the picture; a picture
  // of another size than the first gives this too.
  kOutside,
};

struct TrackResult {
  TrackStatus status = TrackStatus::kOutside;
  // The best match and its score, a normalised cross-correlation weighed
  // towards the template's centre, -1..1 (0 and the prediction when nothing
  // could be searched). Near the prediction a match wins over a slightly
  // better one further off, the more so the steadier the motion so far.
  TrackingPoint position;
  double score = 0;
  TrackingBox searched;  // the part of the picture that was searched

  bool Found() const { return status == TrackStatus::kFound; }
};

// Follows one object from picture to picture. It is made on the picture where
// the object's position is known and then given the following pictures one by
// one, in the caller's order (forward or backward in the movie); successive
// pictures are taken as evenly spaced in time. Each call searches around a
// prediction from the positions found so far (the last one; then constant
// velocity; from three positions on, constant acceleration).
//
// A picture where the object is not found (TrackResult::Found() false) leaves
// the tracker as it was: the caller asks the user and continues with Resume,
// or gives up. Pictures must all have the first picture's size.
class PointTracker {
 public:
  // Takes the template around start on picture. None when the picture is
  // empty or start lies off it.
  static std::optional<PointTracker> Start(const TrackingPicture& picture, TrackingPoint start,
                                           const TrackerSettings& settings);

  PointTracker(PointTracker&&) noexcept;
  PointTracker& operator=(PointTracker&&) noexcept;
  ~PointTracker();

  // Finds the object on the next picture; when found, its position joins the
  // history that predicts the next search.
  TrackResult Track(const TrackingPicture& picture);

  // Goes on from a position the user gave on the picture after the last one
  // found (normally the one where tracking stopped): the position joins the
  // history as if found. newTemplate takes the template afresh around it,
  // otherwise the original template is kept. False (and nothing changes)
  // when the position lies off the picture.
  bool Resume(const TrackingPicture& picture, TrackingPoint position, bool newTemplate);

  const TrackerSettings& Settings() const;

 private:
  struct State;
  explicit PointTracker(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};

}  // namespace kinovex
