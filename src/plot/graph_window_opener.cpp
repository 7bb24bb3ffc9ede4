#include "plot/graph_window_opener.h"

#include "document/data_object_window.h"
#include "plot/graph_window.h"
#include "plot/plot_choice.h"
#include "shell/shell.h"

// The document may be closed while "Plot Series" is open; the dialog then
// never calls back.
void TdvGraphWindowOpener::NewGraph(TdvDataObjectWindow& document) {
  dialogs_.PlotSeries(document, document, [this, &document](const TdvPlotChoice& choice) {
    auto stack = GraphsFor(choice);
    stack->rect = defaultRect_;
    OpenGraph(document, std::move(stack));
  });
}

void TdvGraphWindowOpener::OpenGraph(TdvDataObjectWindow& document,
                                     std::unique_ptr<TdvGraphStack> stack) {
  auto* window =
      TdvShell::Get().Keep(std::make_unique<TdvGraphWindow>(document, std::move(stack), &dialogs_));
  if (window->OpenWindow() != 0) {
    document.AddGraph(window);
  }
}
