#include "graph/graph_stack.h"

#include <algorithm>

#include "graph/group_spread.h"
#include "kinematics/data_value_group.h"

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

// Room for the horizontal axis below the graphs and for the axis labels.
constexpr int kAxisHeight = 46;
constexpr int kAxisLabelWidth = 80;

}  // namespace

TdvGraphObject& TdvGraphStack::AddGraph(std::unique_ptr<TdvGraphObject> graph) {
  graphs_.push_back(std::move(graph));
  return *graphs_.back();
}

void TdvGraphStack::BindGroups(TdvGraphSource& source) {
  TdvDataValueGroup* group = source.FindGroup(horizontal.series, horizontal.quantity);
  if (group != horizontal.group) {
    if (group != nullptr) {
      group->Use(true);
    }
    if (horizontal.group != nullptr) {
      horizontal.group->Use(false);
    }
    horizontal.group = group;
  }
  for (const auto& graph : graphs_) {
    graph->BindGroups(source);
  }
}

void TdvGraphStack::ReleaseGroups() {
  if (horizontal.group != nullptr) {
    horizontal.group->Use(false);
    horizontal.group = nullptr;
  }
  for (const auto& graph : graphs_) {
    graph->ReleaseGroups();
  }
}

void TdvGraphStack::SeriesRemoved(std::int32_t seriesId) {
  if (horizontal.series == seriesId) {
    horizontal.group = nullptr;
  }
  for (const auto& graph : graphs_) {
    graph->RemovePlotsOf(seriesId);
  }
}

void TdvGraphStack::RescaleHorizontal(bool autoScale, int clientWidth, int clientHeight) {
  TdvAxisScale& axis = horizontal.axis;
  if (autoScale) {
    const TdvGroupSpread spread = SpreadOf(horizontal.group);
    horizontal.dataMin = spread.minimum;
    horizontal.dataMax = spread.maximum;
    NiceScale(spread.minimum, spread.maximum, spread.mean, IsSmoothed(horizontal.group), true,
              axis);
  } else {
    NiceScale(axis.axisMin, axis.axisMax, 0.0, false, false, axis);
  }
  const double range = axis.axisMax - axis.axisMin;
  horizontal.pixelsPerUnit =
      range != 0.0 ? std::max(clientWidth - kAxisLabelWidth, 0) / range : 1.0;
  if (graphs_.empty()) {
    return;
  }
  const int height = std::max(clientHeight - kAxisHeight, 0) / static_cast<int>(graphs_.size());
  int top = 0;
  for (const auto& graph : graphs_) {
    graph->Layout(top, top + height, clientWidth);
    top += height;
  }
}

void TdvGraphStack::Rescale(int clientWidth, int clientHeight, TdvGraphSource& source) {
  RescaleHorizontal(horizontal.autoScale, clientWidth, clientHeight);
  for (const auto& graph : graphs_) {
    graph->RescaleVertical();
    graph->UpdateFit(false, horizontal, source);
  }
}

void TdvGraphStack::WriteRecord(TdvTaggedWriter& writer) const {
  using enum TdvTokenEnd;
  writer.OpenRecord('G');
  TdvRect saved = rect;
  saved.left -= 1;
  writer.RectGroup(kTagWindowRect, saved);
  writer.OpenGroup('i');
  writer.Int(kTagSeries, horizontal.series, kSeparator);
  writer.Int(kTagQuantity, horizontal.quantity, kSeparator);
  writer.Int(kTagTicks, horizontal.axis.ticks, kSpace);
  writer.CloseGroup();
  writer.OpenGroup('b');
  writer.Flag(kTagAutoScale, horizontal.autoScale, kSpace);
  writer.CloseGroup();
  writer.OpenGroup('d');
  writer.Real(kTagAxisMax, horizontal.axis.axisMax, kSeparator);
  writer.Real(kTagAxisMin, horizontal.axis.axisMin, kSpace);
  writer.CloseGroup();
  for (const auto& graph : graphs_) {
    writer.Text("\r\n");
    graph->WriteRecord(writer);
  }
  writer.CloseRecord();
}

void TdvGraphStack::SetFlagValue(std::int32_t tag, bool flag) {
  if (tag == kTagAutoScale) {
    horizontal.autoScale = flag;
  }
}

void TdvGraphStack::SetIntValue(std::int32_t tag, std::int32_t value) {
  switch (tag) {
    case kTagSeries:
      horizontal.series = value;
      break;
    case kTagQuantity:
      horizontal.quantity = value;
      break;
    case kTagTicks:
      horizontal.axis.ticks = value;
      break;
    default:
      break;
  }
}

void TdvGraphStack::SetRealValue(std::int32_t tag, double value) {
  if (tag == kTagAxisMax) {
    horizontal.axis.axisMax = value;
  } else if (tag == kTagAxisMin) {
    horizontal.axis.axisMin = value;
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
