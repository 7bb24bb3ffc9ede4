#include "document/kept_graph.h"

#include "document/document_graph_source.h"

TdvKeptGraph::TdvKeptGraph(std::unique_ptr<TdvGraphStack> read, TdvDataObjectWindow& document)
    : stack(std::move(read)) {
  TdvDocumentGraphSource source(document);
  stack->BindGroups(source);
}

TdvKeptGraph::~TdvKeptGraph() {
  if (stack) {
    stack->ReleaseGroups();
  }
}

void TdvKeptGraph::ItemRemoved(std::int32_t id) {
  stack->SeriesRemoved(id);
}

void TdvKeptGraph::WriteRecord(TdvTaggedWriter& writer) {
  stack->WriteRecord(writer);
}
