#pragma once

// Whether an edit field of the given numeric kind takes a typed character:
// 0 everything, 1 digits "-" and ".", 2 digits and ".", 3 digits and "-",
// 4 digits only. Backspace always passes.
bool NumericFilterAccepts(int numericKind, int character);
