#pragma once

#include <vector>

#include "shell/gfx_types.h"

class TdvGraphStack;

// The parts of a graph window a click or the status line tells apart.
enum class TdvGraphArea {
  kNone,
  kPlot,
  kLegend,
  kMinimum,  // the lowest tick label of a graph's vertical axis
  kMaximum,
  kModel,  // the label band of the model
  kFit,
  kVerticalScale,  // the other tick labels
  kVerticalTitle,
  kHorizontalMinimum,
  kHorizontalMaximum,
  kHorizontalScale,
  kHorizontalTitle,
  kReadout,
  kLock,
};

// One graph's parts in client pixels. Label bands and the legend are
// empty when the graph has no model, fit or shown legend.
struct TdvGraphParts {
  shell::Rect area;
  shell::Rect plot;
  shell::Rect model;
  shell::Rect fit;
  shell::Rect legend;
  shell::Rect minimum;
  shell::Rect maximum;
  shell::Rect scale;  // the strip of tick labels left of the plot
  shell::Rect title;  // the vertical axis title, left of the tick labels
};

// Where everything of a graph window is for one size: drawing and the
// mouse both read it. The horizontal axis strip lies below the last graph:
// tick labels first, then the readout (lock and text) and the axis title.
struct TdvGraphLayout {
  std::vector<TdvGraphParts> graphs;
  shell::Rect strip;
  shell::Rect horizontalMinimum;
  shell::Rect horizontalMaximum;
  shell::Rect horizontalScale;
  shell::Rect horizontalTitle;
  shell::Rect readout;
  shell::Rect lock;
};

struct TdvGraphHit {
  TdvGraphArea area = TdvGraphArea::kNone;
  int graph = -1;  // the graph hit, -1 in the horizontal axis strip
};

// The graphs must have been placed for `client` (the stack's rescale).
TdvGraphLayout LayOutGraphWindow(const TdvGraphStack& stack, shell::Size client);
TdvGraphHit HitGraphWindow(const TdvGraphLayout& layout, shell::Point point);

// Height of a legend line, and of the lines of the horizontal strip.
inline constexpr int kGraphLegendLine = 16;
inline constexpr int kGraphStripLine = 16;
