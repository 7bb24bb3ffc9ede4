#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"
#include "movie/ffmpeg/movie_memory.h"

int main(int argc, char** argv) {
  kinovex::SetMovieMemoryOptions();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const kinovex::cli::CliParse parse = kinovex::cli::ParseArguments(args);
  if (!parse.request) {
    std::cerr << "kinovex-cli: " << parse.error << "\nTry 'kinovex-cli --help'.\n";
    return kinovex::cli::kExitUsage;
  }
  return kinovex::cli::RunCommand(*parse.request, std::cout, std::cerr);
}
