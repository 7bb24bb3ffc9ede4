// Tracking the ball of the 1080p H.264 benchmark movie through a document,
// end to end (frames decoded by the movie library, matched, stored as data,
// the table told once), against the movie library decoding the same frames
// alone, to pictures for the screen and without any conversion. The movie
// is opened afresh, untimed, for every pass.
// Decoding runs on two threads: besides wall-clock time each reports the
// CPU time of the whole process, steadier when other work shares the cores.
#include <benchmark/benchmark.h>

#include <memory>

#include "../../bench_frame.h"
#include "bench_movies.h"
#include "cpu_meter.h"
#include "document/data_object_window.h"
#include "document/tracking_run.h"
#include "model/point_series.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/ffmpeg/movie_memory.h"
#include "movie/library_movie.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace kinovex::bench {
namespace {

[[maybe_unused]] const bool memoryTuned = (SetMovieMemoryOptions(), true);

// The ball stays on the picture for these frames of the movie.
constexpr int kFrames = 40;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

const std::string& Movie() {
  static const std::string path = MovieOf(kWidth, kHeight, "mp4");
  return path;
}

// Decoding as the movie window does, to RGB pictures (Arg 0), or only as
// far as the decoder's own pictures, whose grey levels the tracker reads
// (Arg 1).
void BM_DecodeFrames(benchmark::State& state) {
  const bool toRgb = state.range(0) == 0;
  TdvFfmpegVideoLibrary library;
  TdvVideoImage image;
  TdvVideoLuma luma;
  CpuMeter meter(state);
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<TdvVideoMovie> movie = library.VideoOpen(Movie(), nullptr).movie;
    state.ResumeTiming();
    meter.Start();
    for (int i = 0; i < kFrames; ++i) {
      const MovieTime time = movie->VideoFrameTimes()[i];
      benchmark::DoNotOptimize(toRgb ? movie->VideoFrameImage(time, image)
                                     : movie->VideoFrameLuma(time, luma));
    }
    meter.Stop();
  }
  state.SetItemsProcessed(state.iterations() * kFrames);
}

// The ball is clicked on the first frame where the movie maker put it
// (bench_movies.cpp), and the template made wider than the ball.
void BM_TrackFrames(benchmark::State& state) {
  shell::HeadlessBackend backend;
  TdvFfmpegVideoLibrary library;
  TdvLibraryMovieOpener movies(library);
  TdvShell shell(backend);
  shell.Keep(std::make_unique<BenchFrame>())->OpenWindow();
  TdvTrackingChoices choices;
  choices.settings.templateSize = 2 * (kHeight / 40) + 9;
  choices.settings.searchSize = 3 * choices.settings.templateSize;
  CpuMeter meter(state);
  for (auto _ : state) {
    state.PauseTiming();
    auto* document = shell.Keep(std::make_unique<TdvDataObjectWindow>());
    document->OpenWindow();
    movies.OpenMovie(*document, Movie());
    auto* ball = static_cast<TdvDataPoint*>(
        document->GetItem(document->ObjectNewObject(kItemPoint, "Ball")));
    ball->TakeData(2 * kWidth / 10, -2 * kHeight * 8 / 10, 0);
    document->SelectItem(ball->GetId(), 0);
    document->SetDisplayedTime(0);
    choices.lastTime = document->FrameKeys()[kFrames - 1];
    state.ResumeTiming();
    meter.Start();
    if (!document->StartTracking(choices) ||
        document->TrackAll().event != TdvTrackingEvent::kFinished) {
      state.SkipWithError("the ball was not tracked to the last frame");
      return;
    }
    meter.Stop();
    state.PauseTiming();
    document->modified = false;
    document->CloseWindow();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kFrames);
}

BENCHMARK(BM_DecodeFrames)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();
BENCHMARK(BM_TrackFrames)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}  // namespace
}  // namespace kinovex::bench
