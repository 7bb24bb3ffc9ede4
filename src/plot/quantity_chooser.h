#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plot/graph_dialogs.h"

class TdvDataObjectWindow;
class TdvWindow;

// The quantity a point series shows for a category (0 position to 7
// kinetic + mgy) and a component (1 x to 6 rotation); 0 for a pair that
// names no quantity, such as the radius of momentum.
int PlotQuantity(int category, int component);

// Tells the user what is missing from a choice (caption "Select"); the
// dialog stays open.
void RefuseChoice(const std::string& text);

// A series list with its category and component pop-ups, as the graph
// dialogs show them: the movie's time, then the document's series in its
// order. A point series is plotted with the quantity the pop-ups name; a
// series that holds one quantity of its own (distance, count, scale, angle)
// and the time are plotted with that quantity whatever the pop-ups say.
// While the selection holds angle series and no point series the category
// pop-up offers the angular categories and the component pop-up, which
// then means nothing, is disabled.
class TdvQuantityChooser {
 public:
  struct Ids {
    int list = 0;
    int category = 0;
    int component = 0;
  };

  TdvQuantityChooser(TdvDataObjectWindow& document, Ids ids);

  // Adds the list (several selections when `several`) and the two pop-ups
  // below it, in a column of `width` from (left, top).
  void AddControls(TdvWindow& dialog, int left, int top, int width, bool several) const;
  // Fills the list and the pop-ups once the dialog has made its controls.
  void Fill(TdvWindow& dialog) const;
  // Selects the row of the series `seriesId` (kTimeItemRef for the time)
  // and sets the pop-ups to `category` and `component`.
  void Select(TdvWindow& dialog, std::int32_t seriesId, int category, int component);
  // Makes the pop-ups offer what fits the list's selection; the dialog
  // calls it whenever the user changed that selection.
  void FitPopupsToSelection(TdvWindow& dialog);
  // The one series that holds measured motion, not the set-up of the
  // coordinates (an origin, a scale or a scale's end); kNoItem when there
  // is none or there are several.
  std::int32_t OnlyMeasuredSeries() const;
  // The quantities of the selected series, in list order (empty when none
  // is selected); none after telling the user that the pop-ups name no
  // quantity for a selected point series, or that an angle series has no
  // other angular quantity than its angle.
  std::optional<std::vector<TdvPlotQuantity>> Chosen(TdvWindow& dialog) const;

 private:
  struct Entry {
    std::string name;
    std::int32_t seriesId = 0;
    int ownQuantity = 0;  // 0 for a point series
    bool measured = false;
  };

  Ids ids_;
  std::vector<Entry> entries_;
  bool angular_ = false;  // the category pop-up offers the angular categories
};
