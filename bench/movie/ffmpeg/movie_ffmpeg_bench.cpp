// The FFmpeg movie library against plain libav* loops on the same movies:
// opening (the frame list), stepping forward, stepping backward and random
// jumps. Times are wall-clock: decoding runs on two threads. Each benchmark
// first runs its work once untimed, so that both sides are measured with
// the process's frame memory in place (first use of fresh memory is very
// slow on virtual machines that lazily back guest memory).
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <vector>

#include "baseline_player.h"
#include "bench_movies.h"
#include "cpu_meter.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/ffmpeg/movie_memory.h"

namespace kinovex::bench {
namespace {

// The heap settings a program makes in its main(), before any movie opens.
[[maybe_unused]] const bool memoryTuned = (SetMovieMemoryOptions(), true);

constexpr int kForwardSteps = 240;
constexpr int kBackSteps = 100;
constexpr std::size_t kBackStepStart = 200;
// The frame before the second keyframe: the longest decode after a seek.
constexpr std::size_t kLongestSeek = 249;

const std::string& Movie(int height, const char* extension = "mp4") {
  static std::map<std::string, std::string> movies;
  const std::string key = std::to_string(height) + extension;
  auto found = movies.find(key);
  if (found == movies.end()) {
    found = movies.emplace(key, MovieOf(height * 16 / 9, height, extension)).first;
  }
  return found->second;
}

std::unique_ptr<TdvVideoMovie> OpenMovie(const std::string& path) {
  TdvFfmpegVideoLibrary library;
  auto result = library.VideoOpen(path, nullptr);
  return std::move(result.movie);
}

void OpenWithLibrary(benchmark::State& state, const std::string& path) {
  CpuMeter meter(state);
  for (auto _ : state) {
    meter.Start();
    auto movie = OpenMovie(path);
    meter.Stop();
    if (!movie) {
      state.SkipWithError("cannot open");
      return;
    }
    state.counters["frames"] = static_cast<double>(movie->VideoFrameTimes().size());
  }
}

void OpenReadingPackets(benchmark::State& state, const std::string& path) {
  CpuMeter meter(state);
  for (auto _ : state) {
    meter.Start();
    BaselinePlayer player(path);
    const auto frames = player.ReadAllPackets();
    meter.Stop();
    state.counters["frames"] = static_cast<double>(frames);
  }
}

void BM_Open_Library_Mp4(benchmark::State& state) {
  OpenWithLibrary(state, Movie(1080));
}
void BM_Open_Baseline_Mp4(benchmark::State& state) {
  OpenReadingPackets(state, Movie(1080));
}
void BM_Open_Library_Mkv(benchmark::State& state) {
  OpenWithLibrary(state, Movie(1080, "mkv"));
}
void BM_Open_Baseline_Mkv(benchmark::State& state) {
  OpenReadingPackets(state, Movie(1080, "mkv"));
}
void BM_Open_Library_HourMp4(benchmark::State& state) {
  OpenWithLibrary(state, HourLongMovie());
}
void BM_Open_Baseline_HourMp4(benchmark::State& state) {
  OpenReadingPackets(state, HourLongMovie());
}

void StepForward(TdvVideoMovie& movie, TdvVideoImage& image) {
  for (int i = 0; i < kForwardSteps; ++i) {
    movie.VideoFrameImage(movie.VideoFrameTimes()[i], image);
  }
}

void BM_StepForward_Library(benchmark::State& state) {
  const std::string& path = Movie(static_cast<int>(state.range(0)));
  TdvVideoImage image;
  StepForward(*OpenMovie(path), image);
  CpuMeter meter(state);
  for (auto _ : state) {
    state.PauseTiming();
    auto movie = OpenMovie(path);
    state.ResumeTiming();
    meter.Start();
    StepForward(*movie, image);
    meter.Stop();
  }
  state.SetItemsProcessed(state.iterations() * kForwardSteps);
}

void StepForward(BaselinePlayer& player) {
  for (int i = 0; i < kForwardSteps; ++i) {
    player.NextPicture();
  }
}

void BM_StepForward_Baseline(benchmark::State& state) {
  const std::string& path = Movie(static_cast<int>(state.range(0)));
  StepForward(*std::make_unique<BaselinePlayer>(path));
  CpuMeter meter(state);
  for (auto _ : state) {
    state.PauseTiming();
    auto player = std::make_unique<BaselinePlayer>(path);
    state.ResumeTiming();
    meter.Start();
    StepForward(*player);
    meter.Stop();
  }
  state.SetItemsProcessed(state.iterations() * kForwardSteps);
}

// The user has jumped into the middle of the long GOP and steps back.
void StepBackward(TdvVideoMovie& movie, TdvVideoImage& image) {
  for (int i = 1; i <= kBackSteps; ++i) {
    movie.VideoFrameImage(movie.VideoFrameTimes()[kBackStepStart - i], image);
  }
}

void BM_StepBackward_Library(benchmark::State& state) {
  const std::string& path = Movie(static_cast<int>(state.range(0)));
  TdvVideoImage image;
  {
    auto movie = OpenMovie(path);
    movie->VideoFrameImage(movie->VideoFrameTimes()[kBackStepStart], image);
    StepBackward(*movie, image);
  }
  CpuMeter meter(state);
  for (auto _ : state) {
    state.PauseTiming();
    auto movie = OpenMovie(path);
    movie->VideoFrameImage(movie->VideoFrameTimes()[kBackStepStart], image);
    state.ResumeTiming();
    meter.Start();
    StepBackward(*movie, image);
    meter.Stop();
  }
  state.SetItemsProcessed(state.iterations() * kBackSteps);
}

std::vector<std::size_t> JumpTargets() {
  std::mt19937 random(11);
  std::uniform_int_distribution<std::size_t> pick(0, 299);
  std::vector<std::size_t> targets;
  for (int i = 0; i < 16; ++i) {
    targets.push_back(pick(random));
  }
  return targets;
}

void BM_RandomJump_Library(benchmark::State& state) {
  const std::string& path = Movie(static_cast<int>(state.range(0)));
  const auto targets = JumpTargets();
  TdvVideoImage image;
  {
    auto movie = OpenMovie(path);
    movie->VideoFrameImage(movie->VideoFrameTimes()[kLongestSeek], image);
  }
  std::size_t next = 0;
  CpuMeter meter(state);
  for (auto _ : state) {
    state.PauseTiming();
    auto movie = OpenMovie(path);
    const MovieTime time = movie->VideoFrameTimes()[targets[next++ % targets.size()]];
    state.ResumeTiming();
    meter.Start();
    movie->VideoFrameImage(time, image);
    meter.Stop();
  }
}

void BM_RandomJump_Baseline(benchmark::State& state) {
  const std::string& path = Movie(static_cast<int>(state.range(0)));
  const auto targets = JumpTargets();
  const auto times = OpenMovie(path)->VideoFrameTimes();
  BaselinePlayer(path).SeekAndDecode(times[kLongestSeek]);
  std::size_t next = 0;
  CpuMeter meter(state);
  for (auto _ : state) {
    state.PauseTiming();
    auto player = std::make_unique<BaselinePlayer>(path);
    // The generated movies start at time 0, so frame times are timestamps.
    const std::int64_t pts = times[targets[next++ % targets.size()]];
    state.ResumeTiming();
    meter.Start();
    player->SeekAndDecode(pts);
    meter.Stop();
  }
}

#define KINOVEX_MOVIE_BENCH(name, iterations) \
  BENCHMARK(name)                             \
      ->Arg(720)                              \
      ->Arg(1080)                             \
      ->Iterations(iterations)                \
      ->UseRealTime()                         \
      ->Unit(benchmark::kMillisecond)

BENCHMARK(BM_Open_Library_Mp4)->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open_Baseline_Mp4)->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open_Library_Mkv)->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open_Baseline_Mkv)->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open_Library_HourMp4)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open_Baseline_HourMp4)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
KINOVEX_MOVIE_BENCH(BM_StepForward_Library, 3);
KINOVEX_MOVIE_BENCH(BM_StepForward_Baseline, 3);
KINOVEX_MOVIE_BENCH(BM_StepBackward_Library, 3);
KINOVEX_MOVIE_BENCH(BM_RandomJump_Library, 16);
KINOVEX_MOVIE_BENCH(BM_RandomJump_Baseline, 16);

}  // namespace
}  // namespace kinovex::bench
