#include "graph/graph_object.h"

#include <algorithm>

namespace {

enum GraphTag : std::int32_t {
  kTagLegendShown = 649,
  kTagAutoScale = 650,
  kTagAxisMax = 657,
  kTagAxisMin = 658,
  kTagTicks = 852,
};

// The record of a graph holds the tokens of its fit and its model in
// between its own: these tag ranges belong to them.
bool IsFitTag(std::int32_t tag) {
  return tag >= 700 && tag <= 713;
}

bool IsModelTag(std::int32_t tag) {
  return (tag >= 659 && tag <= 663) || tag == 673 || tag == 679;
}

}  // namespace

TdvGraphPlot& TdvGraphObject::AddPlot(std::unique_ptr<TdvGraphPlot> plot) {
  plots_.push_back(std::move(plot));
  return *plots_.back();
}

TdvGraphPlot* TdvGraphObject::PlotAt(std::int32_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= plots_.size()) {
    return nullptr;
  }
  return plots_[static_cast<std::size_t>(index)].get();
}

int TdvGraphObject::RemovePlotsOf(std::int32_t seriesId) {
  return static_cast<int>(
      std::erase_if(plots_, [seriesId](const auto& plot) { return plot->seriesId == seriesId; }));
}

TdvModelObject& TdvGraphObject::EnsureModel() {
  if (!model_) {
    model_ = std::make_unique<TdvModelObject>();
  }
  return *model_;
}

TdvFitObject& TdvGraphObject::EnsureFit() {
  if (!fit_) {
    fit_ = std::make_unique<TdvFitObject>();
  }
  return *fit_;
}

void TdvGraphObject::WriteRecord(TdvTaggedWriter& writer) const {
  using enum TdvTokenEnd;
  writer.OpenRecord('a');
  if (fit_) {
    fit_->WriteRecord(writer);
  }
  if (model_) {
    model_->WriteRecord(writer);
  }
  writer.OpenGroup('b');
  writer.Flag(kTagAutoScale, autoScale, kSeparator);
  writer.Flag(kTagLegendShown, legendShown, kSpace);
  writer.CloseGroup();
  writer.OpenGroup('d');
  writer.Real(kTagAxisMax, axis.axisMax, kSeparator);
  writer.Real(kTagAxisMin, axis.axisMin, kSpace);
  writer.CloseGroup();
  writer.OpenGroup('i');
  writer.Int(kTagTicks, axis.ticks, kSpace);
  writer.CloseGroup();
  for (const auto& plot : plots_) {
    writer.Text("\r\n");
    plot->WriteRecord(writer);
  }
  writer.CloseRecord();
}

void TdvGraphObject::SetFlagValue(std::int32_t tag, bool flag) {
  if (IsFitTag(tag)) {
    EnsureFit().SetFlagValue(tag, flag);
  } else if (tag == kTagAutoScale) {
    autoScale = flag;
  } else if (tag == kTagLegendShown) {
    legendShown = flag;
  }
}

void TdvGraphObject::SetIntValue(std::int32_t tag, std::int32_t value) {
  if (IsFitTag(tag)) {
    EnsureFit().SetIntValue(tag, value);
  } else if (IsModelTag(tag)) {
    EnsureModel().SetIntValue(tag, value);
  } else if (tag == kTagTicks) {
    axis.ticks = value;
  }
}

void TdvGraphObject::SetRealValue(std::int32_t tag, double value) {
  if (IsFitTag(tag)) {
    EnsureFit().SetRealValue(tag, value);
  } else if (IsModelTag(tag)) {
    EnsureModel().SetRealValue(tag, value);
  } else if (tag == kTagAxisMax) {
    axis.axisMax = value;
  } else if (tag == kTagAxisMin) {
    axis.axisMin = value;
  }
}

void TdvGraphObject::SetStringValue(std::int32_t tag, const std::string& text) {
  if (IsModelTag(tag)) {
    EnsureModel().SetStringValue(tag, text);
  }
}

void TdvGraphObject::ReadOwnGroup(int code, TdvStringStream& stream) {
  if (code == kTdvCodePlotRecord) {
    auto plot = std::make_unique<TdvGraphPlot>();
    ReadRecordBody(stream, *plot);
    plots_.push_back(std::move(plot));
    return;
  }
  // A graph record nested here is read past as a whole, so that its tokens
  // are not taken for this graph's own.
  if (code == kTdvCodeSubRecord) {
    TdvTaggedReceiver ignored;
    ReadRecordBody(stream, ignored);
  }
}
