#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "graph/graph_plot.h"

class TdvDataObjectWindow;
class TdvGraphObject;
class TdvWindow;

// One quantity of one series, as a plot or the horizontal axis shows it.
struct TdvPlotQuantity {
  std::int32_t seriesId = 0;
  std::int32_t quantity = 0;

  bool operator==(const TdvPlotQuantity&) const = default;
};

// What "Plot Series" chose: the horizontal quantity and one plot for each
// vertical item.
struct TdvPlotChoice {
  TdvPlotQuantity horizontal;
  std::vector<TdvPlotQuantity> vertical;
};

// An axis's range as "Graph Scale" shows and changes it.
struct TdvAxisSetting {
  double min = 0.0;
  double max = 1.0;
  std::int32_t ticks = 5;
  bool autoScale = true;
};

enum class TdvGraphAxis { kHorizontal, kVertical };

// Every dialog a graph window opens, in one place. The dialogs are
// modeless: each hands its result to the callbacks it was given, and does
// nothing after its owner has gone. The program sets the filler; a window
// without one (headless tests of the window) opens no dialog.
class TdvGraphDialogs {
 public:
  virtual ~TdvGraphDialogs() = default;

  // "Plot Series": `add` receives the choice when the user presses "Add".
  virtual void PlotSeries(TdvWindow& /*owner*/, TdvDataObjectWindow& /*document*/,
                          std::function<void(const TdvPlotChoice&)> /*add*/) {}

  // "Graph Scale", showing `axis` first. `current` gives an axis's setting
  // when the "Axis:" pop-up switches; `apply` receives OK's and Apply's
  // values.
  virtual void GraphScale(TdvWindow& /*owner*/, TdvGraphAxis /*axis*/,
                          std::function<TdvAxisSetting(TdvGraphAxis)> /*current*/,
                          std::function<void(TdvGraphAxis, const TdvAxisSetting&)> /*apply*/) {}

  // "Change Domain" (horizontal) or "Change Range" (vertical): `change`
  // receives the chosen quantity and whether it replaces ("Replace") or
  // joins ("Add") what is shown.
  virtual void ChangePlot(TdvWindow& /*owner*/, TdvDataObjectWindow& /*document*/,
                          TdvGraphAxis /*axis*/,
                          std::function<void(const TdvPlotQuantity&, bool replace)> /*change*/) {}

  // "Model Equation" and "Curve Fit" on the graph's model or fit, which
  // exists when they open; `plotNames` fill "Apply To :", `horizontalName`
  // is what x stands for, `created` tells that the opening made the model
  // or fit (Cancel then removes it), and `changed` redraws the window after
  // every change the dialog makes.
  virtual void EditModel(TdvWindow& /*owner*/, TdvGraphObject& /*graph*/,
                         std::vector<std::string> /*plotNames*/,
                         const std::string& /*horizontalName*/, bool /*created*/,
                         std::function<void()> /*changed*/) {}
  virtual void EditFit(TdvWindow& /*owner*/, TdvGraphObject& /*graph*/,
                       std::vector<std::string> /*plotNames*/, bool /*created*/,
                       std::function<void()> /*changed*/) {}

  // "Marker Chooser" on a plot's style: `apply` receives every style it
  // writes (Apply, OK, and the opening style again when Cancel restores).
  virtual void ChooseMarker(TdvWindow& /*owner*/, const TdvPlotStyle& /*style*/,
                            std::function<void(const TdvPlotStyle&)> /*apply*/) {}
};
