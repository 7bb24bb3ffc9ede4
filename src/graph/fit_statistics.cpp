#include "graph/fit_statistics.h"

#include <algorithm>
#include <cmath>

namespace {

double Mean(std::span<const double> values) {
  double sum = 0.0;
  for (double v : values) {
    sum += v;
  }
  return sum / static_cast<double>(values.size());
}

}  // namespace

double SquaredCorrelation(std::span<const double> y, std::span<const double> f) {
  if (y.empty() || y.size() != f.size()) {
    return 0.0;
  }
  const double meanY = Mean(y);
  const double meanF = Mean(f);
  double syf = 0.0;
  double syy = 0.0;
  double sff = 0.0;
  for (std::size_t i = 0; i < y.size(); ++i) {
    const double dy = y[i] - meanY;
    const double df = f[i] - meanF;
    syf += dy * df;
    syy += dy * dy;
    sff += df * df;
  }
  const double denominator = syy * sff;
  if (denominator == 0.0) {
    return 1.0;
  }
  // Rounding can carry a perfect fit a hair past 1.
  return std::min(syf * syf / denominator, 1.0);
}

double UncenteredRSquared(std::span<const double> y, std::span<const double> f) {
  if (y.empty() || y.size() != f.size()) {
    return 0.0;
  }
  double residual = 0.0;
  double total = 0.0;
  for (std::size_t i = 0; i < y.size(); ++i) {
    residual += (y[i] - f[i]) * (y[i] - f[i]);
    total += y[i] * y[i];
  }
  if (total == 0.0) {
    return 1.0;
  }
  return std::clamp(1.0 - residual / total, 0.0, 1.0);
}

double StandardDeviationAbout(std::span<const double> y, double centre) {
  if (y.empty()) {
    return 0.0;
  }
  double sum = 0.0;
  for (double v : y) {
    sum += (v - centre) * (v - centre);
  }
  return std::sqrt(sum / static_cast<double>(y.size()));
}
