#pragma once

#include <cstdint>
#include <vector>

#include "movie_generator.h"

namespace kinovex::testing {

// Draws one frame of a test movie as RGB: dark background, the frame code,
// the ball at its place and the scale bar along the bottom, with what the
// recipe adds to make the ball harder to follow.
void PaintTestPicture(const TestMovieRecipe& request, int frameNumber, double seconds,
                      std::vector<std::uint8_t>& rgb);

}  // namespace kinovex::testing
