#include "tracking/grey_part.h"

#include <opencv2/imgproc.hpp>

namespace kinovex {
namespace {

// Standard deviation in pixels of the smoothing.
constexpr double kSmoothing = 1.0;

cv::Mat View(const TrackingPicture& picture) {
  return cv::Mat(picture.height, picture.width, CV_8UC(picture.channels),
                 const_cast<std::uint8_t*>(picture.pixels),
                 static_cast<std::size_t>(picture.rowBytes));
}

}  // namespace

bool Usable(const TrackingPicture& picture) {
  return picture.pixels != nullptr && picture.width > 0 && picture.height > 0 &&
         (picture.channels == 1 || picture.channels == 3) &&
         picture.rowBytes >= picture.channels * picture.width;
}

bool OnPicture(const TrackingPicture& picture, TrackingPoint p) {
  return p.x >= 0 && p.y >= 0 && p.x < picture.width && p.y < picture.height;
}

cv::Rect OnPicture(const cv::Rect& box, const TrackingPicture& picture) {
  return box & cv::Rect(0, 0, picture.width, picture.height);
}

void GreyPart(const TrackingPicture& picture, const cv::Rect& box, cv::Mat& grey8, cv::Mat& grey) {
  if (picture.channels == 1) {
    View(picture)(box).convertTo(grey, CV_32F);
  } else {
    cv::cvtColor(View(picture)(box), grey8, cv::COLOR_RGB2GRAY);
    grey8.convertTo(grey, CV_32F);
  }
  cv::GaussianBlur(grey, grey, cv::Size(kSmoothingSide, kSmoothingSide), kSmoothing, kSmoothing,
                   cv::BORDER_REPLICATE);
}

}  // namespace kinovex
