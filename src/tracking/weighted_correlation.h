#pragma once

#include <opencv2/core.hpp>

namespace kinovex {

// Normalised cross-correlation of a square template with every place of a
// grey picture part, the template's pixels weighed by a bell around its
// centre: the object in the middle counts fully, the background towards the
// corners less, so that clutter passing behind the object (a striped stick)
// lowers the score less than with even weights. Like the plain correlation
// it ignores brightness and contrast, and a flat place scores 0.
class WeightedCorrelation {
 public:
  explicit WeightedCorrelation(int side);

  // templ: side x side, CV_32F.
  void SetTemplate(const cv::Mat& templ);

  // part: CV_32F, at least side x side. scores: one per place of the
  // template's top-left corner, -1..1.
  void Match(const cv::Mat& part, cv::Mat& scores);

 private:
  int side_;
  cv::Mat bellColumn_;  // the bell is this column times its transpose
  cv::Mat bell_;
  cv::Mat weighedTemplate_;  // bell times the template less its weighed mean
  double templateNorm_ = 0;
  cv::Mat squares_, means_, meanSquares_, spread_, flat_;  // reused per picture
};

}  // namespace kinovex
