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

}  // namespace
