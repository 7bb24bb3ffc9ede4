// Drawing the items over one frame of a long analysis: 10 tracked points
// over 10 000 frames each, every one leaving trails, drawn into a headless
// 640 by 480 movie picture.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "../bench_frame.h"
#include "document/data_object_window.h"
#include "document/movie_link.h"
#include "model/point_series.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

constexpr int kPoints = 10;
constexpr int kFrames = 10000;
constexpr int kFrameStep = 20;

// The document's own window stands in for the movie window: a 640 by 480
// picture at its natural size.
class BenchMovie : public TdvMovieLink {
 public:
  int NaturalHeight() const override { return 480; }
  void RedrawMovie() override {}
  std::optional<TdvRect> WindowRect() const override { return std::nullopt; }
  TdvWindow* Window() override { return window; }
  TdvPoint ToWindow(const TdvPoint& units) const override {
    return TdvPoint{units.x / 2, -units.y / 2};
  }
  TdvRect PictureRect() const override { return TdvRect{0, 0, 640, 480}; }
  TdvPoint MovieUnitsSize() const override { return TdvPoint{1280, 960}; }

  TdvWindow* window = nullptr;
};

class Fixture {
 public:
  Fixture() {
    shell_.Keep(std::make_unique<BenchFrame>())->OpenWindow();
    document = shell_.Keep(std::make_unique<TdvDataObjectWindow>());
    document->OpenWindow();
    document->WinSetClientSize(shell::Size{640, 480});
    movie_.window = document;
    document->AttachMovie(&movie_);
    std::vector<std::int32_t> times;
    for (int i = 0; i < kFrames; ++i) {
      times.push_back(i * kFrameStep);
    }
    document->SetTimeBase(600, times);
    TdvDataObjectWindow::recalculateOnChange = false;
    for (int p = 0; p < kPoints; ++p) {
      std::int32_t id = document->ObjectNewObject(kItemPoint, "Point S" + std::to_string(p + 1));
      auto* point = static_cast<TdvDataPoint*>(document->GetItem(id));
      // Tosses across the picture, some leaving it at the top.
      for (int i = 0; i < kFrames; ++i) {
        double t = static_cast<double>(i) / kFrames;
        int x = static_cast<int>(1280 * t);
        int y = -900 + static_cast<int>((1100 + 40 * p) * 4 * t * (1 - t));
        point->TakeData(x, y, i * kFrameStep);
      }
      point->SetTrails(1);
    }
    TdvDataObjectWindow::recalculateOnChange = true;
    document->SelectItem(document->ItemOrder().back(), 0);
  }

  TdvDataObjectWindow* document = nullptr;
  shell::HeadlessBackend backend_;

 private:
  TdvShell shell_{backend_};
  BenchMovie movie_;
};

void BM_DrawItemsWithTrails(benchmark::State& state) {
  Fixture fixture;
  TdvDataObjectWindow& document = *fixture.document;
  std::int32_t time = (kFrames / 2) * kFrameStep;
  std::size_t operations = 0;
  for (auto _ : state) {
    document.BeginUpdate();
    document.DrawItemsAt(time);
    document.EndUpdate();
    state.PauseTiming();
    operations = fixture.backend_.Drawing().size();
    fixture.backend_.ClearDrawing();
    state.ResumeTiming();
  }
  state.counters["operations"] = static_cast<double>(operations);
}
BENCHMARK(BM_DrawItemsWithTrails)->Unit(benchmark::kMillisecond);

}  // namespace
