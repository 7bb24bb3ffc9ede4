#pragma once

#include <string>

// r² as the fit and model labels show it: 3 significant digits. A value
// below 1 that would round up to "1.00" shows "0.999" instead, so that only
// a perfect fit reads as one; a value within the arithmetic's rounding of 1
// is a perfect fit.
std::string FormatRSquaredValue(double rSquared);
