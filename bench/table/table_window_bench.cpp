// The data table window over a long analysis: 100 000 frames, the time
// column and 20 tracked points (40 columns of positions).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "../bench_frame.h"
#include "document/data_object_window.h"
#include "model/point_series.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"
#include "table/table_window.h"
#include "table/table_window_opener.h"

namespace {

constexpr int kPoints = 20;
constexpr int kFrames = 100000;
constexpr int kFrameStep = 20;

// A headless program with the document and its table window.
class Fixture {
 public:
  Fixture() {
    document_ = OpenBenchDocument(shell_, backend_, kFrames, kFrameStep);
    TdvDataObjectWindow::recalculateOnChange = false;
    for (int p = 0; p < kPoints; ++p) {
      std::int32_t id = document_->ObjectNewObject(kItemPoint, "Point S" + std::to_string(p + 1));
      auto* point = static_cast<TdvDataPoint*>(document_->GetItem(id));
      for (int i = 0; i < kFrames; ++i) {
        point->TakeData(100 + p * 10 + i % 300, -100 - i % 200, i * kFrameStep);
      }
    }
    TdvDataObjectWindow::recalculateOnChange = true;
    document_->RecalculateAll();
    document_->SetTableOpener(&opener_);
    document_->ShowTableWindow();
    window = static_cast<TdvTableWindow*>(document_->TableWindow());
  }

  void Resize(int width, int height) { backend_.Resize(window->hwnd, {width, height}); }

  void Paint() {
    backend_.ClearDrawing();
    backend_.Paint(window->hwnd);
  }

  TdvTableWindow* window = nullptr;

 private:
  shell::HeadlessBackend backend_;
  TdvShell shell_{backend_};
  TdvDataObjectWindow* document_ = nullptr;
  TdvTableWindowOpener opener_{{0, 0, 800, 600}};
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

// One repaint of the visible part, scrolled to the middle of the table,
// for a window of the given client size.
void BM_RepaintVisiblePart(benchmark::State& state) {
  Fixture& fixture = Shared();
  fixture.Resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  fixture.window->DoScroll(TdvTableWindow::kVerticalBar, shell::kScrollThumb, kFrames / 2);
  for (auto _ : state) {
    fixture.Paint();
  }
}
BENCHMARK(BM_RepaintVisiblePart)->Args({400, 300})->Args({800, 600})->Unit(benchmark::kMillisecond);

// Copy Data of ten whole columns: the time, then nine of the positions.
void BM_CopyTenColumns(benchmark::State& state) {
  Fixture& fixture = Shared();
  fixture.window->ClearSelections();
  const TdvTableLayout& layout = fixture.window->Layout();
  for (std::size_t column = 0; column < 10; ++column) {
    layout.columns[column].column->wholeColumn = true;
  }
  for (auto _ : state) {
    std::string text = fixture.window->SelectionText();
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_CopyTenColumns)->Unit(benchmark::kMillisecond);

}  // namespace
