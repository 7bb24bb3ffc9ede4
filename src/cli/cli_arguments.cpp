#include "cli/cli_arguments.h"

#include "cli/quantity_list.h"
#include "tracking/point_tracker.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>

namespace kinovex::cli {
namespace {

enum Option : unsigned {
  kOutputOption = 1,
  kMovieOption = 2,
  kQuantitiesOption = 4,
  kWindowOption = 8,
  kSizeOption = 16,
  kTrackOptions = 32,
};

// The words of the options that take a value beside the request's own
// fields, checked once every word is read.
struct OptionWords {
  std::optional<std::string> quantities;
  std::optional<std::string> window;
  std::optional<std::string> size;
  std::optional<std::string> templateSize;
  std::optional<std::string> threshold;
};

struct CommandShape {
  CliCommand command;
  std::size_t operands;
  unsigned options;
};

const std::map<std::string, CommandShape>& Commands() {
  static const std::map<std::string, CommandShape> commands = {
      {"info", {CliCommand::kInfo, 1, 0}},
      {"frames", {CliCommand::kFrames, 1, 0}},
      {"frame", {CliCommand::kFrame, 2, kOutputOption}},
      {"export", {CliCommand::kExport, 1, kOutputOption | kMovieOption | kQuantitiesOption}},
      {"resave", {CliCommand::kResave, 2, kMovieOption}},
      {"graph",
       {CliCommand::kGraph, 1, kOutputOption | kMovieOption | kWindowOption | kSizeOption}},
      {"track", {CliCommand::kTrack, 1, kOutputOption | kMovieOption | kTrackOptions}},
  };
  return commands;
}

// A whole number written with digits only.
std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0])) || error != std::errc() ||
      end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

CliParse Wrong(std::string error) {
  CliParse parse;
  parse.error = std::move(error);
  return parse;
}

// The field an option fills, or none when the command does not take it.
std::optional<std::string>* OptionField(CliRequest& request, OptionWords& words,
                                        const std::string& word, unsigned allowed) {
  if (word == "-o" && (allowed & kOutputOption)) {
    return &request.output;
  }
  if (word == "--movie" && (allowed & kMovieOption)) {
    return &request.movie;
  }
  if (word == "--quantities" && (allowed & kQuantitiesOption)) {
    return &words.quantities;
  }
  if (word == "--window" && (allowed & kWindowOption)) {
    return &words.window;
  }
  if (word == "--size" && (allowed & kSizeOption)) {
    return &words.size;
  }
  if ((allowed & kTrackOptions) == 0) {
    return nullptr;
  }
  const std::pair<const char*, std::optional<std::string>*> trackFields[] = {
      {"--at", &request.at},
      {"--series", &request.series},
      {"--from", &request.from},
      {"--until", &request.until},
      {"--template", &words.templateSize},
      {"--threshold", &words.threshold},
  };
  for (const auto& [name, field] : trackFields) {
    if (word == name) {
      return field;
    }
  }
  return nullptr;
}

// The two forms of track: a movie with a start point, or a document with a
// series; the options of one do not belong to the other.
std::string TrackFormError(const CliRequest& request) {
  if (request.series) {
    if (request.at) {
      return "track takes --at with a movie, --series with a document: not both";
    }
    if (!request.output) {
      return "track DOC.kvx --series NAME needs -o OUT.kvx";
    }
    return "";
  }
  if (!request.at) {
    return "track needs --at TIME:X,Y (a movie) or --series NAME (a document)";
  }
  if (request.from || request.movie) {
    return std::string("track MOVIE does not take ") + (request.from ? "--from" : "--movie");
  }
  return "";
}

// Whole numbers and numbers the track options take; the message when wrong.
std::string ReadTrackNumbers(const OptionWords& words, CliRequest& request) {
  if (words.templateSize) {
    const std::string& text = *words.templateSize;
    const std::optional<int> size = WholeNumber(text);
    if (!size || *size < kinovex::kMinTemplateSize || *size > kinovex::kMaxTemplateSize) {
      return "--template takes a whole number of pixels from " +
             std::to_string(kinovex::kMinTemplateSize) + " to " +
             std::to_string(kinovex::kMaxTemplateSize) + ", not \"" + text + "\"";
    }
    request.templateSize = *size;
  }
  if (words.threshold) {
    double score = 0;
    const std::string& text = *words.threshold;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), score);
    if (error != std::errc() || end != text.data() + text.size() || !(score > 0 && score <= 1)) {
      return "--threshold takes a score greater than 0 and at most 1, not \"" + text + "\"";
    }
    request.threshold = score;
  }
  return "";
}

}  // namespace

CliParse ParseArguments(const std::vector<std::string>& args) {
  if (args.empty()) {
    return Wrong("no command given");
  }
  CliRequest request;
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    request.command = CliCommand::kHelp;
    return args.size() == 1 ? CliParse{request, ""} : Wrong("--help takes nothing after it");
  }
  if (args[0] == "--version") {
    request.command = CliCommand::kVersion;
    return args.size() == 1 ? CliParse{request, ""} : Wrong("--version takes nothing after it");
  }
  auto found = Commands().find(args[0]);
  if (found == Commands().end()) {
    return Wrong("unknown command \"" + args[0] + "\"");
  }
  const CommandShape& shape = found->second;
  request.command = shape.command;
  OptionWords words;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word.size() > 1 && word[0] == '-' && !std::isdigit(static_cast<unsigned char>(word[1]))) {
      std::optional<std::string>* field = OptionField(request, words, word, shape.options);
      if (field == nullptr) {
        return Wrong(args[0] + " does not take the option " + word);
      }
      if (field->has_value()) {
        return Wrong("the option " + word + " is given twice");
      }
      if (i + 1 == args.size()) {
        return Wrong("the option " + word + " needs a value");
      }
      *field = args[++i];
      continue;
    }
    request.operands.push_back(word);
  }
  if (request.operands.size() != shape.operands) {
    return Wrong(args[0] + " takes " + std::to_string(shape.operands) + " file or value argument" +
                 (shape.operands == 1 ? "" : "s") + ", not " +
                 std::to_string(request.operands.size()));
  }
  if (request.command == CliCommand::kFrame && !request.output) {
    return Wrong("frame needs -o FILE.png");
  }
  if (request.command == CliCommand::kTrack) {
    std::string error = TrackFormError(request);
    if (error.empty()) {
      error = ReadTrackNumbers(words, request);
    }
    if (!error.empty()) {
      return Wrong(error);
    }
  }
  if (request.command == CliCommand::kGraph && !request.output) {
    return Wrong("graph needs -o FILE.png or -o FILE.svg");
  }
  if (words.window) {
    const std::optional<int> window = WholeNumber(*words.window);
    if (!window || *window < 1) {
      return Wrong("--window takes the number of a graph window, from 1");
    }
    request.window = *window;
  }
  if (words.size) {
    const std::size_t x = words.size->find('x');
    const std::optional<int> width = WholeNumber(words.size->substr(0, x));
    const std::optional<int> height =
        x == std::string::npos ? std::nullopt : WholeNumber(words.size->substr(x + 1));
    if (!width || !height) {
      return Wrong("--size takes the width and height in pixels, as 800x600");
    }
    request.size = {*width, *height};
  }
  if (words.quantities) {
    std::string error;
    std::optional<std::vector<int>> codes = ParseQuantityList(*words.quantities, error);
    if (!codes) {
      return Wrong(error);
    }
    request.quantities = std::move(*codes);
  }
  return CliParse{request, ""};
}

std::optional<int> ParseMovieTime(const std::string& text, int timeScale) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (!text.empty() && text.back() == 's') {
    double seconds = 0;
    auto [end, error] = std::from_chars(first, last - 1, seconds);
    if (error != std::errc() || end != last - 1 || !std::isfinite(seconds)) {
      return std::nullopt;
    }
    double units = std::nearbyint(seconds * timeScale);
    if (units < std::numeric_limits<int>::min() || units > std::numeric_limits<int>::max()) {
      return std::nullopt;
    }
    return static_cast<int>(units);
  }
  int units = 0;
  auto [end, error] = std::from_chars(first, last, units);
  if (error != std::errc() || end != last || text.empty()) {
    return std::nullopt;
  }
  return units;
}

}  // namespace kinovex::cli
