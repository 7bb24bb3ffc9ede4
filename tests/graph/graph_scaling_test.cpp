#include <gtest/gtest.h>

#include "fake_graph_source.h"
#include "graph/graph_stack.h"

namespace {

constexpr std::int32_t kTime = -31;
constexpr std::int32_t kBall = 4;
constexpr std::int32_t kCart = 5;

void ExpectAxis(const TdvAxisScale& axis, double min, double max, double step, int ticks) {
  EXPECT_NEAR(axis.axisMin, min, 1e-9);
  EXPECT_NEAR(axis.axisMax, max, 1e-9);
  EXPECT_NEAR(axis.step, step, 1e-9);
  EXPECT_EQ(axis.ticks, ticks);
}

// A window of one graph per entry of plots (series, quantity), bound to the
// groups of source.
class GraphScaling : public testing::Test {
 protected:
  TdvGraphObject& AddGraph(std::vector<std::pair<std::int32_t, std::int32_t>> plots) {
    TdvGraphObject& graph = stack.AddGraph(std::make_unique<TdvGraphObject>());
    for (const auto& [series, quantity] : plots) {
      graph.AddPlot(std::make_unique<TdvGraphPlot>(series, quantity));
    }
    return graph;
  }

  FakeGraphSource source;
  TdvGraphStack stack;
};

TEST_F(GraphScaling, VerticalAxisCoversEveryPlot) {
  source.Group(kBall, 2, {{1, -1.0}, {2, 0.0}, {3, 1.0}});
  source.Group(kCart, 2, {{1, -2.0}, {2, 3.0}, {3, 0.5}});
  TdvGraphObject& graph = AddGraph({{kBall, 2}, {kCart, 2}});
  stack.BindGroups(source);
  graph.RescaleVertical();
  ExpectAxis(graph.axis, -3.0, 3.0, 2.0, 3);
  EXPECT_EQ(graph.dataMin, -2.0);
  EXPECT_EQ(graph.dataMax, 3.0);
}

TEST_F(GraphScaling, SmoothedPlotsGetAWiderVerticalAxis) {
  source.Group(kBall, 15, {{2, -0.2}, {3, 0.3}}, kGroupAlwaysFull);
  TdvGraphObject& graph = AddGraph({{kBall, 15}});
  stack.BindGroups(source);
  graph.RescaleVertical();
  ExpectAxis(graph.axis, -4.0, 4.0, 2.0, 4);
}

TEST_F(GraphScaling, PlotsWithoutValuesAndFixedRanges) {
  TdvGraphObject& graph = AddGraph({{kBall, 43}});
  graph.axis = TdvAxisScale{-1.5, 2.5, 1.0, 0};
  stack.BindGroups(source);
  graph.RescaleVertical();
  ExpectAxis(graph.axis, -1.5, 2.5, 1.0, 0);  // no group: nothing to scale to

  source.Group(kBall, 2, {{1, 100.0}, {2, 200.0}});
  graph.AddPlot(std::make_unique<TdvGraphPlot>(kBall, 2));
  stack.BindGroups(source);
  graph.autoScale = false;
  graph.RescaleVertical();
  ExpectAxis(graph.axis, -1.5, 2.5, 0.8, 5);  // the user's range, 0 ticks become 5
}

TEST_F(GraphScaling, HorizontalAxisFollowsItsGroup) {
  source.Group(kTime, 1, {{0, 0.03}, {1, 0.5}, {2, 0.97}});
  AddGraph({});
  stack.BindGroups(source);
  stack.RescaleHorizontal(true, 580, 346);
  ExpectAxis(stack.horizontal.axis, 0.0, 1.0, 0.2, 5);
  EXPECT_EQ(stack.horizontal.dataMin, 0.03);
  EXPECT_EQ(stack.horizontal.dataMax, 0.97);
  EXPECT_DOUBLE_EQ(stack.horizontal.pixelsPerUnit, 500.0);

  stack.horizontal.axis = TdvAxisScale{2.0, 4.0, 1.0, 0};
  stack.RescaleHorizontal(false, 580, 346);
  ExpectAxis(stack.horizontal.axis, 2.0, 4.0, 0.4, 5);
  EXPECT_DOUBLE_EQ(stack.horizontal.pixelsPerUnit, 250.0);
}

TEST_F(GraphScaling, HorizontalAxisWithoutValuesOrWithOne) {
  AddGraph({});
  stack.RescaleHorizontal(true, 580, 346);
  EXPECT_EQ(stack.horizontal.dataMin, -5.0);
  EXPECT_EQ(stack.horizontal.dataMax, 5.0);
  EXPECT_LE(stack.horizontal.axis.axisMin, -5.0);
  EXPECT_GE(stack.horizontal.axis.axisMax, 5.0);

  source.Group(kTime, 1, {{0, 7.0}});
  stack.BindGroups(source);
  stack.RescaleHorizontal(true, 580, 346);
  EXPECT_EQ(stack.horizontal.dataMin, 2.0);
  EXPECT_EQ(stack.horizontal.dataMax, 12.0);

  stack.horizontal.axis = TdvAxisScale{3.0, 3.0, 1.0, 4};
  stack.RescaleHorizontal(false, 20, 10);
  EXPECT_EQ(stack.horizontal.pixelsPerUnit, 1.0) << "an axis without length";
}

TEST_F(GraphScaling, GraphsShareTheClientAreaBelowOneAnother) {
  TdvGraphObject& top = AddGraph({});
  TdvGraphObject& bottom = AddGraph({});
  bottom.EnsureModel();
  bottom.EnsureFit();
  stack.RescaleHorizontal(true, 480, 347);
  EXPECT_EQ(top.area, (TdvRect{5, 0, 475, 150}));
  EXPECT_EQ(top.plotArea, (TdvRect{55, 0, 455, 150}));
  EXPECT_EQ(bottom.area, (TdvRect{5, 150, 475, 300}));
  EXPECT_EQ(bottom.plotArea, (TdvRect{55, 186, 455, 300})) << "a label band each";

  top.axis = TdvAxisScale{0.0, 3.0, 1.0, 3};
  top.autoScale = false;
  top.RescaleVertical();
  EXPECT_DOUBLE_EQ(top.pixelsPerUnit, 50.0);
}

TEST_F(GraphScaling, ShownGroupsAreUsedOnce) {
  TdvDataValueGroup& time = source.Group(kTime, 1, {{0, 0.0}});
  TdvDataValueGroup& x = source.Group(kBall, 2, {{0, 1.0}});
  TdvDataValueGroup& speed = source.Group(kBall, 11, {{0, 2.0}});
  AddGraph({{kBall, 2}, {kBall, 11}});
  AddGraph({{kBall, 2}});
  stack.BindGroups(source);
  stack.BindGroups(source);
  EXPECT_EQ(time.UseCount(), 1);
  EXPECT_EQ(x.UseCount(), 2) << "one use per plot, not per binding";
  EXPECT_EQ(speed.UseCount(), 1);
  stack.ReleaseGroups();
  EXPECT_EQ(time.UseCount(), 0);
  EXPECT_EQ(x.UseCount(), 0);
  EXPECT_EQ(speed.UseCount(), 0);
}

TEST_F(GraphScaling, ARemovedSeriesTakesItsPlotsAlong) {
  source.Group(kBall, 2, {{0, 1.0}});
  TdvDataValueGroup& cart = source.Group(kCart, 2, {{0, 1.0}});
  TdvGraphObject& graph = AddGraph({{kBall, 2}, {kCart, 2}, {kBall, 3}});
  stack.BindGroups(source);
  source.groups.erase({kBall, 2});  // the table destroys the groups first
  stack.SeriesRemoved(kBall);
  ASSERT_EQ(graph.Plots().size(), 1u);
  EXPECT_EQ(graph.Plots()[0]->Group(), &cart);
  stack.ReleaseGroups();
  EXPECT_EQ(cart.UseCount(), 0);
}

}  // namespace
