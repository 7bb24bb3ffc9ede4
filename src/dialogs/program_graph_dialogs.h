#pragma once

#include "plot/graph_dialogs.h"

// The graph window's dialogs as this program has them. Each is modal: it
// runs while the window waits, so its owner and document outlive it.
class TdvProgramGraphDialogs : public TdvGraphDialogs {
 public:
  void PlotSeries(TdvWindow& owner, TdvDataObjectWindow& document,
                  std::function<void(const TdvPlotChoice&)> add) override;
  void GraphScale(TdvWindow& owner, TdvGraphAxis axis,
                  std::function<TdvAxisSetting(TdvGraphAxis)> current,
                  std::function<void(TdvGraphAxis, const TdvAxisSetting&)> apply) override;
  void ChangePlot(TdvWindow& owner, TdvDataObjectWindow& document, TdvGraphAxis axis,
                  std::function<void(const TdvPlotQuantity&, bool replace)> change) override;
  void EditModel(TdvWindow& owner, TdvGraphObject& graph, std::vector<std::string> plotNames,
                 const std::string& horizontalName, bool created,
                 std::function<void()> changed) override;
  void EditFit(TdvWindow& owner, TdvGraphObject& graph, std::vector<std::string> plotNames,
               bool created, std::function<void()> changed) override;
  void ChooseMarker(TdvWindow& owner, const TdvPlotStyle& style,
                    std::function<void(const TdvPlotStyle&)> apply) override;
};
