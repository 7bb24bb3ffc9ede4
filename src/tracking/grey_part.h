#pragma once

#include <opencv2/core.hpp>

#include "tracking/point_tracker.h"

namespace kinovex {

// Side of the smoothing kernel before matching; a template is cut from a
// square wider by this side.
inline constexpr int kSmoothingSide = 5;

// A picture whose pixels can be read: present, of 1 or 3 channels.
bool Usable(const TrackingPicture& picture);

bool OnPicture(const TrackingPicture& picture, TrackingPoint p);

cv::Rect OnPicture(const cv::Rect& box, const TrackingPicture& picture);

// Grey levels of one part of the picture as floats, slightly smoothed so
// that sensor noise and the steps of hard edges move the match less; only
// that part is converted. grey8 is working space.
void GreyPart(const TrackingPicture& picture, const cv::Rect& box, cv::Mat& grey8, cv::Mat& grey);

}  // namespace kinovex
