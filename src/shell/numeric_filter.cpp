#include "shell/numeric_filter.h"

bool NumericFilterAccepts(int numericKind, int character) {
  constexpr int kBackspace = 8;
  if (character == kBackspace) {
    return true;
  }
  const bool digit = character >= '0' && character <= '9';
  switch (numericKind) {
    case 1:
      return digit || character == '-' || character == '.';
    case 2:
      return digit || character == '.';
    case 3:
      return digit || character == '-';
    case 4:
      return digit;
    default:
      return true;
  }
}
