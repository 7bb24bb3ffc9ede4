#include "tracking/weighted_correlation.h"

#include <cmath>
#include <opencv2/imgproc.hpp>

namespace kinovex {
namespace {

// Standard deviation of the bell as a share of the template's side.
constexpr double kBellSpread = 0.11;

// Weighed variance in grey levels squared below which a place counts as flat.
constexpr double kFlatVariance = 0.25;

}  // namespace

WeightedCorrelation::WeightedCorrelation(int side)
    : side_(side), bellColumn_(cv::getGaussianKernel(side, kBellSpread * side, CV_32F)) {
  bell_ = bellColumn_ * bellColumn_.t();
}

void WeightedCorrelation::SetTemplate(const cv::Mat& templ) {
  const double mean = cv::sum(bell_.mul(templ))[0];
  cv::Mat centred = templ - mean;
  weighedTemplate_ = bell_.mul(centred);
  templateNorm_ = std::sqrt(cv::sum(weighedTemplate_.mul(centred))[0]);
}

void WeightedCorrelation::Match(const cv::Mat& part, cv::Mat& scores) {
  // The template's weighed values sum to zero, so the plain correlation with
  // them is already the weighed covariance.
  cv::matchTemplate(part, weighedTemplate_, scores, cv::TM_CCORR);
  if (templateNorm_ * templateNorm_ < kFlatVariance) {
    scores.setTo(0);
    return;
  }
  // Weighed mean and mean square of the part under each place of the
  // template, from the centred bell filter.
  const cv::Rect places(side_ / 2, side_ / 2, scores.cols, scores.rows);
  cv::sepFilter2D(part, means_, CV_32F, bellColumn_, bellColumn_);
  cv::multiply(part, part, squares_);
  cv::sepFilter2D(squares_, meanSquares_, CV_32F, bellColumn_, bellColumn_);
  cv::multiply(means_(places), means_(places), spread_);
  cv::subtract(meanSquares_(places), spread_, spread_);
  cv::compare(spread_, kFlatVariance, flat_, cv::CMP_LT);
  cv::max(spread_, kFlatVariance, spread_);
  cv::sqrt(spread_, spread_);
  cv::divide(scores, spread_, scores, 1.0 / templateNorm_);
  scores.setTo(0, flat_);
}

}  // namespace kinovex
