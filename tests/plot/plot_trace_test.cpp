#include "plot/plot_trace.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

#include "shell/headless_backend.h"

namespace {

shell::Picture Drawn(const std::vector<shell::Point>& line, shell::Size size) {
  shell::HeadlessBackend backend;
  std::unique_ptr<shell::Surface> surface = backend.CreatePictureSurface(size);
  surface->SetPen({shell::kBlack, 1});
  for (std::size_t i = 1; i < line.size(); ++i) {
    surface->Line(line[i - 1], line[i]);
  }
  return surface->ReadPicture({0, 0, size.width, size.height});
}

// However many points fall in one pixel column, the reduced line draws
// exactly the pixels of the line through every point, and every pixel of
// a point holds one marker. Runs over dense and sparse data, some of it
// outside the axes, and data that go back and forth in x.
TEST(PlotTrace, ReducedLineDrawsThePixelsOfEveryPoint) {
  const TdvPlotFrame frame{
      {20, 10, 320, 210}, {0.0, 1.0, 0.2, 5}, 300.0, {-1.0, 1.0, 0.5, 4}, 100.0};
  std::mt19937 random(20261207);
  std::normal_distribution<double> noise(0.0, 0.05);
  const int counts[] = {7, 300, 20000};
  for (int count : counts) {
    for (bool wandering : {false, true}) {
      SCOPED_TRACE(std::to_string(count) + (wandering ? " wandering" : " in time"));
      TdvDataValueList xs;
      TdvDataValueList ys;
      double y = 0.0;
      for (int i = 0; i < count; ++i) {
        y = std::clamp(y + noise(random), -1.2, 1.2);
        xs[i] = wandering ? 0.5 + 0.45 * std::sin(i * 0.01) : 1.05 * i / count;
        ys[i] = y;
      }
      std::vector<shell::Point> every;
      std::set<std::pair<int, int>> pixels;
      ForEachPair(xs, ys, [&](std::int32_t, double x, double v) {
        if (frame.Contains(x, v)) {
          every.push_back(frame.ToPixel(x, v));
          pixels.insert({every.back().x, every.back().y});
        }
      });
      const TdvPlotTrace trace = TracePlot(JoinedPoints(xs, ys), frame, true);
      EXPECT_LE(trace.line.size(), every.size());
      EXPECT_TRUE(Drawn(trace.line, {340, 230}) == Drawn(every, {340, 230}));
      std::set<std::pair<int, int>> marked;
      for (const shell::Point& p : trace.markers) {
        EXPECT_TRUE(marked.insert({p.x, p.y}).second) << "two markers on one pixel";
      }
      EXPECT_EQ(marked, pixels);
    }
  }
}

}  // namespace
