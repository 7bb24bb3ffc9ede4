#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "kinematics/derivative.h"
#include "kinematics/quantity_table.h"
#include "table_fixture.h"

namespace {

constexpr std::int32_t kBall = 1;

class DerivativeTest : public TableFixture {
 protected:
  // Data points x(frame) on the given frames; y stays 0.
  template <typename F>
  void Track(const std::vector<std::int32_t>& frames, F x) {
    FakeSeries& ball = Series(kBall);
    for (std::int32_t frame : frames) {
      ball.points[frame] = {x(doc.FrameTime(frame)), 0.0};
    }
    Build();
  }
  void Track(const std::map<std::int32_t, double>& xs) {
    for (const auto& [frame, x] : xs) {
      Series(kBall).points[frame] = {x, 0.0};
    }
    Build();
  }
};

TEST_F(DerivativeTest, FourPointsExtrapolateBothEndsAndGiveNoAcceleration) {
  Track({0, 1, 2, 3}, [](double t) { return std::sin(10.0 * t); });
  const TdvDataValueGroup& velocity = Shown(kBall, kQuantityXVelocity);
  ASSERT_EQ(FramesOf(velocity.Values()), (std::vector<std::int32_t>{0, 1, 2, 3}));
  double v1 = velocity.GetValue(1).value();
  double v2 = velocity.GetValue(2).value();
  EXPECT_EQ(velocity.GetValue(0).value(), 2.0 * v1 - v2);
  EXPECT_EQ(velocity.GetValue(3).value(), 2.0 * v2 - v1);
  EXPECT_TRUE(Shown(kBall, kQuantityXAcceleration).Values().empty());
}

TEST_F(DerivativeTest, QuadraticMotionGivesExactVelocityAtUnequalSteps) {
  const double b = 1.5, c = -3.0;
  std::mt19937 random(7);
  std::vector<std::int32_t> frames;
  for (std::int32_t f = 0; frames.size() < 30; f += 1 + static_cast<int>(random() % 4)) {
    frames.push_back(f);
  }
  Track(frames, [&](double t) { return b * t + c * t * t; });
  const TdvDataValueGroup& velocity = Shown(kBall, kQuantityXVelocity);
  for (std::size_t i = 1; i + 1 < frames.size(); ++i) {
    double t = doc.FrameTime(frames[i]);
    EXPECT_NEAR(velocity.GetValue(frames[i]).value(), b + 2.0 * c * t, 1e-9) << frames[i];
  }
}

TEST_F(DerivativeTest, ZeroTimeStepLeavesOnlyItsOwnValuesOut) {
  doc.times[3] = doc.FrameTime(2);
  std::vector<std::int32_t> frames{1, 2, 3, 4, 5, 6, 7, 8};
  Track(frames, [](double t) { return 2.0 * t; });
  const TdvDataValueGroup& velocity = Shown(kBall, kQuantityXVelocity);
  // The triples centred on 2 and 3 straddle the zero step; the start cannot be
  // extrapolated from them.
  EXPECT_EQ(FramesOf(velocity.Values()), (std::vector<std::int32_t>{4, 5, 6, 7, 8}));
  EXPECT_NEAR(velocity.GetValue(6).value(), 2.0, 1e-9);
  for (const auto& [frame, value] : velocity.Values()) {
    EXPECT_TRUE(std::isfinite(value)) << frame;
  }
}

TEST(SmoothingTest, WeightsTheMiddleAndDropsTwoValuesAtEachEnd) {
  TdvDataValueList smoothed;
  SmoothFull({{0, 1.0}, {1, 2.0}, {2, 3.0}}, smoothed);
  EXPECT_EQ(FramesOf(smoothed), (std::vector<std::int32_t>{0, 1, 2}));
  SmoothFull({{0, 1.0}, {1, 2.0}, {2, 3.0}, {3, 4.0}}, smoothed);
  EXPECT_TRUE(smoothed.empty());
  SmoothFull({{0, 0.0}, {1, 0.0}, {5, 1.0}, {6, 0.0}, {7, 0.0}, {9, 0.0}}, smoothed);
  ASSERT_EQ(FramesOf(smoothed), (std::vector<std::int32_t>{5, 6}));
  EXPECT_DOUBLE_EQ(smoothed.at(5), 0.13);
  EXPECT_DOUBLE_EQ(smoothed.at(6), 0.435);
}

// Random edits of a source list; after each the incremental forms must give
// bitwise what the full forms give.
TEST(IncrementalDerivativeTest, MatchesTheFullComputationAfterEveryEdit) {
  std::mt19937 random(11);
  std::uniform_int_distribution<std::int32_t> frameOf(0, 40);
  std::uniform_real_distribution<double> valueOf(-5.0, 5.0);
  TdvDataValueList time;
  for (std::int32_t f = 0; f <= 40; ++f) {
    time[f] = f / 30.0;
  }
  time[17] = time[16];  // a zero step somewhere in the middle
  TdvDataValueList source, derivative, smoothed;
  for (int edit = 0; edit < 3000; ++edit) {
    std::int32_t frame = frameOf(random);
    if (random() % 3 == 0) {
      source.erase(frame);
    } else {
      source[frame] = valueOf(random);
    }
    TdvChangedFrames sourceChanges, derivativeChanges, smoothedChanges;
    sourceChanges.Add(frame, frame);
    std::size_t oldCount = derivative.size();
    DerivativeUpdate(time, source, sourceChanges, derivative, derivativeChanges);
    if (derivativeChanges.All()) {
      SmoothFull(derivative, smoothed);
    } else {
      SmoothUpdate(derivative, oldCount, derivativeChanges, smoothed, smoothedChanges);
    }
    TdvDataValueList fullDerivative, fullSmoothed;
    DerivativeFull(time, source, fullDerivative);
    SmoothFull(fullDerivative, fullSmoothed);
    ASSERT_TRUE(SameValues(derivative, fullDerivative)) << "edit " << edit;
    ASSERT_TRUE(SameValues(smoothed, fullSmoothed)) << "edit " << edit;
  }
}

TEST(IncrementalSmoothingTest, MatchesTheFullSmoothingAfterEveryEdit) {
  std::mt19937 random(5);
  TdvDataValueList raw, smoothed;
  for (int edit = 0; edit < 3000; ++edit) {
    std::int32_t frame = static_cast<std::int32_t>(random() % (edit < 1500 ? 40 : 8));
    std::size_t oldCount = raw.size();
    if (random() % 3 == 0) {
      raw.erase(frame);
    } else {
      raw[frame] = static_cast<double>(random() % 1000) / 7.0;
    }
    TdvChangedFrames rawChanges, smoothedChanges;
    rawChanges.Add(frame, frame);
    SmoothUpdate(raw, oldCount, rawChanges, smoothed, smoothedChanges);
    TdvDataValueList full;
    SmoothFull(raw, full);
    ASSERT_TRUE(SameValues(smoothed, full)) << "edit " << edit;
  }
}

}  // namespace
