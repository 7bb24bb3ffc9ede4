#pragma once

#include <ostream>

#include "cli/cli_arguments.h"

namespace kinovex::cli {

// Exit statuses of kinovex-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitUnusableInput = 2;

// Runs one command: results to `out`, messages to `errors`; the exit status.
int RunCommand(const CliRequest& request, std::ostream& out, std::ostream& errors);

}  // namespace kinovex::cli
