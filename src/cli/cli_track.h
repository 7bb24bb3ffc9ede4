#pragma once

#include <ostream>

#include "cli/cli_arguments.h"
#include "cli/cli_session.h"

namespace kinovex::cli {

// track MOVIE --at TIME:X,Y: one line per frame tracked, from the start
// frame on: the frame's start in seconds, x and y in picture pixels (origin
// at the picture's top-left corner, y downwards) and the match score,
// separated by tabs. --until before the start tracks backwards. Where the
// object is lost the lines end, a message says where, and the exit status
// is 2.
int TrackMovie(CliSession& session, const CliRequest& request, std::ostream& out,
               std::ostream& errors);

// track DOC.kvx --series NAME: tracks the series from --from (or from its
// first datum) as the program does, and saves the document as -o names it;
// where the object is lost what was found is saved, a message says where,
// and the exit status is 2.
int TrackDocument(CliSession& session, const CliRequest& request, std::ostream& errors);

}  // namespace kinovex::cli
