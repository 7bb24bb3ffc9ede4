#include "tracking/object_size.h"

#include <gtest/gtest.h>

#include <vector>

#include "movie_generator.h"
#include "picture_painter.h"

namespace kinovex {
namespace {

using testing::BallSpot;
using testing::TestMovieRecipe;

// The outline of a still ball is found from a click at its centre or a
// little off it, also on noise and on a textured background.
TEST(ObjectSizeTest, FindsTheBallsOutlineAroundTheClick) {
  struct Case {
    int radius;
    double noise;
    bool textured;
    double clickOffset;
  };
  const Case cases[] = {{4, 0, false, 0}, {6, 8, false, 1.5}, {6, 0, true, 2},
                        {16, 8, true, 3}, {24, 0, false, 4},  {40, 8, false, 6}};
  for (const Case c : cases) {
    SCOPED_TRACE(::testing::Message() << "radius " << c.radius << ", noise " << c.noise
                                      << (c.textured ? ", textured" : ""));
    TestMovieRecipe recipe;
    recipe.width = 320;
    recipe.height = 240;
    recipe.ballRadius = c.radius;
    recipe.noiseSigma = c.noise;
    recipe.texturedBackground = c.textured;
    recipe.ball = [](double) { return BallSpot{150.3, 110.6}; };
    std::vector<std::uint8_t> rgb;
    testing::PaintTestPicture(recipe, 0, 0, rgb);
    const TrackingPicture picture{rgb.data(), 320, 240, 320 * 3};
    const std::optional<double> radius =
        OutlineRadius(picture, {150.3 + c.clickOffset, 110.6 - c.clickOffset / 2});
    ASSERT_TRUE(radius);
    EXPECT_NEAR(*radius, c.radius, 1.0 + c.clickOffset / 2);
  }
}

TEST(ObjectSizeTest, APlainPictureKeepsTheFallbackSize) {
  const std::vector<std::uint8_t> grey(320 * 240, 90);
  const TrackingPicture picture{grey.data(), 320, 240, 320, 1};
  EXPECT_EQ(TemplateSizeAround(picture, {100, 100}, 25), 25);
}

}  // namespace
}  // namespace kinovex
