#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/geometry.h"
#include "foundation/object.h"
#include "foundation/tagged_record.h"
#include "foundation/tagged_writer.h"
#include "graph/fit_object.h"
#include "graph/graph_plot.h"
#include "graph/graph_source.h"
#include "graph/horizontal_axis.h"
#include "graph/model_object.h"
#include "graph/nice_scale.h"

// One point of a plot: its frame and its values on both axes.
// Where a graph's parts lie in its window, in pixels: the band a model or
// fit label takes above the plot, and the plot's left edge and its inset
// from the right.
inline constexpr int kGraphLabelBand = 18;
inline constexpr int kGraphPlotLeft = 55;
inline constexpr int kGraphPlotRightInset = 25;

struct TdvGraphPoint {
  std::int32_t frame = 0;
  double x = 0.0;
  double y = 0.0;
};

// One graph of a graph window: its plots against the window's horizontal
// quantity, its own vertical axis, an optional model and an optional fit.
class TdvGraphObject : public TdvObject, public TdvTaggedReceiver {
 public:
  TdvGraphObject() = default;
  TdvGraphObject(const TdvGraphObject&) = delete;
  TdvGraphObject& operator=(const TdvGraphObject&) = delete;

  TdvGraphPlot& AddPlot(std::unique_ptr<TdvGraphPlot> plot);
  // The plot at index, or none past the ends.
  TdvGraphPlot* PlotAt(std::int32_t index) const;
  const std::vector<std::unique_ptr<TdvGraphPlot>>& Plots() const { return plots_; }
  // Drops the plots of a series that is gone, whose groups the data table
  // has destroyed with it; answers how many went.
  int RemovePlotsOf(std::int32_t seriesId);
  // Drops the plots for which drop(plot) holds, with no group given back.
  template <typename Drop>
  int RemovePlotsWhere(Drop drop) {
    return static_cast<int>(
        std::erase_if(plots_, [&drop](const auto& plot) { return drop(*plot); }));
  }
  // Every plot takes its group from source (one use each); groups shown
  // before are given back.
  void BindGroups(TdvGraphSource& source);
  void ReleaseGroups();

  // Places the graph in the band of the window's client area from top to
  // bottom; a model or a fit each open an 18-pixel label band above the
  // plot area, which keeps a margin for the end tick labels.
  void Layout(int top, int bottom, int clientWidth);
  // With autoScale, the axis is chosen around the values of every plotted
  // group; without it, the user's range is cut into its ticks. The plot
  // area's height then gives the pixels per unit.
  void RescaleVertical();

  // The plot at index, or the first one when index is past the last: the
  // plot a model or a fit applies to.
  TdvGraphPlot* AppliedPlot(std::int32_t index) const;
  // The points of plot, in frame order, that lie inside both axis ranges:
  // the points drawn, and the only ones a fit or r² takes into account.
  std::vector<TdvGraphPoint> VisiblePoints(const TdvGraphPlot& plot,
                                           const TdvHorizontalAxis& horizontal) const;
  // Fits the visible points of the fit's plot, when there is a fit that
  // updates automatically or asked for a fit, or force is set. Each point's standard deviation
  // follows the scale that calibrates the plotted series.
  void UpdateFit(bool force, const TdvHorizontalAxis& horizontal, TdvGraphSource& source);
  // How well the model matches the visible points of its plot where it has
  // a value: the square of their correlation; 1 when either does not vary,
  // 0 without model or points.
  double ModelRSquared(const TdvHorizontalAxis& horizontal) const;

  TdvModelObject& EnsureModel();
  void RemoveModel() { model_.reset(); }
  TdvModelObject* Model() const { return model_.get(); }
  TdvFitObject& EnsureFit();
  void RemoveFit() { fit_.reset(); }
  TdvFitObject* Fit() const { return fit_.get(); }

  // "a[" with the fit, the model, the graph's own groups and the plots.
  void WriteRecord(TdvTaggedWriter& writer) const;
  void SetFlagValue(std::int32_t tag, bool flag) override;
  void SetIntValue(std::int32_t tag, std::int32_t value) override;
  void SetRealValue(std::int32_t tag, double value) override;
  void SetStringValue(std::int32_t tag, const std::string& text) override;
  void ReadOwnGroup(int code, TdvStringStream& stream) override;

  std::int32_t modelPlot = 0;
  std::int32_t fitPlot = 0;
  double dataMin = 0.0;
  double dataMax = 0.0;
  TdvAxisScale axis{0.0, 1.0, 0.2, 5};
  bool autoScale = true;
  double pixelsPerUnit = 1.0;
  bool legendShown = false;

  // Areas in the window's client pixels, set by the window's layout.
  TdvRect area;
  TdvRect plotArea;
  TdvRect legendRect{18, 18, 180, 36};

 private:
  // The standard deviations of the points of plot, 1-based.
  NrVector Deviations(const TdvGraphPlot& plot, const std::vector<TdvGraphPoint>& points,
                      TdvGraphSource& source, NrStatus& status) const;

  std::vector<std::unique_ptr<TdvGraphPlot>> plots_;
  std::unique_ptr<TdvModelObject> model_;
  std::unique_ptr<TdvFitObject> fit_;
};
