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
  ASSERT_TRUE(fit.Fit(x, y, 5, Filled(5, 1.0), true, owner));
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
    for (std::uint8_t fitType = 0; fitType <= TdvFitObject::kThroughOrigin; ++fitType) {
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

}  // namespace
