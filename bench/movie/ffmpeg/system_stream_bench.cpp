// Jumps in an MPEG transport stream against the same content in Matroska,
// whose index leads a seek straight to the keyframe, and the plain
// sequential loop that decodes every frame once. Wall-clock times: decoding
// runs on two threads.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "baseline_player.h"
#include "bench_movies.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/ffmpeg/movie_memory.h"

namespace kinovex::bench {
namespace {

[[maybe_unused]] const bool memoryTuned = (SetMovieMemoryOptions(), true);

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr int kSteps = 240;
constexpr std::size_t kLastKey = 250;  // keyframes every 250 frames

std::unique_ptr<TdvVideoMovie> OpenMovie(const std::string& path) {
  TdvFfmpegVideoLibrary library;
  return std::move(library.VideoOpen(path, nullptr).movie);
}

// Each jump opens the movie afresh (untimed), so that no cached frame and
// no decoder position helps it. Targets lie before the last keyframe: the
// transport stream's open has decoded its last GOP already.
void RandomJumps(benchmark::State& state, const char* extension) {
  const std::string path = MovieOf(kWidth, kHeight, extension);
  std::mt19937 random(11);
  TdvVideoImage image;
  for (auto _ : state) {
    state.PauseTiming();
    auto movie = OpenMovie(path);
    const auto& times = movie->VideoFrameTimes();
    const MovieTime time =
        times[std::uniform_int_distribution<std::size_t>(0, kLastKey - 1)(random)];
    state.ResumeTiming();
    if (!movie->VideoFrameImage(time, image)) {
      state.SkipWithError("no picture");
      return;
    }
  }
}

void BM_RandomJump_Mkv(benchmark::State& state) {
  RandomJumps(state, "mkv");
}
void BM_RandomJump_Ts(benchmark::State& state) {
  RandomJumps(state, "ts");
}

void BM_StepForward_Ts(benchmark::State& state) {
  const std::string path = MovieOf(kWidth, kHeight, "ts");
  TdvVideoImage image;
  for (auto _ : state) {
    state.PauseTiming();
    auto movie = OpenMovie(path);
    state.ResumeTiming();
    for (int i = 0; i < kSteps; ++i) {
      movie->VideoFrameImage(movie->VideoFrameTimes()[i], image);
    }
  }
  state.SetItemsProcessed(state.iterations() * kSteps);
}

void BM_PlainLoop_Ts(benchmark::State& state) {
  const std::string path = MovieOf(kWidth, kHeight, "ts");
  for (auto _ : state) {
    state.PauseTiming();
    auto player = std::make_unique<BaselinePlayer>(path);
    state.ResumeTiming();
    for (int i = 0; i < kSteps; ++i) {
      player->NextPicture();
    }
  }
  state.SetItemsProcessed(state.iterations() * kSteps);
}

void BM_Open_Ts(benchmark::State& state) {
  const std::string path = MovieOf(kWidth, kHeight, "ts");
  for (auto _ : state) {
    benchmark::DoNotOptimize(OpenMovie(path));
  }
}

BENCHMARK(BM_RandomJump_Mkv)->Iterations(24)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomJump_Ts)->Iterations(24)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepForward_Ts)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainLoop_Ts)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open_Ts)->Iterations(10)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kinovex::bench
