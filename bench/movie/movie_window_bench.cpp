// The movie window on generated H.264 movies, headless: one step (frame
// fetch, conversion, scaling and drawing with the status strip) against the
// video library's frame fetch alone, and ten seconds of playback in real
// time counting the frames that were never shown.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include "../bench_frame.h"
#include "bench_movies.h"
#include "cpu_meter.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/ffmpeg/movie_memory.h"
#include "movie/movie_window.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace kinovex::bench {
namespace {

[[maybe_unused]] const bool memoryTuned = (SetMovieMemoryOptions(), true);

constexpr std::size_t kSteps = 240;

// A document that answers with short texts and keeps the frames shown.
class CountingDocument : public TdvMovieDocument {
 public:
  void MovieClick(int, int, const TdvRect&, int) override {}
  void MovieDrag(int, int, int, int, int) override {}
  void MovieMouseUp(int, int, int) override {}
  void MovieDoubleClick(int, int, int) override {}
  void MovieKey(int, int) override {}
  void NudgeSelected(int) override {}
  void ScalePoint(int, int, int) override {}
  void TrackingClick(int, int, bool) override {}
  void DrawItemsAt(std::int32_t) override {}
  std::string CursorReadout(int, int) override { return "x = 0.0  y = 0.0"; }
  std::string SelectedItemLabel(bool& hasData) override {
    hasData = true;
    return "Origin";
  }
  std::string MovieAreaHelp() override { return {}; }
  std::string FrameTimeText(std::int32_t time) override { return std::to_string(time); }
  int FrameIndex(std::int32_t, std::int32_t* = nullptr) const override { return 0; }
  std::string MovieName() const override { return "bench"; }
  bool StepsEveryFrame() const override { return true; }
  std::int32_t StepTime(std::int32_t time, bool) const override { return time; }
  void CurrentTimeChanged(std::int32_t time) override { shown.insert(time); }
  void ControllerStepped() override {}
  void MovieActivated() override {}
  void MovieClosing() override {}
  int MovieDocumentCommand(int) override { return -999; }
  bool CloseDocument() override { return false; }

  std::set<std::int32_t> shown;
};

// A headless program showing one movie at its natural size.
struct ShownMovie {
  explicit ShownMovie(const std::string& path) {
    frame = shell.Keep(std::make_unique<BenchFrame>());
    frame->rect = {0, 0, 4000, 3000};
    frame->OpenWindow();
    window = shell.Keep(std::make_unique<TdvMoovWindow>());
    window->rect = {0, 0, 800, 600};
    window->OpenWindow();
    window->SetDocument(&document);
    TdvFfmpegVideoLibrary library;
    window->MoovSetMoov(library.VideoOpen(path, nullptr).movie);
  }
  ~ShownMovie() { window->ForceClose(); }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  CountingDocument document;
  BenchFrame* frame = nullptr;
  TdvMoovWindow* window = nullptr;
};

// Steps forward through the first frames over and over, going back to the
// first frame untimed, and adds the process CPU time of the timed steps as
// a per-step counter.
void StepForward(benchmark::State& state, const std::function<void(std::size_t)>& showFrame) {
  std::size_t index = 0;
  double paused = 0;
  const double start = ProcessCpuMs();
  for (auto _ : state) {
    if (index == kSteps) {
      state.PauseTiming();
      const double pause = ProcessCpuMs();
      index = 0;
      showFrame(0);
      paused += ProcessCpuMs() - pause;
      state.ResumeTiming();
    }
    showFrame(++index);
  }
  state.counters["process_cpu_ms"] =
      benchmark::Counter(ProcessCpuMs() - start - paused, benchmark::Counter::kAvgIterations);
}

const std::string& Movie1080() {
  static const std::string path = MovieOf(1920, 1080, "mp4");
  return path;
}

void BM_LibraryFrameFetch(benchmark::State& state) {
  TdvFfmpegVideoLibrary library;
  auto movie = library.VideoOpen(Movie1080(), nullptr).movie;
  const auto& times = movie->VideoFrameTimes();
  TdvVideoImage image;
  StepForward(state, [&](std::size_t index) {
    benchmark::DoNotOptimize(movie->VideoFrameImage(times[index], image));
  });
}

void BM_MovieWindowStep(benchmark::State& state) {
  ShownMovie shown(Movie1080());
  StepForward(state, [&](std::size_t index) {
    if (index == 0) {
      shown.window->GoToTime(0);
    } else {
      shown.window->StepFrame(true);
    }
  });
}

// Real-time playback over the whole movie (10 s at 30 frames a second) on
// the controller's 5 ms timer, the way an event loop fires it.
void BM_PlaybackDroppedFrames(benchmark::State& state) {
  const std::string path = MovieOf(1280, 720, "mp4");
  for (auto _ : state) {
    ShownMovie shown(path);
    shown.window->DoCommand(313);  // Play All Frames off: real time
    TdvMovieController& controller = *shown.window->Controller();
    shown.document.shown = {shown.window->frameTimes.front()};  // on screen from the start
    controller.SetPlayRate(1);
    auto tick = std::chrono::steady_clock::now();
    while (controller.PlayRate() != 0) {
      tick += std::chrono::milliseconds(TdvMovieController::kTickMilliseconds);
      std::this_thread::sleep_until(tick);
      shown.backend.FireTimer(shown.window->hwnd, TdvMovieController::kPlayTimer);
    }
    const double frames = static_cast<double>(shown.window->frameTimes.size());
    state.counters["frames"] = frames;
    state.counters["dropped_frames"] = frames - static_cast<double>(shown.document.shown.size());
  }
}

BENCHMARK(BM_LibraryFrameFetch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MovieWindowStep)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlaybackDroppedFrames)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace kinovex::bench
