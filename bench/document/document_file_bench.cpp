// Saving and reopening a document of 20 tracked points over 10 000 frames
// (200 000 data), the size of a long analysis.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "../bench_frame.h"
#include "document/data_object_window.h"
#include "document/file_parser.h"
#include "model/point_series.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

constexpr int kPoints = 20;
constexpr int kFrames = 10000;
constexpr int kFrameStep = 20;

// A headless program holding one large document saved in a scratch folder.
class Fixture {
 public:
  Fixture() {
    frame_ = shell_.Keep(std::make_unique<BenchFrame>());
    frame_->OpenWindow();
    folder_ =
        std::filesystem::temp_directory_path() / ("kinovex-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    std::string movie = (folder_ / "clip.mov").string();
    std::FILE* file = std::fopen(movie.c_str(), "wb");
    if (file != nullptr) {
      std::fclose(file);
    }
    document = shell_.Keep(std::make_unique<TdvDataObjectWindow>());
    document->OpenWindow();
    std::vector<std::int32_t> times;
    for (int i = 0; i < kFrames; ++i) {
      times.push_back(i * kFrameStep);
    }
    document->SetTimeBase(600, times);
    document->hasMovie = true;
    document->moviePath = movie;
    document->movieName = "clip.mov";
    for (int p = 0; p < kPoints; ++p) {
      std::int32_t id = document->ObjectNewObject(kItemPoint, "Point S" + std::to_string(p + 1));
      auto* point = static_cast<TdvDataPoint*>(document->GetItem(id));
      for (int i = 0; i < kFrames; ++i) {
        point->TakeData(100 + p * 10 + i % 300, -100 - i % 200, i * kFrameStep);
      }
    }
    where = TdvFileLocation::FromPath((folder_ / "large.kvx").string());
    document->SetLocation(where, true);
  }

  ~Fixture() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  TdvShell& Shell() { return shell_; }

  TdvDataObjectWindow* document = nullptr;
  TdvFileLocation where;

 private:
  shell::HeadlessBackend backend_;
  TdvShell shell_{backend_};
  BenchFrame* frame_ = nullptr;
  std::filesystem::path folder_;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_SaveDocument(benchmark::State& state) {
  Fixture& fixture = Shared();
  for (auto _ : state) {
    if (!fixture.document->Save(false)) {
      state.SkipWithError("save failed");
      break;
    }
  }
  state.counters["data"] = kPoints * kFrames;
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);

void BM_ReopenDocument(benchmark::State& state) {
  Fixture& fixture = Shared();
  fixture.document->Save(false);
  for (auto _ : state) {
    TdvFileParser parser;
    TdvDataObjectWindow* reopened = parser.Parse(fixture.where);
    if (reopened == nullptr || reopened->ItemCount() != kPoints + 1) {
      state.SkipWithError("reopen failed");
      break;
    }
    state.PauseTiming();
    reopened->modified = false;
    reopened->CloseWindow();
    fixture.Shell().FreeDestroyed();
    state.ResumeTiming();
  }
  state.counters["data"] = kPoints * kFrames;
}
BENCHMARK(BM_ReopenDocument)->Unit(benchmark::kMillisecond);

}  // namespace
