#pragma once

#include <optional>
#include <string>

// The real number a text holds when the whole text is one finite number
// (spaces around it allowed); none for anything else ("", "3 m", "1e999").
std::optional<double> ReadNumberText(const std::string& text);
