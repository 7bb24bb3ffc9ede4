#include <memory>
#include <string>

#include "document/document_graph_source.h"
#include "document/file_parser.h"
#include "document_fixture.h"
#include "graph/graph_stack.h"
#include "kinematics/data_table.h"
#include "kinematics/data_value_group.h"
#include "model/scale_series.h"

namespace {

constexpr std::int32_t kSavedBall = 2;
constexpr std::int32_t kSavedCart = 3;

std::string Written(const TdvGraphStack& stack) {
  std::string text;
  TdvTaggedWriter writer(text);
  stack.WriteRecord(writer);
  return text;
}

// The graph windows of a saved document: everything from the first one on.
std::string GraphPart(const std::string& document) {
  const std::size_t start = document.find("G[");
  return start == std::string::npos ? "" : document.substr(start);
}

// Two graph windows over a ball and a cart with the given ids: the first
// with the ball's x position and speed, a model and a fit, the second with
// the cart against the ball's x position.
std::unique_ptr<TdvGraphStack> Window(std::int32_t ball, std::int32_t cart, int left) {
  auto stack = std::make_unique<TdvGraphStack>();
  stack->rect = TdvRect{left, 40, 400, 300};
  auto graph = std::make_unique<TdvGraphObject>();
  graph->AddPlot(std::make_unique<TdvGraphPlot>(ball, 2));
  graph->AddPlot(std::make_unique<TdvGraphPlot>(ball, 11)).connect = true;
  std::string equation = "3*x^2-1";
  graph->EnsureModel().SetEquation(equation);
  graph->EnsureFit().SetFitType(TdvFitObject::kQuadratic);
  graph->EnsureFit().SetRealValue(710, 2.5);
  graph->fitPlot = 1;
  graph->axis = TdvAxisScale{-2.0, 8.0, 2.0, 5};
  stack->AddGraph(std::move(graph));
  auto other = std::make_unique<TdvGraphObject>();
  other->AddPlot(std::make_unique<TdvGraphPlot>(cart, 3));
  stack->AddGraph(std::move(other));
  return stack;
}

class GraphFileTest : public DocumentTest {
 protected:
  static std::int32_t Id(TdvDataObjectWindow& doc, const std::string& name) {
    for (std::int32_t id : doc.ItemOrder()) {
      if (doc.GetItem(id)->GetName() == name) {
        return id;
      }
    }
    return kNoItem;
  }

  TdvDataObjectWindow* Open(const std::string& path) {
    TdvFileParser parser;
    return parser.Parse(TdvFileLocation::FromPath(path));
  }

  bool SaveAs(TdvDataObjectWindow& doc, const std::string& path) {
    backend.QueueFileAnswer(path);
    return doc.Save(true);
  }

  // A saved document of a ball with data on three frames and a cart, which
  // get other ids when read (a point made before them was deleted),
  // followed by the given graph windows.
  std::string SavedDocument(const std::string& graphs) {
    TdvDataObjectWindow* doc = NewDocument();
    doc->SetTimeBase(600, {0, 20, 40});
    const std::string movie = Path("clip.mov");
    WriteFile(movie, "not really a movie");
    doc->hasMovie = true;
    doc->moviePath = movie;
    doc->movieName = "clip.mov";
    TdvDataPoint* spare = AddPoint(*doc, "Spare");
    TdvDataPoint* ball = AddPoint(*doc, "Ball");
    ball->TakeData(100, -100, 0);
    ball->TakeData(110, -90, 20);
    ball->TakeData(130, -80, 40);
    EXPECT_EQ(ball->GetId(), kSavedBall);
    EXPECT_EQ(AddPoint(*doc, "Cart")->GetId(), kSavedCart);
    doc->DeleteItem(spare->GetId());
    const std::string path = Path("graphs.kvx");
    EXPECT_TRUE(SaveAs(*doc, path));
    WriteFile(path, ReadFile(path) + graphs);
    return path;
  }
};

TEST_F(GraphFileTest, GraphWindowsSurviveSaveAndReopen) {
  const std::string graphs =
      Written(*Window(kSavedBall, kSavedCart, 59)) + Written(*Window(kSavedCart, kSavedBall, 99));
  TdvDataObjectWindow* doc = Open(SavedDocument(graphs));
  ASSERT_NE(doc, nullptr);
  const std::int32_t ball = Id(*doc, "Ball");
  const std::int32_t cart = Id(*doc, "Cart");
  ASSERT_NE(ball, kSavedBall) << "the test needs ids that change";
  const std::string first = Path("first.kvx");
  ASSERT_TRUE(SaveAs(*doc, first));
  EXPECT_EQ(GraphPart(ReadFile(first)),
            Written(*Window(ball, cart, 59)) + Written(*Window(cart, ball, 99)))
      << "the same graphs, naming the series by their new ids";

  TdvDataObjectWindow* reopened = Open(first);
  ASSERT_NE(reopened, nullptr);
  const std::string second = Path("second.kvx");
  ASSERT_TRUE(SaveAs(*reopened, second));
  EXPECT_EQ(ReadFile(second), ReadFile(first));
}

TEST_F(GraphFileTest, DamagedGraphRecordsAreReadAsFarAsTheyGo) {
  const std::string path = SavedDocument(
      "G[r(1000x59 40 400 300)i(675x2 p850x2 p852x-4 )d(655xjunk p656x1 )\r\n"
      "a[i(707x999999999 p708x77 p679x250 )g[i(682x65535 p676x12345 )];\r\n"
      "];\r\n");
  TdvDataObjectWindow* doc = Open(path);
  ASSERT_NE(doc, nullptr);
  const std::string saved = Path("damaged.kvx");
  ASSERT_TRUE(SaveAs(*doc, saved));
  const std::string graphs = GraphPart(ReadFile(saved));
  const std::string ball = std::to_string(Id(*doc, "Ball"));
  EXPECT_EQ(graphs.rfind("G[r(1000x59 40 400 300)i(675x" + ball + " p850x2 p852x-4 )", 0), 0u)
      << "the horizontal series maps to the ball's new id";
  EXPECT_NE(graphs.find("i(707x4 p708x1 )"), std::string::npos) << "impossible fit values ignored";
  EXPECT_EQ(graphs.find("g["), std::string::npos) << "a plot of a series not in the file";
}

}  // namespace
