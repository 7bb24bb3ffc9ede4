#include "graph/nice_scale.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxTicks = 12;
// The factor by which the axis turns ln(range) into its decimal exponent.
constexpr double kLogScale = 0.4343105320304017;

bool Finite(double a, double b, double c) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

// Widens data that hug their centre, or smoothed data, around the centre.
void Widen(double centre, bool smoothed, double& min, double& max) {
  const double size = std::fabs(centre);
  if (!smoothed && max - min != 0.0) {
    if (max < centre + 0.15 * size && centre - 0.15 * size < min) {
      min = centre - (0.15 + 0.25) * size;
      max = centre + (0.15 + 0.25) * size;
    }
    return;
  }
  const double a = std::max(size, 1.0);
  const double d = std::pow(10.0, 1.0 + std::log10(a)) * (1.0 / 3.0);
  max = std::max(max, centre + d);
  min = std::min(min, centre - d);
}

// min and max are the data's ends after widening; dataMax is the real one.
bool AutoScale(double min, double max, double dataMax, TdvAxisScale& axis) {
  const double range = max - min;
  if (range == 0.0 || !std::isfinite(range)) {
    return false;
  }
  double step = std::pow(10.0, std::floor(std::log(range) * kLogScale));
  if (range < 2.0 * step) {
    step /= 10.0;
  }
  if (!(step > 0.0) || !std::isfinite(step)) {
    return false;
  }
  double lo = std::trunc(min / step);
  if (min < 0.0) {
    lo -= 1.0;
  }
  const double hi = std::trunc(std::floor((step * 0.5 + max) / step));
  const double axisMin = lo * step;
  // The span is a handful of steps for any finite data; anything else would
  // come from a step lost to rounding and cannot be drawn.
  const double span = hi - lo;
  if (!std::isfinite(axisMin) || !(span >= 0.0) || span > 4.0 * kMaxTicks) {
    return false;
  }
  if (kMaxTicks * step < hi * step - axisMin) {
    step *= 2.0;
  }
  auto ticks = static_cast<std::int32_t>(span);
  if (ticks > 5) {
    ticks += ticks % 2;
    ticks /= 2;
    step *= 2.0;
  }
  double axisMax = axisMin + ticks * step;
  while (ticks > 1 && !(axisMax - step < max)) {
    axisMax -= step;
    --ticks;
  }
  // Rounding the upper end to the nearest tick may fall short of the data;
  // the axis must show every point.
  for (int added = 0; axisMax < dataMax && added < kMaxTicks; ++added) {
    axisMax += step;
    ++ticks;
  }
  if (!std::isfinite(axisMax) || axisMax < dataMax) {
    return false;
  }
  axis = TdvAxisScale{axisMin, axisMax, step, ticks};
  return true;
}

}  // namespace

bool NiceScale(double dataMin, double dataMax, double centre, bool smoothed, bool autoScale,
               TdvAxisScale& axis) {
  if (!Finite(dataMin, dataMax, autoScale ? centre : 0.0)) {
    return false;
  }
  if (!autoScale) {
    if (dataMax != dataMin) {
      if (axis.ticks <= 0) {
        axis.ticks = 5;
      }
      axis.step = (dataMax - dataMin) / axis.ticks;
    }
    axis.axisMin = dataMin;
    axis.axisMax = dataMax;
    return true;
  }
  double min = dataMin;
  double max = dataMax;
  Widen(centre, smoothed, min, max);
  return AutoScale(min, max, dataMax, axis);
}
