#include <algorithm>
#include <utility>

#include "dialogs/marker_chooser_dialog.h"
#include "dialogs/marker_glyph.h"
#include "dialogs/run_dialog.h"
#include "document/data_object_window.h"
#include "foundation/colour.h"
#include "shell/shell.h"

namespace {

// Points and the items placed like them take every shape of a position;
// a count marks clicks with the point shapes; distances, scales and angles
// are lines between items.
std::vector<int> CategoriesOf(const TdvDataObject& item) {
  if (item.IsPointType()) {
    return {1, 2, 3, 4};
  }
  if (item.IsA(kCountObjectCode)) {
    return {kPointCategory};
  }
  return {kBasicCategory};
}

}  // namespace

std::optional<TdvMarkerChooserDialog::Target> TdvMarkerChooserDialog::ForSeries(
    TdvDataObjectWindow& document, std::int32_t id) {
  const TdvDataObject* item = document.GetItem(id);
  if (item == nullptr) {
    return std::nullopt;
  }
  Target target;
  target.opening = {item->GetMarkerType(), item->GetMarkerSize(), item->GetMarkerColour(),
                    item->HasTrails()};
  // A distance is drawn as a line whatever its code says: it opens on one.
  if (item->IsA(kCalculatedLineCode)) {
    target.opening.shape = std::max(target.opening.shape, FirstMarkerCode(kBasicCategory));
  }
  target.categories = CategoriesOf(*item);
  target.angle = item->IsA(kCalculatedAngleCode);
  target.write = [&document, id](const TdvMarkerChoice& choice) {
    TdvDataObject* series = document.GetItem(id);
    if (series == nullptr) {
      return;
    }
    series->SetMarkerType(static_cast<std::uint16_t>(choice.shape));
    series->SetMarkerColour(static_cast<std::uint8_t>(std::max(choice.colour, 0)));
    series->SetMarkerSize(choice.size);
    series->SetTrails(choice.flag ? 1 : 0);
    document.modified = true;
    document.RedrawWindows();
  };
  return target;
}

TdvMarkerChooserDialog::Target TdvMarkerChooserDialog::ForPlot(
    const TdvPlotStyle& style, std::function<void(const TdvPlotStyle&)> apply) {
  Target target;
  target.opening = {style.markerShape, style.markerSize, MarkerColourIndex(style.colour),
                    style.connect};
  target.categories = {kPointCategory};
  target.plot = true;
  // A colour no swatch has stays until a swatch is picked.
  target.write = [apply = std::move(apply), kept = style.colour](const TdvMarkerChoice& choice) {
    apply({static_cast<std::uint8_t>(choice.shape),
           choice.colour >= 0 ? static_cast<std::uint8_t>(MarkerColourCode(choice.colour)) : kept,
           static_cast<std::uint16_t>(choice.size), choice.flag});
  };
  return target;
}

void ChoosePlotMarker(const TdvPlotStyle& style, std::function<void(const TdvPlotStyle&)> apply) {
  RunDialog<TdvMarkerChooserDialog>(TdvMarkerChooserDialog::ForPlot(style, std::move(apply)));
}
