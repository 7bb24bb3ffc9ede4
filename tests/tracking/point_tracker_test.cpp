#include "tracking/point_tracker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "movie_generator.h"
#include "picture_painter.h"

namespace kinovex {
namespace {

using testing::TestMovieRecipe;
using testing::ThrownBall;

constexpr double kFrameSeconds = 1.0 / 30;
constexpr int kFrames = 40;

// A ball tossed up and to the right, moving by fractions of pixels a frame,
// painted in memory; it disappears from frame hiddenFrom on.
struct Movie {
  TestMovieRecipe recipe;
  std::vector<std::vector<std::uint8_t>> rgb;

  Movie(void (*harden)(TestMovieRecipe&), int hiddenFrom) : rgb(kFrames) {
    recipe.width = 320;
    recipe.height = 240;
    recipe.ball = ThrownBall(40.3, 180.6, 143.7, 251.3, 400);
    harden(recipe);
    for (int i = 0; i < kFrames; ++i) {
      TestMovieRecipe drawn = recipe;
      drawn.ball = i < hiddenFrom ? recipe.ball : nullptr;
      testing::PaintTestPicture(drawn, i, i * kFrameSeconds, rgb[i]);
    }
  }
  TrackingPicture Picture(int i) const { return {rgb[i].data(), 320, 240, 320 * 3}; }
  TrackingPoint Truth(int i) const {
    const testing::BallSpot spot = recipe.ball(i * kFrameSeconds);
    return {spot.x, spot.y};
  }
};

// Tracks all frames, backward or forward, from the true place on the first;
// where the tracker asks, answers with the true place as a user would click.
struct Tracked {
  std::vector<TrackingPoint> at = std::vector<TrackingPoint>(kFrames);  // by frame
  std::vector<double> errors;                                           // of the positions found
  std::vector<std::pair<int, TrackStatus>> asked;                       // frame, why
};

Tracked Follow(const Movie& movie, bool backward, const TrackerSettings& settings = {}) {
  auto frame = [&](int i) { return backward ? kFrames - 1 - i : i; };
  auto tracker = PointTracker::Start(movie.Picture(frame(0)), movie.Truth(frame(0)), settings);
  Tracked tracked;
  for (int i = 1; i < kFrames; ++i) {
    const TrackResult result = tracker->Track(movie.Picture(frame(i)));
    const TrackingPoint truth = movie.Truth(frame(i));
    tracked.at[frame(i)] = result.position;
    if (result.Found()) {
      tracked.errors.push_back(
          std::hypot(result.position.x - truth.x, result.position.y - truth.y));
      continue;
    }
    tracked.asked.emplace_back(frame(i), result.status);
    tracker->Resume(movie.Picture(frame(i)), truth, false);
  }
  return tracked;
}

void Clean(TestMovieRecipe&) {}
void NoiseAndBlur(TestMovieRecipe& r) {
  r.noiseSigma = 8;
  r.exposureSeconds = kFrameSeconds / 2;
}

struct Scene {
  const char* name;
  void (*harden)(TestMovieRecipe&);
  int hiddenFrom;
  int asks;
  int firstAsked;   // -1: never
  TrackStatus why;  // of the first ask
  double meanError;
  double worstError;
  int templateSize = TrackerSettings{}.templateSize;
};

const Scene kScenes[] = {
    {"clean", Clean, kFrames, 0, -1, TrackStatus::kFound, 0.3, 1.0},
    {"noise and blur", NoiseAndBlur, kFrames, 0, -1, TrackStatus::kFound, 0.5, 1.0},
    {"changing light", [](TestMovieRecipe& r) { r.brightnessSwing = 0.3; }, kFrames, 0, -1,
     TrackStatus::kFound, 0.3, 1.0},
    {"second ball crossing",
     [](TestMovieRecipe& r) { r.secondBall = ThrownBall(236.1, 102, -150, 0, 0); }, kFrames, 0, -1,
     TrackStatus::kFound, 0.3, 1.0},
    {"striped bar behind", [](TestMovieRecipe& r) { r.stripedBarLeft = 120; }, kFrames, 0, -1,
     TrackStatus::kFound, 0.3, 1.0},
    {"knocked from rest",
     [](TestMovieRecipe& r) {
       r.ball = [](double t) {
         return testing::BallSpot{20 + 600 * std::max(0.0, t - 0.834), 120};
       };
     },
     kFrames, 0, -1, TrackStatus::kFound, 0.3, 1.0},
    {"hidden", Clean, 20, 20, 20, TrackStatus::kLost, 0.3, 1.0},
    {"leaving the picture",
     [](TestMovieRecipe& r) { r.ball = ThrownBall(40.3, 180.6, 300, 251.3, 400); }, kFrames, 12, 28,
     TrackStatus::kOutside, 0.3, 1.0},
    // Large templates are looked for on a shrunk picture first.
    {"large ball", [](TestMovieRecipe& r) { r.ballRadius = 24; }, kFrames, 0, -1,
     TrackStatus::kFound, 0.3, 1.0, 63},
    {"large ball, noise and blur",
     [](TestMovieRecipe& r) {
       r.ballRadius = 16;
       NoiseAndBlur(r);
     },
     kFrames, 0, -1, TrackStatus::kFound, 0.5, 1.0, 45},
};

TEST(PointTrackerTest, FollowsTheBallAndAsksOnlyWhereItIsHiddenOrGone) {
  for (const Scene& scene : kScenes) {
    SCOPED_TRACE(scene.name);
    TrackerSettings settings;
    settings.templateSize = scene.templateSize;
    settings.searchSize = 3 * scene.templateSize + 18;
    const Tracked tracked = Follow(Movie(scene.harden, scene.hiddenFrom), false, settings);
    EXPECT_EQ(static_cast<int>(tracked.asked.size()), scene.asks);
    const auto first =
        tracked.asked.empty() ? std::pair(-1, TrackStatus::kFound) : tracked.asked[0];
    EXPECT_EQ(first, std::pair(scene.firstAsked, scene.why));
    const double sum = std::accumulate(tracked.errors.begin(), tracked.errors.end(), 0.0);
    EXPECT_LE(sum / tracked.errors.size(), scene.meanError);
    EXPECT_LE(*std::max_element(tracked.errors.begin(), tracked.errors.end()), scene.worstError);
  }
}

// Thrown hard, the ball is found on the next picture farther away than an
// ordinary search reaches; a velocity known, the search follows it.
TEST(PointTrackerTest, FindsAFastBallOnTheFirstStep) {
  const Movie movie([](TestMovieRecipe& r) { r.ball = ThrownBall(30.2, 120.4, 1260, 0, 0); },
                    kFrames);
  auto tracker = PointTracker::Start(movie.Picture(0), movie.Truth(0), {});
  for (int i = 1; i <= 5; ++i) {
    const TrackResult result = tracker->Track(movie.Picture(i));
    ASSERT_TRUE(result.Found()) << "frame " << i;
    EXPECT_LE(
        std::hypot(result.position.x - movie.Truth(i).x, result.position.y - movie.Truth(i).y), 1.0)
        << "frame " << i;
  }
}

TEST(PointTrackerTest, BackwardFindsWhatForwardFound) {
  const Movie movie(NoiseAndBlur, kFrames);
  const Tracked forward = Follow(movie, false), backward = Follow(movie, true);
  ASSERT_TRUE(forward.asked.empty() && backward.asked.empty());
  for (int i = 1; i + 1 < kFrames; ++i) {
    const TrackingPoint a = forward.at[i], b = backward.at[i];
    EXPECT_LE(std::hypot(a.x - b.x, a.y - b.y), 0.2) << "frame " << i;
  }
}

}  // namespace
}  // namespace kinovex
