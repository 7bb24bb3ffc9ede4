// One click on a long movie against recomputing the clicked series whole:
// a point tracked on 100 000 frames with velocity, acceleration, kinetic
// energy and momentum in use. A click must cost what a few neighbouring
// frames cost, not what the series costs.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "../bench_frame.h"
#include "document/data_object_window.h"
#include "kinematics/data_table.h"
#include "kinematics/data_value_group.h"
#include "kinematics/quantity_table.h"
#include "model/point_series.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

// The ball is tracked on every other frame of the movie, so that a click
// on a frame between can make a new row of the table.
constexpr int kFrames = 100000;
constexpr std::int32_t kFrameStep = 20;
constexpr std::int32_t kClickedFrame = kFrames * kFrameStep;
constexpr std::int32_t kFrameBetween = kClickedFrame + kFrameStep;

// A headless program with one document holding the long series.
class Fixture {
 public:
  Fixture() {
    shell_.Keep(std::make_unique<BenchFrame>())->OpenWindow();
    document = shell_.Keep(std::make_unique<TdvDataObjectWindow>());
    document->OpenWindow();
    std::vector<std::int32_t> keys;
    for (int i = 0; i < 2 * kFrames; ++i) {
      keys.push_back(i * kFrameStep);
    }
    document->SetTimeBase(600, keys);
    static_cast<TdvDataPoint*>(document->GetItem(document->DefaultOrigin()))->TakeData(0, 0, 0);
    std::int32_t id = document->ObjectNewObject(kItemPoint, "Ball");
    ball = static_cast<TdvDataPoint*>(document->GetItem(id));
    // Taking the data is not what is measured: the table follows once.
    TdvDataObjectWindow::recalculateOnChange = false;
    for (int i = 0; i < kFrames; ++i) {
      ball->TakeData(i % 640, -(i * 7) % 480, 2 * i * kFrameStep);
    }
    cart = static_cast<TdvDataPoint*>(
        document->GetItem(document->ObjectNewObject(kItemPoint, "Cart")));
    TdvDataObjectWindow::recalculateOnChange = true;
    document->RecalculateAll();
    for (int quantity : {kQuantityXVelocity, kQuantityYVelocity, kQuantityXAcceleration,
                         kQuantityYAcceleration, kQuantityKineticEnergy, kQuantityMomentum}) {
      document->DataTable().FindGroup(id, quantity)->Use(true);
    }
  }

  TdvDataObjectWindow* document = nullptr;
  TdvDataPoint* ball = nullptr;
  TdvDataPoint* cart = nullptr;

 private:
  shell::HeadlessBackend backend_;
  TdvShell shell_{backend_};
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

// What one click on the movie does: the datum of one frame replaced, the
// document told, the table updated near that frame.
void BM_ClickOnOneFrame(benchmark::State& state) {
  Fixture& fixture = Shared();
  int x = 0;
  for (auto _ : state) {
    fixture.ball->TakeData(300 + (x++ % 2) * 10, -200, kClickedFrame);
  }
  benchmark::DoNotOptimize(
      fixture.document->DataTable().FindGroup(fixture.ball->GetId(), kQuantityKineticEnergy));
}
BENCHMARK(BM_ClickOnOneFrame)->Unit(benchmark::kMicrosecond);

// A click on a frame no series holds data on, and its undoing: the frame
// becomes a row of the table and stops being one.
void BM_ClickOnANewFrameAndClearIt(benchmark::State& state) {
  Fixture& fixture = Shared();
  for (auto _ : state) {
    fixture.cart->TakeData(300, -200, kFrameBetween);
    fixture.cart->ClearFrame(kFrameBetween);
  }
  benchmark::DoNotOptimize(fixture.document->DataTable().AllFrames().size());
}
BENCHMARK(BM_ClickOnANewFrameAndClearIt)->Unit(benchmark::kMicrosecond);

// The table's own share of a click.
void BM_TableOneFrame(benchmark::State& state) {
  Fixture& fixture = Shared();
  std::vector<std::int32_t> affected;
  for (auto _ : state) {
    fixture.document->DataTable().SeriesChanged(fixture.ball->GetId(), kClickedFrame,
                                                TdvDataTable::kOneFrame, affected);
  }
  benchmark::DoNotOptimize(affected.data());
}
BENCHMARK(BM_TableOneFrame)->Unit(benchmark::kMicrosecond);

// The same series recomputed on every frame.
void BM_TableWholeSeries(benchmark::State& state) {
  Fixture& fixture = Shared();
  std::vector<std::int32_t> affected;
  for (auto _ : state) {
    fixture.document->DataTable().SeriesChanged(fixture.ball->GetId(), 0, 0, affected);
  }
  benchmark::DoNotOptimize(affected.data());
}
BENCHMARK(BM_TableWholeSeries)->Unit(benchmark::kMillisecond);

}  // namespace
