#pragma once

#include <cstdint>

// The range of one axis of a graph and its tick marks.
struct TdvAxisScale {
  double axisMin = 0.0;
  double axisMax = 0.0;
  double step = 0.0;       // distance between ticks
  std::int32_t ticks = 0;  // number of intervals
};

// Chooses the axis for data from dataMin to dataMax around centre (their
// mean). Automatic scaling rounds the ends to whole multiples of a step of
// 1, 2 or 5 times a power of ten with at most 12 intervals, always keeping
// the data inside; data that lie close around their centre, or smoothed
// (derived) data, get a wider axis so that noise does not fill the graph.
// Without automatic scaling the given range stays and is cut into the given
// number of ticks (5 when none). Answers false, leaving the axis as it was,
// for data or a range that is not finite.
bool NiceScale(double dataMin, double dataMax, double centre, bool smoothed, bool autoScale,
               TdvAxisScale& axis);
