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
         "  kinovex-cli track MOVIE --at TIME:X,Y [--until TIME] [--template N]\n"
         "                    [--threshold S] [-o FILE]\n"
         "  kinovex-cli track DOC.kvx --series NAME [--from TIME] [--until TIME]\n"
         "                    [--template N] [--threshold S] [--movie PATH] -o OUT.kvx\n"
         "  kinovex-cli --help | --version\n"
         "\n"
         "  info      size, time scale, duration, frame count and codec of a movie\n"
         "  frames    the start time of every frame, in time units and in seconds\n"
         "  frame     the frame shown at TIME (time units, or seconds as in 1.5s) as PNG\n"
         "  export    a saved analysis as tab-separated text (standard output without -o)\n"
         "  resave    a saved analysis read and written again in the current file version\n"
         "  graph     a graph window of a saved analysis as a PNG or SVG picture\n"
         "  track     follows an object through a movie from a point at a time (one line\n"
         "            per frame: time in s, x and y in pixels from the top-left corner,\n"
         "            score), or a series of a saved analysis from its first datum (or\n"
         "            --from), saving the result; --until before the start tracks back\n"
         "\n"
         "  --movie PATH       the movie to use when the document's own is not found\n"
         "  --quantities LIST  quantities exported for every series, as codes or short\n"
         "                     names separated by commas (x-vel.,y-accel.)\n"
         "  --window N         the N-th graph window of the document (the first without it)\n"
         "  --size WxH         the picture's size in pixels (the window's size without it)\n"
         "  --template N       side of the square template in pixels (without it, fitted\n"
         "                     to the object around the start point)\n"
         "  --threshold S      lowest match score that counts as found (default 0.7)\n"
         "\n"
         "Exit status: 0 success, 1 wrong usage, 2 input that cannot be used.\n";
}

void PrintVersion(std::ostream& out) {
  out << "kinovex-cli (Kinovex 2.1), document files of version 2 1 2\n";
}

}  // namespace kinovex::cli
