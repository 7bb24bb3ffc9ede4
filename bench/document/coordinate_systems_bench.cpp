// One repaint of the coordinate-systems window listing 200 items in four
// coordinate systems, on the headless backend's pixel surface.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "../bench_frame.h"
#include "document/data_object_window.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

constexpr int kItems = 200;
constexpr int kOrigins = 3;

void BM_CoordinateSystemsRepaint(benchmark::State& state) {
  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  shell.Keep(std::make_unique<BenchFrame>())->OpenWindow();
  TdvDataObjectWindow* doc = shell.Keep(std::make_unique<TdvDataObjectWindow>());
  doc->OpenWindow();
  backend.Resize(doc->hwnd, {420, 700});
  std::int32_t origins[kOrigins];
  for (int i = 0; i < kOrigins; ++i) {
    origins[i] = doc->ObjectNewObject(kItemPoint, "Origin " + std::to_string(i + 2));
    doc->GetItem(origins[i])->SetOrigin(1);
  }
  for (int i = 0; i < kItems - kOrigins; ++i) {
    std::int32_t id = doc->ObjectNewObject(kItemPoint, "Point " + std::to_string(i));
    doc->GetItem(id)->SetOriginId(origins[i % kOrigins]);
  }
  backend.RunPosted();
  for (auto _ : state) {
    backend.Paint(doc->hwnd);
  }
  backend.RunPosted();
}

BENCHMARK(BM_CoordinateSystemsRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
