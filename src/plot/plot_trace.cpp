#include "plot/plot_trace.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

int Round(double v) {
  return static_cast<int>(std::lround(v));
}

// Reduces each run of line points in one pixel column to its first,
// lowest, highest and last point, kept in the order they came.
class ColumnReducer {
 public:
  explicit ColumnReducer(std::vector<shell::Point>& out) : out_(out) {}

  void Add(shell::Point p) {
    if (count_ > 0 && p.x != run_[kFirst].point.x) {
      Flush();
    }
    const Entry entry{p, count_++};
    if (count_ == 1) {
      run_ = {entry, entry, entry, entry};
      return;
    }
    if (p.y < run_[kLow].point.y) {
      run_[kLow] = entry;
    }
    if (p.y > run_[kHigh].point.y) {
      run_[kHigh] = entry;
    }
    run_[kLast] = entry;
  }

  void Flush() {
    if (count_ == 0) {
      return;
    }
    std::array<Entry, 4> ordered = run_;
    std::sort(ordered.begin(), ordered.end(),
              [](const Entry& a, const Entry& b) { return a.order < b.order; });
    for (const Entry& entry : ordered) {
      if (out_.empty() || out_.back() != entry.point) {
        out_.push_back(entry.point);
      }
    }
    count_ = 0;
  }

 private:
  struct Entry {
    shell::Point point;
    int order = 0;
  };
  enum { kFirst, kLow, kHigh, kLast };

  std::vector<shell::Point>& out_;
  std::array<Entry, 4> run_{};
  int count_ = 0;
};

}  // namespace

shell::Point TdvPlotFrame::ToPixel(double x, double y) const {
  return {plot.left + Round((x - horizontal.axisMin) * horizontalPixels),
          plot.bottom - Round((y - vertical.axisMin) * verticalPixels)};
}

double TdvPlotFrame::XValue(int pixelX) const {
  return horizontal.axisMin + (pixelX - plot.left) / horizontalPixels;
}

double TdvPlotFrame::YValue(int pixelY) const {
  return vertical.axisMin + (plot.bottom - pixelY) / verticalPixels;
}

TdvPlotTrace TracePlot(std::span<const TdvGraphPoint> points, const TdvPlotFrame& frame,
                       bool connect) {
  TdvPlotTrace trace;
  const int width = std::max(shell::RectWidth(frame.plot) + 1, 1);
  const int height = std::max(shell::RectHeight(frame.plot) + 1, 1);
  std::vector<bool> marked(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  ColumnReducer reducer(trace.line);
  for (const TdvGraphPoint& point : points) {
    if (!frame.Contains(point.x, point.y)) {
      continue;
    }
    const shell::Point p = frame.ToPixel(point.x, point.y);
    const int column = std::clamp(p.x - frame.plot.left, 0, width - 1);
    const int row = std::clamp(p.y - frame.plot.top, 0, height - 1);
    const std::size_t cell = static_cast<std::size_t>(row) * width + column;
    if (!marked[cell]) {
      marked[cell] = true;
      trace.markers.push_back(p);
    }
    if (connect) {
      reducer.Add(p);
    }
  }
  reducer.Flush();
  return trace;
}

std::vector<TdvGraphPoint> JoinedPoints(const TdvDataValueList& xs, const TdvDataValueList& ys) {
  std::vector<TdvGraphPoint> points;
  points.reserve(std::min(xs.size(), ys.size()));
  ForEachPair(xs, ys, [&](std::int32_t frame, double x, double y) {
    points.push_back({frame, x, y});
  });
  return points;
}
