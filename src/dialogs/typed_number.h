#pragma once

#include <optional>
#include <string>

class TdvWindow;

// The real number a user typed (as ReadNumberText) when it is greater than
// zero; none otherwise.
std::optional<double> ReadPositiveNumber(const std::string& text);

// Tells the user what is wrong with the window's field `id` and puts the
// focus back on it.
void RefuseField(TdvWindow& window, int id, const std::string& message);

// The number in the window's edit field `id`, or none after telling the
// user what is wrong and putting the focus back on the field.
std::optional<double> TakePositiveNumber(TdvWindow& window, int id);
// Any finite number in the field, or none after telling the user.
std::optional<double> TakeNumber(TdvWindow& window, int id);

// `value` as shown with 4 significant digits, read back: what the user
// sees in the dialogs.
double RoundToFourDigits(double value);
