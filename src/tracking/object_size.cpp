#include "tracking/object_size.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tracking/grey_part.h"

namespace kinovex {
namespace {

constexpr int kRays = 32;

// Average change of the grey level, in levels a pixel, that an outline must
// reach to stand out from smoothed sensor noise.
constexpr double kLeastSteepness = 3.0;

// Template side per outline radius: the template's bell (see
// WeightedCorrelation) then still weighs the outline, and the rim of
// background it takes in is narrow enough that clutter passing behind the
// object does not swamp the match.
constexpr double kTemplatePerRadius = 2.6;

// The grey level at (x, y) of the part, interpolated, the part's border
// repeated beyond it.
double LevelAt(const cv::Mat& grey, double x, double y) {
  x = std::clamp(x, 0.0, grey.cols - 1.0);
  y = std::clamp(y, 0.0, grey.rows - 1.0);
  const int left = std::min(static_cast<int>(x), grey.cols - 2);
  const int top = std::min(static_cast<int>(y), grey.rows - 2);
  const double fx = x - left;
  const double fy = y - top;
  auto at = [&grey](int row, int column) { return grey.at<float>(row, column); };
  return (1 - fy) * ((1 - fx) * at(top, left) + fx * at(top, left + 1)) +
         fy * ((1 - fx) * at(top + 1, left) + fx * at(top + 1, left + 1));
}

}  // namespace

std::optional<double> OutlineRadius(const TrackingPicture& picture, TrackingPoint point) {
  if (!Usable(picture) || !OnPicture(picture, point) || picture.width < 2 || picture.height < 2) {
    return std::nullopt;
  }
  constexpr int reach = kMaxObjectRadius + 2;
  const int x = static_cast<int>(point.x);
  const int y = static_cast<int>(point.y);
  const cv::Rect box =
      OnPicture(cv::Rect(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1), picture);
  cv::Mat grey8, grey;
  GreyPart(picture, box, grey8, grey);
  // Pixel centres are whole numbers in the part.
  const double cx = point.x - 0.5 - box.x;
  const double cy = point.y - 0.5 - box.y;
  // The average steepness at each distance tells whether an outline stands
  // out; where it lies is the median of the steepest place on each ray,
  // which stays near the radius when the click is off the centre.
  std::vector<double> steepness(kMaxObjectRadius + 1, 0.0);
  std::vector<int> steepestOnRay(kRays);
  std::vector<double> levels(kMaxObjectRadius + 2);
  for (int ray = 0; ray < kRays; ++ray) {
    const double angle = 2 * std::numbers::pi * ray / kRays;
    for (int r = 0; r <= kMaxObjectRadius + 1; ++r) {
      levels[r] = LevelAt(grey, cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    double steepestChange = -1;
    for (int r = 1; r <= kMaxObjectRadius; ++r) {
      const double change = std::abs(levels[r + 1] - levels[r - 1]) / 2;
      steepness[r] += change / kRays;
      if (change > steepestChange) {
        steepestChange = change;
        steepestOnRay[ray] = r;
      }
    }
  }
  if (*std::max_element(steepness.begin(), steepness.end()) < kLeastSteepness) {
    return std::nullopt;
  }
  std::nth_element(steepestOnRay.begin(), steepestOnRay.begin() + kRays / 2, steepestOnRay.end());
  return steepestOnRay[kRays / 2];
}

int TemplateSizeAround(const TrackingPicture& picture, TrackingPoint point, int fallback) {
  const std::optional<double> radius = OutlineRadius(picture, point);
  if (!radius) {
    return fallback;
  }
  const int side = static_cast<int>(std::lround(kTemplatePerRadius * *radius)) | 1;
  return std::clamp(side, kMinTemplateSize, kMaxTemplateSize);
}

}  // namespace kinovex
