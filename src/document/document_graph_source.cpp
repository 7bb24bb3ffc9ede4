#include "document/document_graph_source.h"

#include "document/data_object_window.h"
#include "kinematics/data_table.h"
#include "model/scale_series.h"

TdvDataValueGroup* TdvDocumentGraphSource::FindGroup(std::int32_t seriesId, std::int32_t quantity) {
  if (seriesId != TdvDataTable::kTimeSeries && document.GetItem(seriesId) == nullptr) {
    return nullptr;
  }
  return document.DataTable().EnsureGroup(seriesId, quantity);
}

std::optional<TdvScaleSample> TdvDocumentGraphSource::ScaleAt(std::int32_t seriesId,
                                                              std::int32_t frame) {
  TdvDataObject* series = document.GetItem(seriesId);
  if (series == nullptr) {
    return std::nullopt;
  }
  std::int32_t originId = series->GetOriginId();
  if (originId == kDefaultOriginRef) {
    originId = document.DefaultOrigin();
  }
  TdvDataObject* origin = document.HasScale(originId) ? document.GetItem(originId) : nullptr;
  TdvDataObject* scale = origin != nullptr ? document.GetItem(origin->GetScaleId()) : nullptr;
  if (scale == nullptr || !scale->IsA(kCalibrateObjectCode)) {
    return std::nullopt;
  }
  TdvScaleSample sample;
  sample.fixed = scale->GetSampleType() == kFixed;
  // A scale without a length on this frame calibrates nothing there.
  double value = 0.0;
  if (static_cast<TdvCalibrateObject*>(scale)->GetScaleFactor(value, frame)) {
    sample.value = value;
  }
  return sample;
}

void TdvDocumentGraphSource::ShowInformation(const std::string& text, const std::string& caption) {
  document.InformationBox(text, caption);
}
