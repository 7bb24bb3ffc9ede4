#include <gtest/gtest.h>

#include <cmath>

#include "fake_graph_source.h"
#include "graph/graph_stack.h"

namespace {

constexpr std::int32_t kTime = -31;
constexpr std::int32_t kBall = 4;

// One graph with a plot of the ball's x position against time, both axes
// fixed to the given ranges, and a fit.
class GraphFit : public testing::Test {
 protected:
  void SetUp() override {
    graph.AddPlot(std::make_unique<TdvGraphPlot>(kBall, 2));
    graph.EnsureFit().SetFitType(TdvFitObject::kLine);
    SetRanges(TdvAxisScale{0.0, 10.0, 2.0, 5}, TdvAxisScale{0.0, 100.0, 20.0, 5});
  }

  void SetRanges(const TdvAxisScale& across, const TdvAxisScale& up) {
    horizontal.axis = across;
    graph.axis = up;
  }

  // Frame i at time i, with the ball at values[i].
  void Data(const std::vector<double>& values, std::int32_t series = kBall, int unit = 2) {
    graph.ReleaseGroups();
    std::vector<std::pair<std::int32_t, double>> times;
    std::vector<std::pair<std::int32_t, double>> xs;
    for (std::size_t i = 0; i < values.size(); ++i) {
      times.emplace_back(static_cast<std::int32_t>(i), static_cast<double>(i));
      if (!std::isnan(values[i])) {
        xs.emplace_back(static_cast<std::int32_t>(i), values[i]);
      }
    }
    horizontal.group = &source.Group(kTime, 1, times);
    source.Group(series, 2, xs).SetUnit(unit);
    graph.BindGroups(source);
  }

  const TdvFitResult& Result() const { return graph.Fit()->Result(); }

  FakeGraphSource source;
  TdvHorizontalAxis horizontal;
  TdvGraphObject graph;
};

constexpr double kGap = NAN;

TEST_F(GraphFit, OnlyPointsInsideBothRangesAreFitted) {
  // 2t + 1, but for frame 2 below the vertical axis, frame 4 above it, and
  // frames 7 and 8 right of the horizontal axis.
  SetRanges(TdvAxisScale{0.0, 6.0, 1.0, 6}, TdvAxisScale{0.0, 14.0, 2.0, 7});
  Data({1, 3, -40, 7, 90, 11, 13, 1000, -1000});
  graph.UpdateFit(false, horizontal, source);
  EXPECT_NEAR(Result().a, 1.0, 1e-12);
  EXPECT_NEAR(Result().b, 2.0, 1e-12);
  EXPECT_EQ(graph.VisiblePoints(*graph.PlotAt(0), horizontal).size(), 5u);

  SetRanges(TdvAxisScale{1.0, 4.0, 1.0, 3}, TdvAxisScale{3.0, 9.0, 1.0, 6});
  Data({1, 3, kGap, 7, 9, 11});
  const std::vector<TdvGraphPoint> points = graph.VisiblePoints(*graph.PlotAt(0), horizontal);
  ASSERT_EQ(points.size(), 3u) << "both ends belong to the range; frame 2 has no value";
  EXPECT_EQ(points[2].frame, 4);
  EXPECT_EQ(points[2].x, 4.0);
  EXPECT_EQ(points[2].y, 9.0);
}

// χ² of a weighted line divides each residual by its point's deviation, so
// it tells which deviations the points were given.
TEST_F(GraphFit, DeviationsFollowTheScaleOfTheSeries) {
  const std::vector<double> noisy = {1, 4, 5, 6, 9};
  Data(noisy);
  graph.UpdateFit(false, horizontal, source);
  const double unscaled = Result().chiSquare;
  ASSERT_GT(unscaled, 0.0);
  // Without a scale a point may miss by 10.3923 units.
  double residuals = 0.0;
  for (std::size_t i = 0; i < noisy.size(); ++i) {
    const double r = noisy[i] - (Result().a + Result().b * static_cast<double>(i));
    residuals += r * r;
  }
  EXPECT_NEAR(unscaled, residuals / (10.3923 * 10.3923), 1e-5);

  source.scales[kBall] = {{{0, 2.0}, {1, 2.0}, {2, 2.0}, {3, 2.0}, {4, 2.0}}, false};
  graph.UpdateFit(false, horizontal, source);
  EXPECT_NEAR(Result().chiSquare, unscaled * 4, 1e-6)
      << "twice the pixels per unit, half the deviation in units";

  Data(noisy, kBall, 3);  // in centimetres: a hundred times the deviation
  graph.UpdateFit(false, horizontal, source);
  EXPECT_NEAR(Result().chiSquare * 10000.0 / (unscaled * 4), 1.0, 1e-4);
}

}  // namespace
