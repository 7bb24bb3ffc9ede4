#pragma once

#include <string>

namespace kinovex::testing {

// Adds a QuickTime text item of the four-byte type `type` to the movie's
// user data. The movie box must be the last box of the file (as libavformat
// writes it), so that no sample offset moves.
bool AppendQuickTimeUserText(const std::string& path, const char type[4], const std::string& text,
                             std::string& error);

}  // namespace kinovex::testing
