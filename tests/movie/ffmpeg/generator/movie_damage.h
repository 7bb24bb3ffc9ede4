#pragma once

#include <string>

namespace kinovex::testing {

// Damage done to a generated movie in place, as files arrive from the field.

// Sets the time scale of every box of that type ("mvhd": the movie's,
// "mdhd": each track's) of a QuickTime file to 0.
bool ZeroQuickTimeTimeScale(const std::string& path, const std::string& box);

// Overwrites the picture of frame `frame` (0 is the first) of a Motion-JPEG
// movie with zeros, leaving its packet and every other frame in place.
bool ScrambleJpegFrame(const std::string& path, int frame);

}  // namespace kinovex::testing
