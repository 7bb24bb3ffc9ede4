#include <gtest/gtest.h>

#include <string>

#include "fake_fit_owner.h"
#include "foundation/tagged_record.h"
#include "foundation/tagged_writer.h"
#include "graph/graph_stack.h"
#include "nr_test_vectors.h"

namespace {

template <typename Saved>
std::string Written(const Saved& saved) {
  std::string text;
  TdvTaggedWriter writer(text);
  saved.WriteRecord(writer);
  return text;
}

template <typename Receiver>
void ReadInto(const std::string& record, Receiver& target) {
  TdvStringStream stream(record);
  ReadRecordBody(stream, target);
}

std::unique_ptr<TdvGraphPlot> Plot(std::int32_t series, std::int32_t quantity) {
  auto plot = std::make_unique<TdvGraphPlot>(series, quantity);
  plot->markerShape = 3;
  plot->colour = 12;
  plot->SetMarkerSize(7);
  plot->connect = true;
  return plot;
}

void FitPoints(TdvFitObject& fit, std::uint8_t type) {
  fit.SetFitType(type);
  FakeFitOwner owner;
  const NrVector x = MakeVector({0, 1, 2, 3, 4});
  const NrVector y = MakeVector({1.25, 2.5, 6.0, 11.75, 19.5});
  ASSERT_TRUE(fit.Fit(x, y, 5, Filled(5, 1.0f), true, owner));
}

// A graph of two plots with a model of the given formula and a fit of the
// given type, every field away from its default.
std::unique_ptr<TdvGraphObject> RichGraph(std::uint8_t modelType, std::uint8_t fitType) {
  auto graph = std::make_unique<TdvGraphObject>();
  graph->AddPlot(Plot(4, 2));
  graph->AddPlot(Plot(-1, 11)).connect = false;
  TdvModelObject& model = graph->EnsureModel();
  model.A = -2.5;
  model.B = 0.75;
  model.C = 1.0e-3;
  model.D = 12345.678;
  if (modelType == TdvModelObject::kEquation) {
    std::string text = "2*x^2-sin(x)";
    model.SetEquation(text);
  } else {
    model.SetType(modelType);
  }
  FitPoints(graph->EnsureFit(), fitType);
  graph->EnsureFit().SetAutoUpdate(fitType % 2 == 1);
  graph->autoScale = false;
  graph->legendShown = true;
  graph->axis = TdvAxisScale{-3.0, 9.0, 2.0, 6};
  return graph;
}

TEST(PlotRecord, WrittenInTheFileLayout) {
  EXPECT_EQ(Written(*Plot(4, 8)), "g[b(688x1 )i(676x4 p680x3 p681x12 p682x7 p850x8 )];\r\n");
}

TEST(PlotRecord, OversizedMarkersAndAMissingSeries) {
  TdvGraphPlot plot;
  ReadInto("g[i(682x100 p850x11 )];", plot);
  EXPECT_EQ(plot.MarkerSize(), 0) << "sizes from 100 up are read as 0";
  EXPECT_EQ(plot.seriesId, -1) << "a plot without series shows the default origin";
  ReadInto("g[i(682x99 )];", plot);
  EXPECT_EQ(plot.MarkerSize(), 99);
  ReadInto("g[i(682x-1 )];", plot);
  EXPECT_EQ(plot.MarkerSize(), 0) << "negative sizes wrap far past the limit";
}

TEST(GraphRecord, WrittenInTheFileLayout) {
  TdvGraphObject graph;
  graph.axis = TdvAxisScale{-3.0, 9.0, 2.0, 6};
  graph.AddPlot(Plot(4, 2));
  EXPECT_EQ(Written(graph),
            "a[b(650x1 p649x0 )d(657x9.0000000 p658x-3.0000000 )i(852x6 )\r\n"
            "g[b(688x1 )i(676x4 p680x3 p681x12 p682x7 p850x2 )];\r\n"
            "];\r\n");
  graph.EnsureModel();
  graph.EnsureFit();
  const std::string both = Written(graph);
  EXPECT_LT(both.find("b(713x1)"), both.find("d(659x")) << "the fit comes before the model";
  EXPECT_LT(both.find("s(673x"), both.find("b(650x")) << "and both before the graph's own";
}

TEST(GraphRecord, TwoPlotsWithEveryModelAndFitReadBackEqual) {
  for (std::uint8_t modelType = 1; modelType <= 9; ++modelType) {
    for (std::uint8_t fitType = 0; fitType <= 3; ++fitType) {
      const auto original = RichGraph(modelType, fitType);
      const std::string saved = Written(*original);
      TdvGraphObject copy;
      ReadInto(saved, copy);
      ASSERT_EQ(copy.Plots().size(), 2u);
      ASSERT_NE(copy.Model(), nullptr);
      ASSERT_NE(copy.Fit(), nullptr);
      EXPECT_EQ(copy.Model()->Type(), modelType);
      EXPECT_EQ(copy.Fit()->FitType(), fitType);
      EXPECT_EQ(copy.Fit()->AutoUpdate(), fitType % 2 == 1);
      EXPECT_EQ(copy.Plots()[1]->seriesId, -1);
      EXPECT_FALSE(copy.Plots()[1]->connect);
      EXPECT_FALSE(copy.autoScale);
      EXPECT_TRUE(copy.legendShown);
      EXPECT_EQ(copy.axis.ticks, 6);
      double want = 0.0;
      double got = 0.0;
      ASSERT_TRUE(original->Model()->Evaluate(want, 1.5));
      ASSERT_TRUE(copy.Model()->Evaluate(got, 1.5));
      EXPECT_DOUBLE_EQ(got, want);
      EXPECT_EQ(copy.Fit()->FormatLabel(true), original->Fit()->FormatLabel(true));
      EXPECT_EQ(Written(copy), saved) << "model " << int(modelType) << " fit " << int(fitType);
    }
  }
}

TEST(GraphRecord, FitAndModelComeOnlyWithTheirTags) {
  TdvGraphObject plain;
  ReadInto("a[b(650x0 p649x1 )d(657x2 p658x-2 )i(852x4 )];", plain);
  EXPECT_EQ(plain.Fit(), nullptr);
  EXPECT_EQ(plain.Model(), nullptr);
  EXPECT_FALSE(plain.autoScale);
  EXPECT_EQ(plain.axis.axisMax, 2.0);
  EXPECT_EQ(plain.axis.axisMin, -2.0);

  TdvGraphObject withFit;
  ReadInto("a[d(709x1 p710x2 p711x3 p712x4 )i(707x3 p708x2 )];", withFit);
  ASSERT_NE(withFit.Fit(), nullptr);
  EXPECT_EQ(withFit.Model(), nullptr);
  EXPECT_EQ(withFit.Fit()->Result().nCoefficients, 3) << "tag 707 resizes the vector";
  EXPECT_EQ(withFit.Fit()->Result().coefficients[4], 0.0f);
  EXPECT_EQ(withFit.axis.ticks, 5) << "the fit's integers are not the graph's";

  TdvGraphObject withModel;
  ReadInto("a[i(679x9 )s(673x\"x+1\" )];", withModel);
  ASSERT_NE(withModel.Model(), nullptr);
  EXPECT_EQ(withModel.Fit(), nullptr);
  double y = 0.0;
  ASSERT_TRUE(withModel.Model()->Evaluate(y, 2.0));
  EXPECT_EQ(y, 3.0);
}

TEST(WindowRecord, WrittenInTheFileLayout) {
  TdvGraphStack stack;
  stack.rect = TdvRect{60, 40, 400, 300};
  stack.horizontal.axis = TdvAxisScale{0.0, 1.5, 0.5, 3};
  stack.horizontal.autoScale = false;
  stack.AddGraph(std::make_unique<TdvGraphObject>());
  EXPECT_EQ(Written(stack),
            "G[r(1000x59 40 400 300)i(675x-31 p850x1 p852x3 )b(651x0 )"
            "d(655x1.5000000 p656x0.0000000 )\r\n"
            "a[b(650x1 p649x0 )d(657x1.0000000 p658x0.0000000 )i(852x5 )];\r\n"
            "];\r\n");
}

TEST(WindowRecord, TwoGraphsReadBackEqual) {
  TdvGraphStack stack;
  stack.rect = TdvRect{61, 40, 400, 300};
  stack.horizontal.series = 7;
  stack.horizontal.quantity = 2;
  stack.horizontal.axis = TdvAxisScale{-1.0, 4.0, 1.0, 5};
  stack.AddGraph(RichGraph(TdvModelObject::kSin, TdvFitObject::kCubic));
  stack.AddGraph(RichGraph(TdvModelObject::kEquation, TdvFitObject::kAverage));
  const std::string saved = Written(stack);
  TdvGraphStack copy;
  ReadInto(saved, copy);
  EXPECT_EQ(copy.rect, (TdvRect{60, 40, 400, 300})) << "read as saved, one pixel left";
  ASSERT_EQ(copy.Graphs().size(), 2u);
  copy.rect.left += 1;
  EXPECT_EQ(Written(copy), saved);
}

TEST(WindowRecord, StrayRecordsDoNotReachTheWrongOwner) {
  TdvGraphStack stack;
  ReadInto("G[i(850x2 )\r\ng[i(850x30 p676x9 )];\r\na[a[i(852x9 )];i(852x3 )];\r\n];", stack);
  EXPECT_EQ(stack.horizontal.quantity, 2) << "a plot outside a graph is read past";
  ASSERT_EQ(stack.Graphs().size(), 1u);
  EXPECT_EQ(stack.Graphs()[0]->axis.ticks, 3) << "a graph inside a graph is read past";
  EXPECT_TRUE(stack.Graphs()[0]->Plots().empty());
}

}  // namespace
