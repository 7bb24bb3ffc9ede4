#pragma once

#include <cstdint>

#include "graph/nice_scale.h"

class TdvDataValueGroup;

// The horizontal axis that every graph of a window shares.
struct TdvHorizontalAxis {
  // Usually the movie's time: series -31, quantity 1.
  std::int32_t series = -31;
  std::int32_t quantity = 1;
  // The group of series and quantity while the window shows it (one use
  // held); owned by the data table.
  TdvDataValueGroup* group = nullptr;
  double dataMin = 0.0;
  double dataMax = 0.0;
  TdvAxisScale axis{0.0, 1.0, 0.2, 5};
  bool autoScale = true;
  double pixelsPerUnit = 1.0;

  bool Contains(double v) const { return axis.axisMin <= v && v <= axis.axisMax; }
};
