#include "dialogs/typed_number.h"

#include <cstdlib>

#include "foundation/format_significant.h"
#include "foundation/number_text.h"
#include "shell/shell.h"
#include "shell/window.h"

namespace {

constexpr const char* kNotPositive = "Please enter a number greater than 0.";
constexpr const char* kNotANumber = "Please enter a number.";

std::optional<double> Refuse(TdvWindow& window, int id, const char* message) {
  RefuseField(window, id, message);
  return std::nullopt;
}

}  // namespace

void RefuseField(TdvWindow& window, int id, const std::string& message) {
  TdvShell::Get().Message(shell::MessageKind::kInformation, message, window.title);
  window.WinSetFocusControl(id);
}

std::optional<double> ReadPositiveNumber(const std::string& text) {
  const std::optional<double> value = ReadNumberText(text);
  return value && *value > 0.0 ? value : std::nullopt;
}

std::optional<double> TakePositiveNumber(TdvWindow& window, int id) {
  std::optional<double> value = ReadPositiveNumber(window.GetControlText(id));
  return value ? value : Refuse(window, id, kNotPositive);
}

std::optional<double> TakeNumber(TdvWindow& window, int id) {
  std::optional<double> value = ReadNumberText(window.GetControlText(id));
  return value ? value : Refuse(window, id, kNotANumber);
}

double RoundToFourDigits(double value) {
  return std::strtod(FormatSignificant(value, 4, false).c_str(), nullptr);
}
