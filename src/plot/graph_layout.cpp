#include "plot/graph_layout.h"

#include <algorithm>

#include "graph/graph_stack.h"

namespace {

constexpr int kTitleWidth = 16;
// Tick labels stand centred on their ticks; an end label's box.
constexpr int kEndLabelHalfHeight = 8;
constexpr int kEndLabelHalfWidth = 30;
constexpr int kReadoutWidth = 260;
constexpr int kLockSize = 14;

bool Inside(const shell::Rect& rect, shell::Point point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

TdvGraphParts PartsOf(const TdvGraphObject& graph) {
  TdvGraphParts parts;
  parts.area = graph.area;
  parts.plot = graph.plotArea;
  int band = graph.area.top;
  if (graph.Model() != nullptr) {
    parts.model = {graph.plotArea.left, band, graph.plotArea.right, band + kGraphLabelBand};
    band += kGraphLabelBand;
  }
  if (graph.Fit() != nullptr) {
    parts.fit = {graph.plotArea.left, band, graph.plotArea.right, band + kGraphLabelBand};
  }
  if (graph.legendShown) {
    const int lines = std::max<int>(1, static_cast<int>(graph.Plots().size()));
    const TdvRect& legend = graph.legendRect;
    const int left = graph.plotArea.left + legend.left;
    const int top = graph.plotArea.top + legend.top;
    parts.legend = {left, top, left + legend.right - legend.left, top + lines * kGraphLegendLine};
  }
  const int labelsLeft = graph.area.left + kTitleWidth;
  parts.title = {graph.area.left, graph.area.top, labelsLeft, graph.area.bottom};
  parts.scale = {labelsLeft, graph.area.top, graph.plotArea.left, graph.area.bottom};
  parts.maximum = {labelsLeft, graph.plotArea.top - kEndLabelHalfHeight, graph.plotArea.left,
                   graph.plotArea.top + kEndLabelHalfHeight};
  parts.minimum = {labelsLeft, graph.plotArea.bottom - kEndLabelHalfHeight, graph.plotArea.left,
                   graph.plotArea.bottom + kEndLabelHalfHeight};
  return parts;
}

}  // namespace

TdvGraphLayout LayOutGraphWindow(const TdvGraphStack& stack, shell::Size client) {
  TdvGraphLayout layout;
  for (const auto& graph : stack.Graphs()) {
    layout.graphs.push_back(PartsOf(*graph));
  }
  const int top = layout.graphs.empty() ? 0 : layout.graphs.back().area.bottom;
  const int plotLeft = layout.graphs.empty() ? kGraphPlotLeft : layout.graphs.front().plot.left;
  const int plotRight = layout.graphs.empty() ? client.width - kGraphPlotRightInset
                                              : layout.graphs.front().plot.right;
  layout.strip = {0, top, client.width, client.height};
  const int labelsBottom = top + kGraphStripLine;
  layout.horizontalScale = {plotLeft, top, plotRight, labelsBottom};
  layout.horizontalMinimum = {plotLeft - kEndLabelHalfWidth, top, plotLeft + kEndLabelHalfWidth,
                              labelsBottom};
  layout.horizontalMaximum = {plotRight - kEndLabelHalfWidth, top, plotRight + kEndLabelHalfWidth,
                              labelsBottom};
  const int lineBottom = std::min(labelsBottom + kGraphStripLine + 4, client.height);
  layout.lock = {5, labelsBottom + 2, 5 + kLockSize, labelsBottom + 2 + kLockSize};
  // In a narrow window the readout gives up room so that the axis title
  // stays whole beside it.
  const int readoutLeft = layout.lock.right + 4;
  const int readoutWidth = std::min(kReadoutWidth, std::max(0, plotRight - readoutLeft) * 11 / 20);
  const int readoutRight = readoutLeft + readoutWidth;
  layout.readout = {readoutLeft, labelsBottom, readoutRight, lineBottom};
  layout.horizontalTitle = {readoutRight, labelsBottom, plotRight, lineBottom};
  return layout;
}

TdvGraphHit HitGraphWindow(const TdvGraphLayout& layout, shell::Point point) {
  if (Inside(layout.strip, point)) {
    // The end labels lie over the scale: they are tried first.
    const std::pair<const shell::Rect*, TdvGraphArea> strip[] = {
        {&layout.lock, TdvGraphArea::kLock},
        {&layout.readout, TdvGraphArea::kReadout},
        {&layout.horizontalTitle, TdvGraphArea::kHorizontalTitle},
        {&layout.horizontalMinimum, TdvGraphArea::kHorizontalMinimum},
        {&layout.horizontalMaximum, TdvGraphArea::kHorizontalMaximum},
        {&layout.horizontalScale, TdvGraphArea::kHorizontalScale},
    };
    for (const auto& [rect, area] : strip) {
      if (Inside(*rect, point)) {
        return {area, -1};
      }
    }
    return {};
  }
  for (std::size_t index = 0; index < layout.graphs.size(); ++index) {
    const TdvGraphParts& parts = layout.graphs[index];
    if (!Inside(parts.area, point)) {
      continue;
    }
    const std::pair<const shell::Rect*, TdvGraphArea> inGraph[] = {
        {&parts.legend, TdvGraphArea::kLegend},
        {&parts.model, TdvGraphArea::kModel},
        {&parts.fit, TdvGraphArea::kFit},
        {&parts.title, TdvGraphArea::kVerticalTitle},
        {&parts.minimum, TdvGraphArea::kMinimum},
        {&parts.maximum, TdvGraphArea::kMaximum},
        {&parts.scale, TdvGraphArea::kVerticalScale},
        {&parts.plot, TdvGraphArea::kPlot},
    };
    for (const auto& [rect, area] : inGraph) {
      if (Inside(*rect, point)) {
        return {area, static_cast<int>(index)};
      }
    }
    // Anywhere else in a graph is a click on its data.
    return {TdvGraphArea::kPlot, static_cast<int>(index)};
  }
  return {};
}
