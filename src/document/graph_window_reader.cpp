#include <algorithm>
#include <memory>

#include "document/data_object_window.h"
#include "document/file_parser.h"
#include "document/kept_graph.h"

// Graph windows name their series by saved ids, like every record; the
// document keeps what was read under the new ids. A plot of a series that
// the file does not hold would show whichever series happens to have id 0:
// it is left out.
void TdvFileParser::ReadGraphWindow(TdvStringStream& stream) {
  auto stack = std::make_unique<TdvGraphStack>();
  ReadRecordBody(stream, *stack);
  if (document_ == nullptr) {
    return;
  }
  if (!remapped_) {
    RemapIds();
  }
  CorrectRect(stack->rect);
  stack->horizontal.series = MapSavedId(stack->horizontal.series);
  auto known = [this](std::int32_t savedId) {
    return savedId < 0 || std::any_of(idMap_.begin(), idMap_.end(), [savedId](const auto& entry) {
             return entry.savedId == savedId;
           });
  };
  for (const auto& graph : stack->Graphs()) {
    graph->RemovePlotsWhere([&](const TdvGraphPlot& plot) { return !known(plot.seriesId); });
    for (const auto& plot : graph->Plots()) {
      plot->seriesId = MapSavedId(plot->seriesId);
    }
  }
  document_->KeepGraph(std::make_unique<TdvKeptGraph>(std::move(stack), *document_));
}
