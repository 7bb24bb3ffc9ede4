#include "plot/program_graph_dialogs.h"

#include <memory>

#include "plot/change_plot_dialog.h"
#include "plot/graph_scale_dialog.h"
#include "plot/graphing_dialog.h"
#include "shell/shell.h"

namespace {

// The shell frees the dialog once its window has gone.
template <typename Dialog, typename... Arguments>
void Run(Arguments&&... arguments) {
  TdvShell::Get()
      .Keep(std::make_unique<Dialog>(std::forward<Arguments>(arguments)...))
      ->OpenWindow();
}

}  // namespace

void TdvProgramGraphDialogs::PlotSeries(TdvWindow&, TdvDataObjectWindow& document,
                                        std::function<void(const TdvPlotChoice&)> add) {
  Run<TdvGraphingDialog>(document, std::move(add));
}

void TdvProgramGraphDialogs::GraphScale(
    TdvWindow&, TdvGraphAxis axis, std::function<TdvAxisSetting(TdvGraphAxis)> current,
    std::function<void(TdvGraphAxis, const TdvAxisSetting&)> apply) {
  Run<TdvGraphScaleDialog>(axis, std::move(current), std::move(apply));
}

void TdvProgramGraphDialogs::ChangePlot(
    TdvWindow&, TdvDataObjectWindow& document, TdvGraphAxis axis,
    std::function<void(const TdvPlotQuantity&, bool replace)> change) {
  Run<TdvChangePlotDialog>(document, axis, std::move(change));
}
