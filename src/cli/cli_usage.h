#pragma once

#include <ostream>

namespace kinovex::cli {

void PrintUsage(std::ostream& out);
void PrintVersion(std::ostream& out);

}  // namespace kinovex::cli
