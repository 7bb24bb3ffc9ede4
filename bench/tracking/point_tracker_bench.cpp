#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "movie_generator.h"
#include "picture_painter.h"
#include "tracking/point_tracker.h"

namespace {

using kinovex::testing::BallSpot;

constexpr int kLap = 32;  // frames of one turn of the ball

// A ball going round a circle once every kLap frames on a textured
// background, so that the pictures can be tracked over and over.
kinovex::testing::TestMovieRecipe Circling(int width, int height, int ballRadius) {
  kinovex::testing::TestMovieRecipe recipe;
  recipe.width = width;
  recipe.height = height;
  recipe.ballRadius = ballRadius;
  recipe.texturedBackground = true;
  recipe.ball = [](double frame) {
    const double angle = 2 * std::numbers::pi * frame / kLap;
    return BallSpot{320 + 100 * std::cos(angle), 240 + 100 * std::sin(angle)};
  };
  return recipe;
}

// Matching alone: decoded pictures in memory, a template of the given side
// a little wider than the ball, and a search three times as wide; the
// picture's size should not matter.
void BM_TrackDecodedPictures(benchmark::State& state) {
  const int side = static_cast<int>(state.range(2));
  const kinovex::testing::TestMovieRecipe recipe =
      Circling(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), (side - 7) / 2);
  std::vector<std::vector<std::uint8_t>> frames(kLap);
  for (int i = 0; i < kLap; ++i) {
    kinovex::testing::PaintTestPicture(recipe, 0, i, frames[i]);
  }
  auto picture = [&](int i) {
    return kinovex::TrackingPicture{frames[i % kLap].data(), recipe.width, recipe.height,
                                    recipe.width * 3};
  };
  const BallSpot start = recipe.ball(0);
  auto tracker = kinovex::PointTracker::Start(
      picture(0), {start.x, start.y}, kinovex::TrackerSettings{side, 3 * side + 18, 0.7, 0.3});
  int frame = 1;
  int lost = 0;
  for (auto _ : state) {
    const kinovex::TrackResult result = tracker->Track(picture(frame++));
    lost += !result.Found();
  }
  if (lost > 0) {
    state.SkipWithError("the ball was lost");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TrackDecodedPictures)
    ->Args({640, 480, 21})
    ->Args({1920, 1080, 21})
    ->Args({1920, 1080, 63})
    ->Args({1920, 1080, 41})
    ->MeasureProcessCPUTime();

}  // namespace
