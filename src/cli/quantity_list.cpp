#include "cli/quantity_list.h"

#include <charconv>
#include <sstream>

#include "kinematics/quantity_table.h"

namespace kinovex::cli {
namespace {

constexpr int kFirstQuantity = kQuantityTime;
constexpr int kLastQuantity = kQuantityNetForceDirection;

// Directions of vectors have no names but are quantities all the same.
bool IsQuantity(int code) {
  return code >= kFirstQuantity && code <= kLastQuantity;
}

std::optional<int> QuantityOf(const std::string& entry) {
  int code = 0;
  auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), code);
  if (error == std::errc() && end == entry.data() + entry.size()) {
    return IsQuantity(code) ? std::optional<int>(code) : std::nullopt;
  }
  for (int candidate = kFirstQuantity; candidate <= kLastQuantity; ++candidate) {
    std::string shortName;
    std::string fullName;
    QuantityName(shortName, candidate, true);
    QuantityName(fullName, candidate, false);
    if (!fullName.empty() && (entry == shortName || entry == fullName)) {
      return candidate;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<int>> ParseQuantityList(const std::string& list, std::string& error) {
  std::vector<int> codes;
  std::istringstream entries(list);
  std::string entry;
  while (std::getline(entries, entry, ',')) {
    std::optional<int> code = QuantityOf(entry);
    if (!code) {
      error = "\"" + entry + "\" is no quantity code or name";
      return std::nullopt;
    }
    codes.push_back(*code);
  }
  if (codes.empty()) {
    error = "--quantities names no quantity";
    return std::nullopt;
  }
  return codes;
}

}  // namespace kinovex::cli
