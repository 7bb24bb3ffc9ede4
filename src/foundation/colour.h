#pragma once

#include <cstdint>

// An RGB colour packed as red | green << 8 | blue << 16.
using TdvColour = std::uint32_t;

constexpr TdvColour MakeColour(int red, int green, int blue) {
  return static_cast<TdvColour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int RedOf(TdvColour c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(TdvColour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(TdvColour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

// Colours are stored as small codes (two bits per channel: red + 4 green +
// 16 blue, with white as 255) and turned into RGB only for drawing. For a
// code that has no colour, out keeps what the caller put there and the
// answer is false.
bool ColourFromCode(TdvColour& out, unsigned code);

// The colour code a marker colour index (0 to 7: red, yellow, green, cyan,
// blue, magenta, grey, white) is drawn with; 0 (black) for any other index.
unsigned MarkerColourCode(int index);
// The marker colour index of a colour code, or -1 when no index has it.
int MarkerColourIndex(unsigned code);

// Each channel is percent * 0.01 * 255, truncated and kept to its low 8 bits.
void ColourFromPercent(TdvColour& out, float redPercent, float greenPercent, float bluePercent);
