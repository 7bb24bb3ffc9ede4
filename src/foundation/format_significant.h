#pragma once

#include <string>

// Turns a real number into the text the program shows, saves and exports:
// value rounded to `digits` significant digits (half up on its "%f" text),
// in fixed notation, or in "%e" notation when that is strictly shorter and
// fixedOnly is false. Fixed texts are padded with zeros to `digits`
// significant digits and lose a trailing decimal point. Infinities and NaN
// come out as the C library prints them. digits is taken in [1, 64].
std::string FormatSignificant(double value, int digits, bool fixedOnly);
