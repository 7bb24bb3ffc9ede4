#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/program_graph_dialogs.h"
#include "document/data_object_window.h"
#include "kinematics/quantity_table.h"
#include "model/series_codes.h"
#include "plot/change_plot_dialog.h"
#include "plot/graph_scale_dialog.h"
#include "plot/graphing_dialog.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

class PlainFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

using Plot = TdvGraphingDialog;
using Scale = TdvGraphScaleDialog;
using Change = TdvChangePlotDialog;

// The rows of the series lists: the time, then the document's series.
constexpr int kTimeRow = 0;
constexpr int kBallRow = 1;
constexpr int kDistanceRow = 2;
constexpr int kAngleRow = 3;
constexpr int kNoRow = -1;

class GraphDialogsTest : public ::testing::Test {
 protected:
  GraphDialogsTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    shell.Keep(std::make_unique<PlainFrame>())->OpenWindow();
    ball = document.ObjectNewObject(kItemPoint, "ball");
    distance = document.ObjectNewObject(kItemDistance, "D");
    angle = document.ObjectNewObject(kItemAngle, "A");
  }

  // Clicks `rows` in place of what the dialog selected as it opened; no
  // rows keep that, {kNoRow} leaves nothing selected.
  void Select(shell::WindowHandle dialog, int list, const std::vector<int>& rows) {
    if (rows.empty()) {
      return;
    }
    backend.ListSelect(backend.ControlOf(dialog, list), kNoRow);
    for (int row : rows) {
      if (row != kNoRow) {
        backend.ClickListRow(dialog, list, row);
      }
    }
  }

  // Ends a dialog that refused: it is still there, and Cancel closes it.
  void CancelStillOpen(shell::WindowHandle dialog, int cancel) {
    EXPECT_TRUE(backend.Exists(dialog));
    backend.PressButton(dialog, cancel);
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  TdvDataObjectWindow document;
  TdvProgramGraphDialogs dialogs;
  std::int32_t ball = 0;
  std::int32_t distance = 0;
  std::int32_t angle = 0;
};

TEST_F(GraphDialogsTest, PlotSeriesTurnsEachChoiceIntoQuantitiesOrRefusesIt) {
  struct Case {
    std::vector<int> horizontal;
    std::vector<int> vertical;
    int category;
    int component;
    std::vector<int> quantities;  // of the vertical rows; empty when refused
    std::string refusal;
    bool angular = false;  // the vertical pop-ups offer the angular categories, no components
  };
  const Case cases[] = {
      {{kTimeRow}, {kBallRow}, 1, 1, {kQuantityXPos}, ""},
      {{kTimeRow}, {kBallRow}, 2, 5, {kQuantityDeltaR}, ""},
      {{kTimeRow}, {kBallRow}, 3, 3, {kQuantityAcceleration}, ""},
      {{kTimeRow}, {kBallRow}, 4, 4, {kQuantityAngularMomentum}, ""},
      {{kTimeRow}, {kBallRow}, 4, 5, {}, "Momentum has no radius component"},
      {{kTimeRow}, {kBallRow}, 5, 4, {}, "Net Force (=ma) has no angle component"},
      {{kTimeRow}, {kBallRow}, 6, 5, {kQuantityKineticEnergy}, ""},
      {{kTimeRow}, {kBallRow}, 8, 1, {kQuantityTotalEnergy}, ""},
      {{kTimeRow}, {kBallRow, kDistanceRow}, 2, 2, {kQuantityYVelocity, kQuantityLength}, ""},
      // As opened: the time across, and nothing up beside several series.
      {{}, {}, 1, 2, {}, "Must Select One Vertical Item in List"},
      {{kNoRow}, {kBallRow}, 1, 2, {}, "Must Select One Horizontal Item in List"},
      {{kTimeRow}, {kAngleRow}, 1, 0, {kQuantityAngle}, "", true},
      {{kTimeRow},
       {kAngleRow},
       3,
       0,
       {},
       "An angle series can only be plotted by its Angular Position",
       true},
      {{kTimeRow}, {kDistanceRow, kAngleRow}, 1, 0, {kQuantityLength, kQuantityAngle}, "", true},
      {{kTimeRow}, {kBallRow, kAngleRow}, 2, 2, {kQuantityYVelocity, kQuantityAngle}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.category) + "/" + std::to_string(c.component));
    std::optional<TdvPlotChoice> added;
    backend.QueueModal([&](shell::WindowHandle dialog) {
      Select(dialog, Plot::kHorizontalList, c.horizontal);
      Select(dialog, Plot::kVerticalList, c.vertical);
      const auto popup = [&](int id) { return backend.Window(backend.ControlOf(dialog, id)); };
      EXPECT_EQ(popup(Plot::kVerticalCategory)->control.items.at(0),
                c.angular ? "Angular Position" : "Position");
      EXPECT_NE(popup(Plot::kVerticalComponent)->enabled, c.angular);
      backend.ChoosePopup(dialog, Plot::kVerticalCategory, c.category);
      if (!c.angular) {
        backend.ChoosePopup(dialog, Plot::kVerticalComponent, c.component);
      }
      if (!c.refusal.empty()) {
        backend.ExpectMessage(c.refusal, shell::MessageAnswer::kOk, "Select");
      }
      backend.PressButton(dialog, Plot::kAdd);
      if (!c.refusal.empty()) {
        CancelStillOpen(dialog, Plot::kCancel);
      }
    });
    dialogs.PlotSeries(document, document, [&](const TdvPlotChoice& choice) { added = choice; });
    ASSERT_EQ(added.has_value(), c.refusal.empty());
    if (!added) {
      continue;
    }
    EXPECT_TRUE(added->horizontal == (TdvPlotQuantity{kTimeItemRef, kQuantityTime}));
    ASSERT_EQ(added->vertical.size(), c.quantities.size());
    for (std::size_t i = 0; i < c.quantities.size(); ++i) {
      const std::int32_t series = std::vector{kNoItem, ball, distance, angle}.at(c.vertical[i]);
      EXPECT_TRUE(added->vertical[i] == (TdvPlotQuantity{series, c.quantities[i]})) << i;
    }
  }
}

// The ball is all the document follows besides its origin and scale: Add
// at once plots its height against time.
TEST_F(GraphDialogsTest, PlotSeriesOpensReadyToPlotTheOnlySeriesAgainstTime) {
  TdvDataObjectWindow doc;
  doc.ObjectNewObject(kItemOrigin, "Origin 1");
  doc.SetQuickScale(1.0, 1, -1, kFixed);
  doc.ScalePoint(0, 0, -5);
  doc.ScalePoint(200, 0, -6);
  const std::int32_t tracked = doc.ObjectNewObject(kItemPoint, "ball");
  std::optional<TdvPlotChoice> added;
  backend.QueueModal([&](shell::WindowHandle dialog) { backend.PressButton(dialog, Plot::kAdd); });
  dialogs.PlotSeries(doc, doc, [&](const TdvPlotChoice& choice) { added = choice; });
  ASSERT_TRUE(added && added->vertical.size() == 1u);
  EXPECT_TRUE(added->horizontal == (TdvPlotQuantity{kTimeItemRef, kQuantityTime}));
  EXPECT_TRUE(added->vertical[0] == (TdvPlotQuantity{tracked, kQuantityYPos}));
}

TEST_F(GraphDialogsTest, ChangeRangeHandsOnOneQuantityAndHowItJoins) {
  std::vector<std::pair<TdvPlotQuantity, bool>> changes;
  const auto change = [&](const TdvPlotQuantity& quantity, bool replace) {
    changes.emplace_back(quantity, replace);
  };
  backend.QueueModal([&](shell::WindowHandle dialog) {
    EXPECT_EQ(backend.Window(dialog)->title, "Change Range");
    backend.ExpectMessage("Must Select One Item in List", shell::MessageAnswer::kOk, "Select");
    backend.PressButton(dialog, Change::kReplace);
    Select(dialog, Change::kList, {kBallRow});
    backend.ChoosePopup(dialog, Change::kCategory, 2);
    backend.ChoosePopup(dialog, Change::kComponent, 2);
    backend.PressButton(dialog, Change::kAdd);
  });
  dialogs.ChangePlot(document, document, TdvGraphAxis::kVertical, change);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_TRUE(changes[0].first == (TdvPlotQuantity{ball, kQuantityYVelocity}));
  EXPECT_FALSE(changes[0].second);
}

TEST_F(GraphDialogsTest, GraphScaleRefusesWhatIsNoRangeAndChangesNothing) {
  struct Case {
    std::string min, max, ticks;
    std::string refusal;
  };
  const Case cases[] = {
      {"abc", "1", "5", "Please enter a number."},
      {"0", "1 m", "5", "Please enter a number."},
      {"0", "1", "", "Please enter a number."},
      {"5", "5", "5", "The minimum must be less than the maximum."},
      {"7", "-3", "5", "The minimum must be less than the maximum."},
      {"0", "1", "2.5", "Please enter a whole number of ticks from 0 to 100."},
      {"0", "1", "-1", "Please enter a whole number of ticks from 0 to 100."},
      {"0", "1", "101", "Please enter a whole number of ticks from 0 to 100."},
  };
  std::vector<std::pair<TdvGraphAxis, TdvAxisSetting>> applied;
  const auto current = [](TdvGraphAxis axis) {
    return axis == TdvGraphAxis::kHorizontal ? TdvAxisSetting{0.0, 10.0, 5, true}
                                             : TdvAxisSetting{-3.0, 9.0, 6, false};
  };
  const auto apply = [&](TdvGraphAxis axis, const TdvAxisSetting& setting) {
    applied.emplace_back(axis, setting);
  };
  backend.QueueModal([&](shell::WindowHandle dialog) {
    const auto field = [&](int id) { return backend.Window(backend.ControlOf(dialog, id)); };
    const auto type = [&](int id, const std::string& text) {
      backend.SetText(backend.ControlOf(dialog, id), text);
    };
    EXPECT_EQ(field(Scale::kMin)->title, "-3.00000");
    backend.ChoosePopup(dialog, Scale::kAxis, 1);
    EXPECT_EQ(field(Scale::kMax)->title, "10.0000");
    EXPECT_TRUE(field(Scale::kAutoScale)->checked);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.min + " " + c.max + " " + c.ticks);
      type(Scale::kMin, c.min);
      type(Scale::kMax, c.max);
      type(Scale::kTicks, c.ticks);
      backend.ExpectMessage(c.refusal, shell::MessageAnswer::kOk, "Graph Scale");
      backend.PressButton(dialog, c.ticks == "5" ? Scale::kOk : Scale::kApply);
      EXPECT_TRUE(backend.Exists(dialog));
    }
    EXPECT_TRUE(applied.empty());
    type(Scale::kMin, " -2.5 ");
    type(Scale::kMax, "1e2");
    type(Scale::kTicks, "0");
    backend.SetChecked(backend.ControlOf(dialog, Scale::kAutoScale), false);
    backend.PressButton(dialog, Scale::kApply);
    EXPECT_TRUE(backend.Exists(dialog)) << "Apply leaves the dialog open";
    backend.PressButton(dialog, Scale::kCancel);
  });
  dialogs.GraphScale(document, TdvGraphAxis::kVertical, current, apply);
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_EQ(applied[0].first, TdvGraphAxis::kHorizontal);
  const TdvAxisSetting& setting = applied[0].second;
  EXPECT_EQ(setting.min, -2.5);
  EXPECT_EQ(setting.max, 100.0);
  EXPECT_EQ(setting.ticks, 0);
  EXPECT_FALSE(setting.autoScale);
}

}  // namespace
