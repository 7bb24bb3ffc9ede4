#pragma once

#include <optional>

#include "tracking/point_tracker.h"

namespace kinovex {

// Radius in pixels of the outline of the object at `point`: the distance
// from it at which the grey level changes most steeply, on average over
// rays in all directions. None when nothing around the point stands out
// from the picture's noise within kMaxObjectRadius.
std::optional<double> OutlineRadius(const TrackingPicture& picture, TrackingPoint point);

inline constexpr int kMaxObjectRadius = 60;

// A template side that takes in the object's outline with a rim of its
// background, as the centre-weighted match needs; `fallback` when no
// outline is found.
int TemplateSizeAround(const TrackingPicture& picture, TrackingPoint point, int fallback);

}  // namespace kinovex
