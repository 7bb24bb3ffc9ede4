#include "cli/cli_usage.h"

namespace kinovex::cli {

void PrintUsage(std::ostream& out) {
  out << "Usage:\n"
         "  kinovex-cli info MOVIE\n"
         "  kinovex-cli frames MOVIE\n"
         "  kinovex-cli frame MOVIE TIME -o FILE.png\n"
         "  kinovex-cli export DOC.kvx [-o FILE] [--movie PATH] [--quantities LIST]\n"
         "  kinovex-cli resave DOC.kvx OUT.kvx [--movie PATH]\n"
         "  kinovex-cli graph DOC.kvx -o FILE.png|FILE.svg [--window N] [--size WxH]\n"
         "                    [--movie PATH]\n"
         "  kinovex-cli --help | --version\n"
         "\n"
         "  info      size, time scale, duration, frame count and codec of a movie\n"
         "  frames    the start time of every frame, in time units and in seconds\n"
         "  frame     the frame shown at TIME (time units, or seconds as in 1.5s) as PNG\n"
         "  export    a saved analysis as tab-separated text (standard output without -o)\n"
         "  resave    a saved analysis read and written again in the current file version\n"
         "  graph     a graph window of a saved analysis as a PNG or SVG picture\n"
         "\n"
         "  --movie PATH       the movie to use when the document's own is not found\n"
         "  --quantities LIST  quantities exported for every series, as codes or short\n"
         "                     names separated by commas (x-vel.,y-accel.)\n"
         "  --window N         the N-th graph window of the document (the first without it)\n"
         "  --size WxH         the picture's size in pixels (the window's size without it)\n"
         "\n"
         "Exit status: 0 success, 1 wrong usage, 2 input that cannot be used.\n";
}

void PrintVersion(std::ostream& out) {
  out << "kinovex-cli (Kinovex 2.1), document files of version 2 1 2\n";
}

}  // namespace kinovex::cli
