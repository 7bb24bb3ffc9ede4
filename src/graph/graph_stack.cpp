#include "graph/graph_stack.h"

namespace {

enum StackTag : std::int32_t {
  kTagAutoScale = 651,
  kTagAxisMax = 655,
  kTagAxisMin = 656,
  kTagSeries = 675,
  kTagQuantity = 850,
  kTagTicks = 852,
  kTagWindowRect = 1000,
};

}  // namespace

TdvGraphObject& TdvGraphStack::AddGraph(std::unique_ptr<TdvGraphObject> graph) {
  graphs_.push_back(std::move(graph));
  return *graphs_.back();
}

void TdvGraphStack::WriteRecord(TdvTaggedWriter& writer) const {
  using enum TdvTokenEnd;
  writer.OpenRecord('G');
  TdvRect saved = rect;
  saved.left -= 1;
  writer.RectGroup(kTagWindowRect, saved);
  writer.OpenGroup('i');
  writer.Int(kTagSeries, horizontalSeries, kSeparator);
  writer.Int(kTagQuantity, horizontalQuantity, kSeparator);
  writer.Int(kTagTicks, axis.ticks, kSpace);
  writer.CloseGroup();
  writer.OpenGroup('b');
  writer.Flag(kTagAutoScale, autoScale, kSpace);
  writer.CloseGroup();
  writer.OpenGroup('d');
  writer.Real(kTagAxisMax, axis.axisMax, kSeparator);
  writer.Real(kTagAxisMin, axis.axisMin, kSpace);
  writer.CloseGroup();
  for (const auto& graph : graphs_) {
    writer.Text("\r\n");
    graph->WriteRecord(writer);
  }
  writer.CloseRecord();
}

void TdvGraphStack::SetFlagValue(std::int32_t tag, bool flag) {
  if (tag == kTagAutoScale) {
    autoScale = flag;
  }
}

void TdvGraphStack::SetIntValue(std::int32_t tag, std::int32_t value) {
  switch (tag) {
    case kTagSeries:
      horizontalSeries = value;
      break;
    case kTagQuantity:
      horizontalQuantity = value;
      break;
    case kTagTicks:
      axis.ticks = value;
      break;
    default:
      break;
  }
}

void TdvGraphStack::SetRealValue(std::int32_t tag, double value) {
  if (tag == kTagAxisMax) {
    axis.axisMax = value;
  } else if (tag == kTagAxisMin) {
    axis.axisMin = value;
  }
}

void TdvGraphStack::SetRectValue(std::int32_t tag, const TdvRect& value) {
  if (tag == kTagWindowRect) {
    rect = value;
  }
}

void TdvGraphStack::ReadOwnGroup(int code, TdvStringStream& stream) {
  if (code == kTdvCodeSubRecord) {
    auto graph = std::make_unique<TdvGraphObject>();
    ReadRecordBody(stream, *graph);
    graphs_.push_back(std::move(graph));
  } else if (code == kTdvCodePlotRecord) {
    // A plot belongs to a graph; one standing alone is read past whole.
    TdvTaggedReceiver ignored;
    ReadRecordBody(stream, ignored);
  }
}
