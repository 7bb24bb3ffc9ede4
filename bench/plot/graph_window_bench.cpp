// A graph window over a long analysis: the y position of one point on
// 100 000 frames against time, a slow swing with a few pixels of noise,
// its points joined by a line.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "../bench_frame.h"
#include "document/data_object_window.h"
#include "model/point_series.h"
#include "plot/graph_window.h"
#include "plot/graph_window_opener.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

constexpr int kFrames = 100000;
constexpr int kFrameStep = 20;
constexpr std::int32_t kTimeSeries = -31;
constexpr int kTime = 1;
constexpr int kY = 3;

// Opens the window as New Graph does, without asking.
class ImmediateDialogs : public TdvGraphDialogs {
 public:
  void PlotSeries(TdvWindow&, TdvDataObjectWindow&,
                  std::function<void(const TdvPlotChoice&)> add) override {
    add(choice);
  }
  TdvPlotChoice choice;
};

// A headless program with the document and its graph window.
class Fixture {
 public:
  Fixture() {
    document_ = OpenBenchDocument(shell_, backend_, kFrames, kFrameStep);
    TdvDataObjectWindow::recalculateOnChange = false;
    auto* origin = static_cast<TdvDataPoint*>(document_->GetItem(document_->DefaultOrigin()));
    origin->SetSampleType(kFixed);
    origin->TakeData(0, 0, 0);
    const std::int32_t id = document_->ObjectNewObject(kItemPoint, "Ball");
    auto* ball = static_cast<TdvDataPoint*>(document_->GetItem(id));
    for (int i = 0; i < kFrames; ++i) {
      ball->TakeData(i / 100, static_cast<int>(400 * std::sin(i * 3e-4)) + (i * 7919) % 5,
                     i * kFrameStep);
    }
    TdvDataObjectWindow::recalculateOnChange = true;
    document_->RecalculateAll();
    dialogs_.choice = {{kTimeSeries, kTime}, {{id, kY}}};
    document_->SetGraphOpener(&opener_);
    document_->NewGraph();
    for (shell::WindowHandle child : backend_.Children(TdvShell::Get().Frame()->hwnd)) {
      if (auto* graph = dynamic_cast<TdvGraphWindow*>(shell_.Find(child))) {
        window = graph;
      }
    }
    backend_.Resize(window->hwnd, {800, 500});
    backend_.RunPosted();
  }

  void Paint() {
    backend_.ClearDrawing();
    backend_.Paint(window->hwnd);
  }

  TdvGraphWindow* window = nullptr;
  TdvDataObjectWindow* document_ = nullptr;

 private:
  shell::HeadlessBackend backend_;
  TdvShell shell_{backend_};
  ImmediateDialogs dialogs_;
  TdvGraphWindowOpener opener_{{0, 0, 800, 600}, dialogs_};
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

// One repaint of the whole window, 800 by 500 pixels.
void BM_RepaintGraphOf100000Points(benchmark::State& state) {
  Fixture& fixture = Shared();
  for (auto _ : state) {
    fixture.Paint();
  }
}
BENCHMARK(BM_RepaintGraphOf100000Points)->Unit(benchmark::kMillisecond);

// The data changed: both axes chosen again over every value, then the
// repaint.
void BM_RedrawGraphOf100000PointsAfterDataChange(benchmark::State& state) {
  Fixture& fixture = Shared();
  for (auto _ : state) {
    fixture.window->Redraw();
    fixture.Paint();
  }
}
BENCHMARK(BM_RedrawGraphOf100000PointsAfterDataChange)->Unit(benchmark::kMillisecond);

// The movie steps one frame: the mark leaves the old point for the new.
void BM_MoveCurrentFrameMark(benchmark::State& state) {
  Fixture& fixture = Shared();
  fixture.Paint();
  std::int32_t frame = 0;
  for (auto _ : state) {
    frame = (frame + 1) % kFrames;
    fixture.document_->CurrentTimeChanged(frame * kFrameStep);
  }
}
BENCHMARK(BM_MoveCurrentFrameMark)->Unit(benchmark::kMicrosecond);

}  // namespace
