#include "graph/graph_plot.h"

#include "kinematics/data_value_group.h"

namespace {

enum PlotTag : std::int32_t {
  kTagSeries = 676,
  kTagMarkerShape = 680,
  kTagColour = 681,
  kTagMarkerSize = 682,
  kTagConnect = 688,
  kTagQuantity = 850,
};

}  // namespace

void TdvGraphPlot::SetGroup(TdvDataValueGroup* group) {
  if (group == group_) {
    return;
  }
  // The new use is taken before the old one is given back, so that inputs
  // the two groups share are not dropped and computed again in between.
  if (group != nullptr) {
    group->Use(true);
  }
  if (group_ != nullptr) {
    group_->Use(false);
  }
  group_ = group;
}

void TdvGraphPlot::SetMarkerSize(std::int32_t size) {
  const auto kept = static_cast<std::uint16_t>(size);
  markerSize_ = kept < kMarkerSizeLimit ? kept : 0;
}

void TdvGraphPlot::SetStyle(const TdvPlotStyle& style) {
  markerShape = style.markerShape;
  colour = style.colour;
  SetMarkerSize(style.markerSize);
  connect = style.connect;
}

void TdvGraphPlot::WriteRecord(TdvTaggedWriter& writer) const {
  using enum TdvTokenEnd;
  writer.OpenRecord('g');
  writer.OpenGroup('b');
  writer.Flag(kTagConnect, connect, kSpace);
  writer.CloseGroup();
  writer.OpenGroup('i');
  writer.Int(kTagSeries, seriesId, kSeparator);
  writer.Int(kTagMarkerShape, markerShape, kSeparator);
  writer.Int(kTagColour, colour, kSeparator);
  writer.Int(kTagMarkerSize, markerSize_, kSeparator);
  writer.Int(kTagQuantity, quantity, kSpace);
  writer.CloseGroup();
  writer.CloseRecord();
}

void TdvGraphPlot::SetFlagValue(std::int32_t tag, bool flag) {
  if (tag == kTagConnect) {
    connect = flag;
  }
}

// Codes are kept in the width the fields have, as the file's readers always
// did; only the marker size has a limit of its own.
void TdvGraphPlot::SetIntValue(std::int32_t tag, std::int32_t value) {
  switch (tag) {
    case kTagSeries:
      seriesId = value;
      break;
    case kTagMarkerShape:
      markerShape = static_cast<std::uint8_t>(value);
      break;
    case kTagColour:
      colour = static_cast<std::uint8_t>(value);
      break;
    case kTagMarkerSize:
      SetMarkerSize(value);
      break;
    case kTagQuantity:
      quantity = value;
      break;
    default:
      break;
  }
}
