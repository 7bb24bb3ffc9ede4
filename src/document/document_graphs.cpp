#include "document/data_object_window.h"

void TdvDataObjectWindow::NewGraph() {
  if (graphOpener != nullptr) {
    graphOpener->NewGraph(*this);
  }
}

// The window takes the kept graph's group uses over, so the groups stay
// computed throughout.
void TdvDataObjectWindow::OpenKeptGraphs() {
  if (graphOpener == nullptr) {
    return;
  }
  std::vector<std::unique_ptr<TdvKeptGraph>> kept = std::move(keptGraphs);
  keptGraphs.clear();
  for (auto& graph : kept) {
    RemoveGraph(graph.get());
    std::unique_ptr<TdvGraphStack> stack = graph->TakeStack();
    graph.reset();
    graphOpener->OpenGraph(*this, std::move(stack));
  }
}
