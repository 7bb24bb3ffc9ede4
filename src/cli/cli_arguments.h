#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kinovex::cli {

enum class CliCommand { kHelp, kVersion, kInfo, kFrames, kFrame, kExport, kResave, kGraph, kTrack };

// A command line taken apart. Which fields a command uses is fixed by the
// command; the parser refuses options a command does not take.
struct CliRequest {
  CliCommand command = CliCommand::kHelp;
  std::vector<std::string> operands;
  std::optional<std::string> output;        // -o
  std::optional<std::string> movie;         // --movie
  std::vector<int> quantities;              // --quantities, as codes
  int window = 1;                           // --window, from 1
  std::optional<std::pair<int, int>> size;  // --size, width and height
  // track: the start on a movie (TIME:X,Y) or the series of a document and
  // the time to start from; the time to end at; the tracker's settings.
  std::optional<std::string> at;      // --at
  std::optional<std::string> series;  // --series
  std::optional<std::string> from;    // --from
  std::optional<std::string> until;   // --until
  std::optional<int> templateSize;    // --template, pixels
  std::optional<double> threshold;    // --threshold, 0..1
};

struct CliParse {
  std::optional<CliRequest> request;
  std::string error;  // why the command line is wrong, when there is no request
};

// args are the words after the program's name.
CliParse ParseArguments(const std::vector<std::string>& args);

// A time on the command line: whole time units ("1200") or seconds with an
// "s" after them ("2.5s"), the latter rounded to the nearest unit.
std::optional<int> ParseMovieTime(const std::string& text, int timeScale);

}  // namespace kinovex::cli
