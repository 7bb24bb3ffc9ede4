#include "plot/model_fit_dialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../graph/fake_graph_source.h"
#include "graph/graph_object.h"
#include "plot/fit_dialog.h"
#include "plot/model_dialog.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

constexpr std::int32_t kTime = -31;
constexpr std::int32_t kBall = 4;
constexpr std::int32_t kCart = 5;

class PlainFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

using Dialog = shell::WindowHandle;

// One graph of the ball (and the cart) against time, inside axes of 0 to
// 10 and 0 to 200, edited by the dialogs as the graph window opens them:
// every change brings the fit up to date as a data change does.
class ModelFitDialogsTest : public ::testing::Test {
 public:
  ModelFitDialogsTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    frame = shell.Keep(std::make_unique<PlainFrame>());
    frame->OpenWindow();
    horizontal.axis = TdvAxisScale{0.0, 10.0, 2.0, 5};
    graph.axis = TdvAxisScale{0.0, 200.0, 40.0, 5};
  }

  ~ModelFitDialogsTest() override { EXPECT_EQ(backend.UnusedScript(), std::vector<std::string>{}); }

  // The ball at y(t) and the cart at 3t on frames 0 … count − 1 (time = frame).
  void Plot(int count, double (*y)(double), bool withCart = false) {
    graph.ReleaseGroups();
    graph.RemovePlotsWhere([](const TdvGraphPlot&) { return true; });
    std::vector<std::pair<std::int32_t, double>> times;
    std::vector<std::pair<std::int32_t, double>> balls;
    std::vector<std::pair<std::int32_t, double>> carts;
    for (int i = 0; i < count; ++i) {
      times.emplace_back(i, i);
      balls.emplace_back(i, y(i));
      carts.emplace_back(i, 3.0 * i);
    }
    horizontal.group = &source.Group(kTime, 1, times);
    source.Group(kBall, 2, balls);
    source.Group(kCart, 2, carts);
    graph.AddPlot(std::make_unique<TdvGraphPlot>(kBall, 2));
    if (withCart) {
      graph.AddPlot(std::make_unique<TdvGraphPlot>(kCart, 2));
    }
    graph.BindGroups(source);
  }

  std::vector<std::string> PlotNames() const {
    return graph.Plots().size() >= 2 ? std::vector<std::string>{"ball y", "cart y"}
                                     : std::vector<std::string>{"ball y"};
  }

  // One thing the user does in a dialog, or sees: choose item `value` of a
  // pop-up, retype an edit field, press a button or the close box, see a
  // control shown or enabled (value 1) or not (0), the item a pop-up shows,
  // or read a text.
  struct Step {
    char what;  // 'c' choose, 't' type, 'p' press, 'x' close box, 'v', 'e', 'r' read, 's' shown
    int id = 0;
    int value = 0;
    const char* text = "";
  };

  void Do(Dialog d, const Step& step) {
    const shell::HeadlessWindow* control = backend.Window(backend.ControlOf(d, step.id));
    switch (step.what) {
      case 'c':
        return backend.ChoosePopup(d, step.id, step.value);
      case 't':
        return backend.TypeText(d, step.id, std::string(control->title.size(), '\b') + step.text);
      case 'p':
        return backend.PressButton(d, step.id);
      case 'x':
        return backend.Close(d);
      case 'v':
        EXPECT_EQ(control->visible, step.value == 1) << "control " << step.id;
        return;
      case 'e':
        EXPECT_EQ(control->enabled, step.value == 1) << "control " << step.id;
        return;
      case 's':
        EXPECT_EQ(control->popupShown, step.value) << "control " << step.id;
        return;
      default:
        EXPECT_EQ(control->title, step.text) << "control " << step.id;
    }
  }

  void Open(bool model, bool created, const std::vector<Step>& steps) {
    backend.QueueModal([&](Dialog d) {
      for (const Step& step : steps) {
        Do(d, step);
      }
    });
    const auto changed = [this] { graph.UpdateFit(false, horizontal, source); };
    if (model) {
      OpenModelDialog(*frame, graph, PlotNames(), created, changed, "t (s)");
    } else {
      OpenFitDialog(*frame, graph, PlotNames(), created, changed);
    }
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  TdvAppWindow* frame = nullptr;
  FakeGraphSource source;
  TdvHorizontalAxis horizontal;
  TdvGraphObject graph;
};

double Parabola(double t) {
  return 150.0 + 20.0 * t - 4.9 * t * t;
}

// ------------------------------------------------------------ Model Equation

TEST_F(ModelFitDialogsTest, ModelDialogAppliesRefusesAndCancels) {
  using M = TdvModelDialog;
  constexpr int kB = M::kFirstConstant + 1;
  struct Case {
    const char* name;
    bool created;
    std::vector<Step> steps;
    std::vector<const char*> refused;  // text and caption of each message
    const char* label;                 // the model afterwards, none when it is gone
    std::int32_t modelPlot;
  };
  // clang-format off
  const Case cases[] = {
      {"a formula with typed constants", true,
       {{'r', M::kVariable, 0, "x := t (s)"}, {'c', M::kFormula, TdvModelObject::kQuadratic},
        {'v', kB + 1, 1}, {'v', kB + 2, 0}, {'t', M::kFirstConstant, 0, "-4.9"},
        {'t', kB, 0, "20"}, {'t', kB + 1, 0, "150"}, {'p', M::kOk}},
       {}, "M: -4.900x^2 + 20.00x + 150.0", 0},
      {"Cancel of a created model", true, {{'p', M::kCancel}}, {}, nullptr, 0},
      {"the close box of a created model", true, {{'x'}}, {}, nullptr, 0},
      {"an equation that does not parse", false,
       {{'c', M::kFormula, TdvModelObject::kEquation}, {'v', M::kFirstConstant, 0},
        {'t', M::kEquation, 0, "2*x^2-"}, {'p', M::kApply}, {'p', M::kOk}, {'p', M::kCancel}},
       {"Error", "Error in Formula", "Error", "Error in Formula"}, "M: 2.000x + 1.000", 0},
      {"a logarithm with B of 0, a constant that is no number", false,
       {{'c', M::kFormula, TdvModelObject::kLogarithmic}, {'t', kB, 0, "0"}, {'p', M::kApply},
        {'t', kB, 0, "1e"}, {'p', M::kApply}, {'p', M::kCancel}},
       {"B must be Positive", "Logarithmic Model", "Every Field Must Contain a Number", "Model"},
       "M: 2.000x + 1.000", 0},
      {"an equation applied by Return to the second plot, then Cancel", false,
       {{'v', M::kApplyTo, 1}, {'c', M::kApplyTo, 2}, {'c', M::kFormula, TdvModelObject::kEquation},
        {'t', M::kEquation, 0, "x ^ 2 - 3\r"}, {'r', M::kEquation, 0, "x^2-3"},
        {'r', M::kForm, 0, "M: x^2-3"}, {'p', M::kCancel}},
       {}, "M: x^2-3", 1},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    graph.RemoveModel();
    Plot(11, Parabola, true);
    graph.modelPlot = 0;
    graph.EnsureModel().A = 2.0;
    for (std::size_t m = 0; m + 1 < c.refused.size(); m += 2) {
      backend.ExpectMessage(c.refused[m], shell::MessageAnswer::kOk, c.refused[m + 1]);
    }
    Open(true, c.created, c.steps);
    if (c.label == nullptr) {
      EXPECT_EQ(graph.Model(), nullptr);
      continue;
    }
    ASSERT_NE(graph.Model(), nullptr);
    EXPECT_EQ(graph.Model()->FormatLabel(true), c.label);
    EXPECT_EQ(graph.modelPlot, c.modelPlot);
  }
}

// ----------------------------------------------------------------- Curve Fit

TEST_F(ModelFitDialogsTest, FitDialogAppliesTheChosenFitOrTellsWhyNot) {
  using F = TdvFitDialog;
  struct Case {
    const char* name;
    bool created;
    double (*y)(double);
    std::vector<Step> steps;
    const char* refusal;
    const char* label;  // the fit afterwards, none when it is gone
    Step reopened;      // what the dialog shows when opened again
    bool autoUpdate = true;
  };
  // clang-format off
  const Case cases[] = {
      {"a quadratic on a parabola", true, Parabola,
       {{'v', F::kApplyTo, 0}, {'e', F::kOrder, 0}, {'c', F::kType, F::kPolynomialItem},
        {'e', F::kOrder, 1}, {'c', F::kOrder, F::kOrder2}, {'p', F::kApply},
        {'r', F::kEquation, 0, "F: -4.90x^2 + 20.0x + 150   r^2=1.00"}, {'p', F::kOk}},
       nullptr, "F: -4.90x^2 + 20.0x + 150 ", {'s', F::kOrder, F::kOrder2}},
      // r² = 0.999986, which must not read as the perfect fit above.
      {"a quadratic on a parabola with one point a little off", false,
       [](double t) { return Parabola(t) + (t == 4.0 ? 0.5 : 0.0); },
       {{'c', F::kType, F::kPolynomialItem}, {'c', F::kOrder, F::kOrder2}, {'p', F::kApply},
        {'r', F::kEquation, 0, "F: -4.91x^2 + 20.1x + 150   r^2=0.999"}, {'p', F::kOk}},
       nullptr, "F: -4.91x^2 + 20.1x + 150 ", {'s', F::kOrder, F::kOrder2}},
      {"Cancel of a created fit", true, Parabola, {{'p', F::kCancel}}, nullptr, nullptr, {}},
      {"a cubic through three visible points", false,
       [](double t) { return t < 3 ? 10.0 * t + 5.0 : 500.0; },
       {{'c', F::kType, F::kPolynomialItem}, {'c', F::kOrder, F::kOrder3}, {'p', F::kOk},
        {'p', F::kCancel}},
       "A cubic fit needs at least 4 points inside the graph's ranges.", "F: 10.0x + 5.00 ",
       {'s', F::kType, F::kLinearItem}},
      {"a polynomial of order 1, not updated automatically", false,
       [](double t) { return 7.0 - 0.5 * t; },
       {{'c', F::kType, F::kPolynomialItem}, {'c', F::kOrder, F::kOrder1}, {'p', F::kAutoUpdate},
        {'p', F::kOk}},
       nullptr, "F: -0.500x + 7.00 ", {'s', F::kType, F::kLinearItem}, false},
      {"a line through the origin", false, [](double t) { return 2.5 * t; },
       {{'c', F::kType, F::kThroughOriginItem}, {'p', F::kOk}}, nullptr, "F: 2.50x ",
       {'s', F::kType, F::kThroughOriginItem}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    graph.RemoveFit();
    Plot(11, c.y);
    graph.EnsureFit();
    graph.UpdateFit(true, horizontal, source);
    if (c.refusal != nullptr) {
      backend.ExpectMessage(c.refusal, shell::MessageAnswer::kOk, "Curve Fit");
    }
    Open(false, c.created, c.steps);
    if (c.label == nullptr) {
      EXPECT_EQ(graph.Fit(), nullptr);
      continue;
    }
    ASSERT_NE(graph.Fit(), nullptr);
    EXPECT_EQ(graph.Fit()->FormatLabel(true), c.label);
    EXPECT_EQ(graph.Fit()->AutoUpdate(), c.autoUpdate);
    // It reopens showing what it became.
    Open(false, false,
         {c.reopened, {'e', F::kOrder, c.reopened.id == F::kOrder}, {'p', F::kCancel}});
  }
}

}  // namespace
