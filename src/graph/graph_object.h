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
#include "graph/model_object.h"
#include "graph/nice_scale.h"

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
  // Drops the plots of a series that is gone; answers how many went.
  int RemovePlotsOf(std::int32_t seriesId);

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
  std::vector<std::unique_ptr<TdvGraphPlot>> plots_;
  std::unique_ptr<TdvModelObject> model_;
  std::unique_ptr<TdvFitObject> fit_;
};
