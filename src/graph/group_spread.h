#pragma once

class TdvDataValueGroup;

// Least, greatest and mean value of a group, as the axes see it.
struct TdvGroupSpread {
  double minimum = -5.0;
  double maximum = 5.0;
  double mean = 0.0;
};

// A group with one value v spreads from v - 5 to v + 5 around v, so that an
// axis can still be drawn around it; an empty group or none spreads from -5
// to 5 around 0.
TdvGroupSpread SpreadOf(const TdvDataValueGroup* group);

// Smoothed values, and values computed from them, scatter less than the
// data they come from; their axis is widened so that the scatter left does
// not fill the graph.
bool IsSmoothed(const TdvDataValueGroup* group);
