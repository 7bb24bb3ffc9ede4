#pragma once

#include <cstdint>
#include <memory>

#include "document/window_links.h"
#include "graph/graph_stack.h"

class TdvDataObjectWindow;

// A graph window read from a document file and kept by the document until a
// window shows it: the plotted groups stay in use, as they would be while
// shown, and the record is written back as it was read.
class TdvKeptGraph : public TdvGraphLink {
 public:
  // Binds the plots to the groups of the document's data table; the table
  // must outlive the kept graph.
  TdvKeptGraph(std::unique_ptr<TdvGraphStack> stack, TdvDataObjectWindow& document);
  TdvKeptGraph(const TdvKeptGraph&) = delete;
  TdvKeptGraph& operator=(const TdvKeptGraph&) = delete;
  ~TdvKeptGraph() override;

  void ItemRemoved(std::int32_t id) override;
  void TimeChanged(std::int32_t) override {}
  void WriteRecord(TdvTaggedWriter& writer) override;

  const TdvGraphStack& Stack() const { return *stack; }
  // Hands the graph to the window that shows it, with the group uses it
  // holds; the kept graph is left empty and must be dropped at once.
  std::unique_ptr<TdvGraphStack> TakeStack() { return std::move(stack); }

 private:
  std::unique_ptr<TdvGraphStack> stack;
};
