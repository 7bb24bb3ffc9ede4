#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kinovex::cli {

// The quantity codes of a --quantities list: entries separated by commas,
// each a code ("8") or a quantity's short or full name ("x-vel.",
// "x-velocity"). None when an entry names no quantity; `error` says which.
std::optional<std::vector<int>> ParseQuantityList(const std::string& list, std::string& error);

}  // namespace kinovex::cli
