#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "foundation/angles.h"
#include "series_fixture.h"

namespace {

constexpr double kTolerance = 1e-9;

// End A (id 1) lies 100 units to the right of the vertex (id 2) on every
// frame; end B (id 3) is placed by each test.
class AngleTest : public SeriesTest {
 protected:
  AngleTest() : angle(Add<TdvCalculatedAngle>(10, "Ang")) {
    AddPoint(1, "A", 300, -200, 0, kFixed);
    AddPoint(2, "V", 200, -200, 0, kFixed);
    Add<TdvDataPoint>(3, "B");
  }

  // B placed at (dx, dy) from the vertex on frame.
  void PlaceB(std::int32_t dx, std::int32_t dy, std::int32_t frame = 100) {
    static_cast<TdvDataPoint*>(doc.items[3])->TakeData(200 + dx, -200 + dy, frame);
  }

  double AngleAt(std::int32_t frame) {
    double value = -1.0;
    EXPECT_TRUE(angle.ComputeAngle(value, frame)) << "frame " << frame;
    return value;
  }

  TdvCalculatedAngle& angle;
};

TEST_F(AngleTest, TheAngleTurnsCounterClockwiseFromEndAToEndB) {
  Include(angle, {1, 2, 3});
  PlaceB(0, 100);  // straight above the vertex
  EXPECT_NEAR(AngleAt(100), kHalfPi, kTolerance);
  PlaceB(-100, 0);
  EXPECT_NEAR(AngleAt(100), kPi, kTolerance);
  PlaceB(0, -100);
  EXPECT_NEAR(AngleAt(100), 3 * kHalfPi, kTolerance);
  PlaceB(100, 100);
  EXPECT_NEAR(AngleAt(100), kPi / 4, kTolerance);
  PlaceB(100, -100);
  EXPECT_NEAR(AngleAt(100), kTwoPi - kPi / 4, kTolerance);
  PlaceB(50, 0);  // along end A
  EXPECT_EQ(AngleAt(100), 0.0);
  PlaceB(0, 0);  // an end on the vertex counts as straight down
  EXPECT_NEAR(AngleAt(100), 3 * kHalfPi, kTolerance);
}

TEST_F(AngleTest, SwappingTheEndsGivesTheRestOfTheTurn) {
  PlaceB(0, 100);
  Include(angle, {3, 2, 1});
  EXPECT_NEAR(AngleAt(100), 3 * kHalfPi, kTolerance);
  PlaceB(-100, -100);
  // B at 225 degrees: from B to A is 135 degrees counter-clockwise.
  EXPECT_NEAR(AngleAt(100), 3 * kPi / 4, kTolerance);
}

// A deleted end leaves its place empty, so that a new item chosen for that
// end does not shift the others into the wrong roles.
TEST_F(AngleTest, EveryEndMustBeChosenAndPlacedAndKeepsItsPlace) {
  EXPECT_EQ(Included(angle), std::vector<std::int32_t>(3, kEmptyInputRef));
  double value = 0.0;
  EXPECT_FALSE(angle.ComputeAngle(value, 100));
  PlaceB(0, 100);
  Include(angle, {1, 2, kEmptyInputRef});
  EXPECT_FALSE(angle.ComputeAngle(value, 100));
  Include(angle, {1, 2});
  EXPECT_FALSE(angle.ComputeAngle(value, 100));
  Include(angle, {1, 2, 3});
  EXPECT_FALSE(angle.ComputeAngle(value, 200));  // B not placed there
  angle.RemoveIncluded(2);
  EXPECT_EQ(Included(angle), (std::vector<std::int32_t>{1, kEmptyInputRef, 3}));
  EXPECT_FALSE(angle.ComputeAngle(value, 100));
}

// An end B going round the vertex past a full turn in steps of at most 135
// degrees, read in each angle range as the reporting code reads it.
TEST_F(AngleTest, TheRawAngleFollowsEachRangeWithoutJumps) {
  Include(angle, {1, 2, 3});
  const std::int32_t dx[] = {100, 0, -100, 0, 100};
  const std::int32_t dy[] = {0, 100, 100, -100, 100};
  for (int i = 0; i < 5; ++i) {
    PlaceB(dx[i], dy[i], 100 * i);
  }
  auto report = [&](int range) {
    angle.SetAngleRange(static_cast<std::uint8_t>(range));
    std::vector<double> degrees;
    double previous = 0.0;
    for (int i = 0; i < 5; ++i) {
      previous = NormalizeAngle(AngleAt(100 * i), previous, angle.GetAngleRange());
      degrees.push_back(std::round(RadToDeg(previous)));
    }
    return degrees;
  };
  EXPECT_EQ(report(kAngleRangeSymmetric), (std::vector<double>{0, 90, 135, -90, 45}));
  EXPECT_EQ(report(kAngleRangePositive), (std::vector<double>{0, 90, 135, 270, 45}));
  EXPECT_EQ(report(kAngleRangeContinuous), (std::vector<double>{0, 90, 135, 270, 405}));
}

}  // namespace
