#include "dialogs/program_graph_dialogs.h"

#include "dialogs/marker_chooser_dialog.h"
#include "dialogs/run_dialog.h"
#include "plot/change_plot_dialog.h"
#include "plot/graph_scale_dialog.h"
#include "plot/graphing_dialog.h"
#include "plot/model_fit_dialogs.h"

void TdvProgramGraphDialogs::PlotSeries(TdvWindow&, TdvDataObjectWindow& document,
                                        std::function<void(const TdvPlotChoice&)> add) {
  RunDialog<TdvGraphingDialog>(document, std::move(add));
}

void TdvProgramGraphDialogs::GraphScale(
    TdvWindow&, TdvGraphAxis axis, std::function<TdvAxisSetting(TdvGraphAxis)> current,
    std::function<void(TdvGraphAxis, const TdvAxisSetting&)> apply) {
  RunDialog<TdvGraphScaleDialog>(axis, std::move(current), std::move(apply));
}

void TdvProgramGraphDialogs::ChangePlot(
    TdvWindow&, TdvDataObjectWindow& document, TdvGraphAxis axis,
    std::function<void(const TdvPlotQuantity&, bool replace)> change) {
  RunDialog<TdvChangePlotDialog>(document, axis, std::move(change));
}

void TdvProgramGraphDialogs::EditModel(TdvWindow& owner, TdvGraphObject& graph,
                                       std::vector<std::string> plotNames,
                                       const std::string& horizontalName, bool created,
                                       std::function<void()> changed) {
  OpenModelDialog(owner, graph, std::move(plotNames), created, std::move(changed), horizontalName);
}

void TdvProgramGraphDialogs::EditFit(TdvWindow& owner, TdvGraphObject& graph,
                                     std::vector<std::string> plotNames, bool created,
                                     std::function<void()> changed) {
  OpenFitDialog(owner, graph, std::move(plotNames), created, std::move(changed));
}

void TdvProgramGraphDialogs::ChooseMarker(TdvWindow&, const TdvPlotStyle& style,
                                          std::function<void(const TdvPlotStyle&)> apply) {
  ChoosePlotMarker(style, std::move(apply));
}
