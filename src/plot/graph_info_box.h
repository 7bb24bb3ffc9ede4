#pragma once

#include <string>

// The readout below the graphs. Mode 0 shows the cursor's "x:" and "y:",
// mode 1 its "x:" and the plot's "slope:" there, mode 2 the straight line
// from the point last clicked ("A:") to the cursor ("B:") with the
// line's vertical intercept ("int:"). A click on the readout steps to the
// next mode. Locked, it shows the data point closest to the cursor instead
// of the cursor's own position.
struct TdvGraphInfoBox {
  static constexpr int kModes = 3;

  int mode = 0;
  bool locked = false;

  void NextMode() { mode = (mode + 1) % kModes; }
};
