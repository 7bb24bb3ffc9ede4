#include "foundation/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

std::optional<double> ReadNumberText(const std::string& text) {
  const char* start = text.c_str();
  char* end = nullptr;
  const double value = std::strtod(start, &end);
  while (std::isspace(static_cast<unsigned char>(*end)) != 0) {
    ++end;
  }
  if (end == start || *end != '\0' || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}
