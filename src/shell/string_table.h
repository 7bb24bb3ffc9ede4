#pragma once

#include <string>
#include <vector>

// The program's table of resource strings, looked up by id; an unknown id
// gives the empty text.
std::string LoadResourceString(int id);

// Splits an entry at its commas into items, in order; the last item ends at
// the end of the text. An empty text has no items.
std::vector<std::string> SplitAtCommas(const std::string& text);
