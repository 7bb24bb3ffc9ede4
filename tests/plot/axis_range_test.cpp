#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../graph/fake_graph_source.h"
#include "graph/graph_object.h"

namespace {

using Values = std::vector<std::pair<std::int32_t, double>>;

struct AxisCase {
  const char* what;
  std::vector<Values> plots;
  std::uint8_t mode;
  bool autoScale;
  TdvAxisScale expected;
};

Values Spread(std::initializer_list<double> values) {
  Values spread;
  std::int32_t frame = 0;
  for (double v : values) {
    spread.push_back({frame, v});
    frame += 20;
  }
  return spread;
}

// The vertical axis of a graph over the values of all its plots: rounded
// ends around the data, widened around data that hardly vary or are
// smoothed, and a range the user fixed kept.
TEST(GraphAxisRange, FollowsTheDataOfEveryPlotUnlessFixed) {
  const AxisCase cases[] = {
      {"all values equal", {Spread({5, 5, 5})}, kGroupPlain, true, {-20, 20, 10, 4}},
      {"close around their mean", {Spread({9.9, 10, 10.1})}, kGroupPlain, true, {6, 14, 2, 4}},
      {"smoothed acceleration",
       {Spread({-0.2, 0.05, 0.3, 0.05})},
       kGroupAlwaysFull,
       true,
       {-4, 4, 2, 4}},
      {"two plots", {Spread({-1, 0, 1}), Spread({-2, 0.5, 3})}, kGroupPlain, true, {-3, 3, 2, 3}},
      {"fixed by the user", {Spread({0, 100})}, kGroupPlain, false, {-1.5, 2.5, 0.8, 5}},
  };
  for (const AxisCase& c : cases) {
    SCOPED_TRACE(c.what);
    FakeGraphSource source;
    TdvGraphObject graph;
    for (std::size_t i = 0; i < c.plots.size(); ++i) {
      source.Group(static_cast<std::int32_t>(i), 3, c.plots[i], c.mode);
      graph.AddPlot(std::make_unique<TdvGraphPlot>(static_cast<std::int32_t>(i), 3));
    }
    graph.BindGroups(source);
    graph.autoScale = c.autoScale;
    graph.axis = {-1.5, 2.5, 1.0, 0};
    graph.Layout(0, 300, 400);
    graph.RescaleVertical();
    EXPECT_NEAR(graph.axis.axisMin, c.expected.axisMin, 1e-9);
    EXPECT_NEAR(graph.axis.axisMax, c.expected.axisMax, 1e-9);
    EXPECT_NEAR(graph.axis.step, c.expected.step, 1e-9);
    EXPECT_EQ(graph.axis.ticks, c.expected.ticks);
    const int height = graph.plotArea.bottom - graph.plotArea.top;
    EXPECT_NEAR(graph.pixelsPerUnit * (graph.axis.axisMax - graph.axis.axisMin), height, 1e-9);
    graph.ReleaseGroups();
  }
}

}  // namespace
