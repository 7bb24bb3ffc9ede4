#include "shell/string_table.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

struct StringEntry {
  int id;
  const char* text;
};

constexpr StringEntry kStringTable[] = {
#include "shell/string_table_entries.inc"
};

}  // namespace

std::string LoadResourceString(int id) {
  auto found = std::find_if(std::begin(kStringTable), std::end(kStringTable),
                            [id](const StringEntry& entry) { return entry.id == id; });
  return found == std::end(kStringTable) ? std::string() : std::string(found->text);
}

std::vector<std::string> SplitAtCommas(const std::string& text) {
  std::vector<std::string> items;
  if (text.empty()) {
    return items;
  }
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string::npos) {
      items.push_back(text.substr(start));
      return items;
    }
    items.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
}
