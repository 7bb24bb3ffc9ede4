#include "foundation/colour.h"

#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

int PercentToChannel(float percent) {
  double level = percent * 0.01 * 255;
  // Keeps the conversion defined for absurd inputs; any sane percentage is
  // far inside this bound.
  if (!std::isfinite(level) || std::fabs(level) > 1e15) {
    return 0;
  }
  return static_cast<int>(static_cast<std::int64_t>(level) & 0xFF);
}

constexpr unsigned kMarkerColourCodes[] = {3, 15, 12, 46, 48, 51, 42, 255};
constexpr int kMarkerColourCount = static_cast<int>(std::size(kMarkerColourCodes));

}  // namespace

unsigned MarkerColourCode(int index) {
  return index >= 0 && index < kMarkerColourCount ? kMarkerColourCodes[index] : 0;
}

int MarkerColourIndex(unsigned code) {
  for (int index = 0; index < kMarkerColourCount; ++index) {
    if (kMarkerColourCodes[index] == code) {
      return index;
    }
  }
  return -1;
}

bool ColourFromCode(TdvColour& out, unsigned code) {
  switch (code) {
    case 0:
      out = MakeColour(0, 0, 0);
      return true;
    case 3:
      out = MakeColour(255, 0, 0);
      return true;
    case 12:
      out = MakeColour(0, 255, 0);
      return true;
    case 48:
      out = MakeColour(0, 0, 255);
      return true;
    case 15:
      out = MakeColour(255, 255, 0);
      return true;
    case 51:
      out = MakeColour(255, 0, 255);
      return true;
    case 60:
      out = MakeColour(0, 255, 255);
      return true;
    case 255:
      out = MakeColour(255, 255, 255);
      return true;
    // The two swatches that once came from the display palette get fixed
    // colours that read as their two-bit codes: 42 (level 2 in every
    // channel) a mid grey, 21 (level 1 in every channel) a dark grey.
    case 42:
      out = MakeColour(170, 170, 170);
      return true;
    case 21:
      out = MakeColour(85, 85, 85);
      return true;
    case 16:
      ColourFromPercent(out, 30, 100, 30);
      return true;
    case 46:
      ColourFromPercent(out, 80, 80, 88);
      return true;
    case 6:
      ColourFromPercent(out, 93, 93, 93);
      return true;
    default:
      return false;
  }
}

void ColourFromPercent(TdvColour& out, float redPercent, float greenPercent, float bluePercent) {
  out = MakeColour(PercentToChannel(redPercent), PercentToChannel(greenPercent),
                   PercentToChannel(bluePercent));
}
