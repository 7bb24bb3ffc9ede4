#include "graph/graph_object.h"

#include <algorithm>

#include "graph/fit_statistics.h"
#include "graph/group_spread.h"
#include "kinematics/data_value_group.h"
#include "kinematics/unit_table.h"

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

// Room above and below the plot for the half of the end tick labels that
// stands out of it.
constexpr int kPlotMargin = 8;
constexpr int kAreaInset = 5;

// A point's standard deviation in pixels: the few pixels by which a click
// may miss, turned into the unit of the plotted values by the scale.
constexpr double kClickDeviation = 10.3923;
// The unit of values that no scale calibrates.
constexpr int kPixelUnit = 73;

const char* const kUpdateFitCaption = "TdvGraphObject::UpdateFit";

double PixelsPerUnit(int pixels, const TdvAxisScale& axis) {
  const double range = axis.axisMax - axis.axisMin;
  return range != 0.0 ? std::max(pixels, 0) / range : 1.0;
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
  return RemovePlotsWhere(
      [seriesId](const TdvGraphPlot& plot) { return plot.seriesId == seriesId; });
}

void TdvGraphObject::BindGroups(TdvGraphSource& source) {
  for (const auto& plot : plots_) {
    plot->SetGroup(source.FindGroup(plot->seriesId, plot->quantity));
  }
}

void TdvGraphObject::ReleaseGroups() {
  for (const auto& plot : plots_) {
    plot->ReleaseGroup();
  }
}

void TdvGraphObject::Layout(int top, int bottom, int clientWidth) {
  area = TdvRect{kAreaInset, top, clientWidth - kAreaInset, bottom};
  const int bands = kGraphLabelBand * ((model_ ? 1 : 0) + (fit_ ? 1 : 0));
  const int plotBottom = std::max(bottom - kPlotMargin, top);
  plotArea = TdvRect{kGraphPlotLeft, std::min(top + bands + kPlotMargin, plotBottom),
                     clientWidth - kGraphPlotRightInset, plotBottom};
}

void TdvGraphObject::RescaleVertical() {
  if (autoScale) {
    bool any = false;
    bool smoothed = false;
    double sumOfMeans = 0.0;
    int groups = 0;
    for (const auto& plot : plots_) {
      if (plot->Group() == nullptr) {
        continue;
      }
      const TdvGroupSpread spread = SpreadOf(plot->Group());
      dataMin = any ? std::min(dataMin, spread.minimum) : spread.minimum;
      dataMax = any ? std::max(dataMax, spread.maximum) : spread.maximum;
      any = true;
      sumOfMeans += spread.mean;
      ++groups;
      smoothed = smoothed || IsSmoothed(plot->Group());
    }
    if (any) {
      NiceScale(dataMin, dataMax, sumOfMeans / groups, smoothed, true, axis);
    }
  } else {
    NiceScale(axis.axisMin, axis.axisMax, 0.0, false, false, axis);
  }
  pixelsPerUnit = PixelsPerUnit(plotArea.bottom - plotArea.top, axis);
}

TdvGraphPlot* TdvGraphObject::AppliedPlot(std::int32_t index) const {
  TdvGraphPlot* plot = PlotAt(index);
  return plot != nullptr ? plot : PlotAt(0);
}

std::vector<TdvGraphPoint> TdvGraphObject::VisiblePoints(
    const TdvGraphPlot& plot, const TdvHorizontalAxis& horizontal) const {
  std::vector<TdvGraphPoint> points;
  if (horizontal.group == nullptr || plot.Group() == nullptr) {
    return points;
  }
  const TdvDataValueList& ys = plot.Group()->Values();
  for (const auto& [frame, x] : horizontal.group->Values()) {
    if (!horizontal.Contains(x)) {
      continue;
    }
    const auto y = ys.find(frame);
    if (y != ys.end() && axis.axisMin <= y->second && y->second <= axis.axisMax) {
      points.push_back({frame, x, y->second});
    }
  }
  return points;
}

NrVector TdvGraphObject::Deviations(const TdvGraphPlot& plot,
                                    const std::vector<TdvGraphPoint>& points,
                                    TdvGraphSource& source, NrStatus& status) const {
  const int n = static_cast<int>(points.size());
  NrVector sig(n, status);
  if (n == 0 || status.Failed()) {
    return sig;
  }
  const int unit = plot.Group() != nullptr ? plot.Group()->Unit() : kPixelUnit;
  const std::optional<TdvScaleSample> first = source.ScaleAt(plot.seriesId, points[0].frame);
  // A Fixed scale, or none, has the same value on every frame: asked once.
  const bool once = !first || first->fixed;
  for (int i = 1; i <= n; ++i) {
    std::optional<TdvScaleSample> scale = first;
    if (!once && i > 1) {
      scale = source.ScaleAt(plot.seriesId, points[static_cast<std::size_t>(i - 1)].frame);
    }
    const double s = scale ? scale->value : 1.0;
    // The click's deviation in pixels, in the plotted unit: a scale of s
    // pixels per unit shrinks it s times.
    sig[i] = kClickDeviation / ConvertUnit(s, unit, false);
  }
  return sig;
}

void TdvGraphObject::UpdateFit(bool force, const TdvHorizontalAxis& horizontal,
                               TdvGraphSource& source) {
  if (!fit_ || (!fit_->AutoUpdate() && !force && !fit_->FitRequested())) {
    return;
  }
  if (PlotAt(fitPlot) == nullptr) {
    fitPlot = 0;
  }
  const TdvGraphPlot* plot = PlotAt(fitPlot);
  if (plot == nullptr) {
    return;
  }
  const std::vector<TdvGraphPoint> points = VisiblePoints(*plot, horizontal);
  const int n = static_cast<int>(points.size());
  NrStatus status;
  NrVector x(n, status);
  NrVector y(n, status);
  const NrVector sig = Deviations(*plot, points, source, status);
  if (status.Failed()) {
    source.ShowInformation(status.Message(), kUpdateFitCaption);
    return;
  }
  for (int i = 1; i <= n; ++i) {
    x[i] = points[static_cast<std::size_t>(i - 1)].x;
    y[i] = points[static_cast<std::size_t>(i - 1)].y;
  }
  fit_->Fit(x, y, n, sig, n != 0, source);
}

double TdvGraphObject::ModelRSquared(const TdvHorizontalAxis& horizontal) const {
  const TdvGraphPlot* plot = AppliedPlot(modelPlot);
  if (!model_ || plot == nullptr) {
    return 0.0;
  }
  std::vector<double> data;
  std::vector<double> modelled;
  for (const TdvGraphPoint& point : VisiblePoints(*plot, horizontal)) {
    double m = 0.0;
    if (model_->Evaluate(m, point.x)) {
      data.push_back(point.y);
      modelled.push_back(m);
    }
  }
  return SquaredCorrelation(data, modelled);
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
