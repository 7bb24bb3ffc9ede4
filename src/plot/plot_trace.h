#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "graph/graph_object.h"
#include "graph/nice_scale.h"
#include "kinematics/data_value_group.h"
#include "shell/gfx_types.h"

// Maps values onto one graph's plot area: axisMin at the left (bottom)
// edge, pixelsPerUnit pixels per unit.
struct TdvPlotFrame {
  shell::Rect plot;
  TdvAxisScale horizontal;
  double horizontalPixels = 1.0;
  TdvAxisScale vertical;
  double verticalPixels = 1.0;

  bool Contains(double x, double y) const {
    return horizontal.axisMin <= x && x <= horizontal.axisMax && vertical.axisMin <= y &&
           y <= vertical.axisMax;
  }
  shell::Point ToPixel(double x, double y) const;
  double XValue(int pixelX) const;
  double YValue(int pixelY) const;
};

// What one plot draws, whatever its number of points: the connecting line
// keeps, of each run of points in one pixel column, the first, the lowest,
// the highest and the last, which draws the same pixels as every point
// would; markers stand at most one on each pixel.
struct TdvPlotTrace {
  std::vector<shell::Point> line;
  std::vector<shell::Point> markers;
};

// The points inside both axis ranges are drawn, in their order; line is
// filled only when connect is set.
TdvPlotTrace TracePlot(std::span<const TdvGraphPoint> points, const TdvPlotFrame& frame,
                       bool connect);

// Calls visit(frame, x, y) for every frame both lists hold, in frame
// order, in one pass over each.
template <typename Visit>
void ForEachPair(const TdvDataValueList& xs, const TdvDataValueList& ys, Visit visit) {
  auto x = xs.begin();
  auto y = ys.begin();
  while (x != xs.end() && y != ys.end()) {
    if (x->first < y->first) {
      ++x;
    } else if (y->first < x->first) {
      ++y;
    } else {
      visit(x->first, x->second, y->second);
      ++x;
      ++y;
    }
  }
}

// The points of every frame both lists hold, in frame order: a plot's
// points in a form that is walked fast.
std::vector<TdvGraphPoint> JoinedPoints(const TdvDataValueList& xs, const TdvDataValueList& ys);
