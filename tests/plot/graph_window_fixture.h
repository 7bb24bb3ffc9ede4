#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "../document/document_fixture.h"
#include "kinematics/data_table.h"
#include "kinematics/data_value_group.h"
#include "plot/graph_window.h"
#include "plot/graph_window_opener.h"

// Dialogs that keep what the window hands them, for the test to answer as
// the user would.
class ScriptedGraphDialogs : public TdvGraphDialogs {
 public:
  void PlotSeries(TdvWindow&, TdvDataObjectWindow&,
                  std::function<void(const TdvPlotChoice&)> add) override {
    addPlot = std::move(add);
  }
  void ChangePlot(TdvWindow&, TdvDataObjectWindow&, TdvGraphAxis axis,
                  std::function<void(const TdvPlotQuantity&, bool)> change) override {
    changedAxis = axis;
    changePlot = std::move(change);
  }

  // The chooser answers at once with `chosenStyle`.
  void ChooseMarker(TdvWindow&, const TdvPlotStyle&,
                    std::function<void(const TdvPlotStyle&)> apply) override {
    ++markerChoosers;
    apply(chosenStyle);
  }

  std::function<void(const TdvPlotChoice&)> addPlot;
  TdvPlotStyle chosenStyle;
  int markerChoosers = 0;
  std::function<void(const TdvPlotQuantity&, bool)> changePlot;
  TdvGraphAxis changedAxis = TdvGraphAxis::kHorizontal;
};

// A document whose point "Ball" flies a parabola over frames of 1/30 s
// from a fixed origin, with its movie window, and a graph window of 480 by 346 pixels made by
// New Graph: y position against time.
class GraphWindowTest : public DocumentTest {
 protected:
  static constexpr std::int32_t kFrameStep = 20;
  static constexpr int kY = 3;
  static constexpr int kX = 2;

  void OpenGraph(int frames) {
    doc = NewDocument();
    const std::vector<std::int32_t> keys = EvenFrameKeys(frames, kFrameStep);
    doc->SetTimeBase(600, keys);
    TdvDataObjectWindow::recalculateOnChange = false;
    auto* origin = static_cast<TdvDataPoint*>(doc->GetItem(doc->DefaultOrigin()));
    origin->SetSampleType(kFixed);
    origin->TakeData(0, 0, 0);
    ball = AddPoint(*doc, "Ball");
    for (int i = 0; i < frames; ++i) {
      ball->TakeData(2 * i, i * (20 - i), keys[static_cast<std::size_t>(i)]);
    }
    TdvDataObjectWindow::recalculateOnChange = true;
    doc->SetGraphOpener(&opener);
    doc->AttachMovie(&movie);
    doc->RecalculateAll();
    doc->DoCommand(704);
    ASSERT_TRUE(dialogs.addPlot);
    dialogs.addPlot({{TdvDataTable::kTimeSeries, 1}, {{ball->GetId(), kY}}});
    window = LastGraphWindow();
    ASSERT_NE(window, nullptr);
    backend.Resize(window->hwnd, {480, 346});
    backend.RunPosted();
  }

  TdvGraphWindow* LastGraphWindow() {
    TdvGraphWindow* found = nullptr;
    for (shell::WindowHandle child : backend.Children(frame->hwnd)) {
      if (auto* graph = dynamic_cast<TdvGraphWindow*>(shell.Find(child))) {
        found = graph;
      }
    }
    return found;
  }

  // Where the point of frame index i of the first plot of graph is drawn.
  shell::Point PointOf(int i, std::size_t graph = 0) {
    const TdvGraphObject& shown = *window->Stack().Graphs()[graph];
    const TdvHorizontalAxis& horizontal = window->Stack().horizontal;
    const TdvPlotFrame plotFrame{shown.plotArea, horizontal.axis, horizontal.pixelsPerUnit,
                                 shown.axis, shown.pixelsPerUnit};
    const double t = i * kFrameStep / 600.0;
    return plotFrame.ToPixel(t, shown.Plots().front()->Group()->GetValue(i * kFrameStep).value());
  }

  void Click(shell::Point point, shell::Modifiers modifiers = {}) {
    backend.MouseDown(window->hwnd, point, modifiers);
    backend.MouseUp(window->hwnd, point, modifiers);
    backend.RunPosted();
  }

  ScriptedGraphDialogs dialogs;
  TdvGraphWindowOpener opener{{0, 0, 400, 300}, dialogs};
  ShowingMovie movie;
  TdvDataObjectWindow* doc = nullptr;
  TdvDataPoint* ball = nullptr;
  TdvGraphWindow* window = nullptr;
};
