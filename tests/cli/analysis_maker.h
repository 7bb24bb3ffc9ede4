#pragma once

#include <string>
#include <vector>

#include "shell/gfx_types.h"

namespace kinovex::testing {

// Makes an analysis of the movie with the document API, as a user of the
// program would (the movie opened for a new document, its origin placed, a
// ball tracked on four frames, a fixed marker) and saves it to docPath. Answers the
// document's export text at the time of saving; empty on failure. Each of
// the graph windows plots the ball's y against time, at kGraphWindowSize.
std::string SaveAnalysis(const std::string& docPath, const std::string& moviePath,
                         int graphWindows = 0);
inline constexpr shell::Size kGraphWindowSize{480, 320};

// The export of the saved analysis as the program makes it after opening
// the file in this process; empty when it does not open.
std::string ReopenedExport(const std::string& docPath);

// The description lines of an export (one per item), sorted: reading a
// file back may list the items in another order.
std::vector<std::string> ItemLines(const std::string& exported);

}  // namespace kinovex::testing
