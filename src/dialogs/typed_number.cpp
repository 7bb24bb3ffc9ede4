#include "dialogs/typed_number.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "foundation/format_significant.h"
#include "shell/shell.h"
#include "shell/window.h"

namespace {

constexpr const char* kNotPositive = "Please enter a number greater than 0.";

}  // namespace

std::optional<double> ReadPositiveNumber(const std::string& text) {
  const char* start = text.c_str();
  char* end = nullptr;
  const double value = std::strtod(start, &end);
  while (std::isspace(static_cast<unsigned char>(*end)) != 0) {
    ++end;
  }
  if (end == start || *end != '\0' || !std::isfinite(value) || value <= 0.0) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> TakePositiveNumber(TdvWindow& window, int id) {
  std::optional<double> value = ReadPositiveNumber(window.GetControlText(id));
  if (!value) {
    TdvShell::Get().Message(shell::MessageKind::kInformation, kNotPositive, window.title);
    window.WinSetFocusControl(id);
  }
  return value;
}

double RoundToFourDigits(double value) {
  return std::strtod(FormatSignificant(value, 4, false).c_str(), nullptr);
}
