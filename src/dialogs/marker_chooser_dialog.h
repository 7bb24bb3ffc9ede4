#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "dialogs/accept_dialog.h"
#include "graph/graph_plot.h"

class TdvDataObjectWindow;

// A marker as the chooser edits it: shape code, size class (0 to 2),
// colour index (-1: a colour none of the swatches has) and the flag of the
// check box in use (a series' trails, a plot's connecting line).
struct TdvMarkerChoice {
  int shape = 0;
  int size = 0;
  int colour = 0;
  bool flag = false;
};

// "Marker Chooser": shape and colour are picked by clicking in their
// pictures, the size and the category of shapes in pop-ups. Apply writes
// the marker and leaves the dialog open, OK writes it and closes, Cancel
// writes back the marker of the moment the dialog opened when Apply has
// changed it, and closes.
class TdvMarkerChooserDialog : public TdvAcceptDialog {
 public:
  static constexpr int kClassCode = 27;

  static constexpr int kShapes = 200;
  static constexpr int kColours = 210;
  static constexpr int kColourLabel = 219;
  static constexpr int kExample = 220;
  static constexpr int kLeaveTrails = 240;
  static constexpr int kShowLine = 250;
  static constexpr int kType = 260;
  static constexpr int kSize = 310;
  static constexpr int kOk = 120;
  static constexpr int kCancel = 130;
  static constexpr int kApply = 140;

  static constexpr int kShapeCell = 20;
  static constexpr int kShapeColumns = 5;
  static constexpr int kColourCell = 17;
  static constexpr int kColourColumns = 8;

  // What the chooser edits: the marker it opens on, the categories "Type:"
  // offers, whether it is a plot's (then "Show Line" is in use instead of
  // "Leave Trails") or an angle's (no shapes to pick; the example is a
  // small angle), and where the marker is written.
  struct Target {
    TdvMarkerChoice opening;
    std::vector<int> categories;
    bool plot = false;
    bool angle = false;
    std::function<void(const TdvMarkerChoice&)> write;
  };

  explicit TdvMarkerChooserDialog(Target target);

  // The chooser of a document's item: none when the id names no item.
  static std::optional<Target> ForSeries(TdvDataObjectWindow& document, std::int32_t id);
  // The chooser of a graph plot's style: `apply` receives every style the
  // chooser writes, the one of the opening included when Cancel restores.
  static Target ForPlot(const TdvPlotStyle& style, std::function<void(const TdvPlotStyle&)> apply);

  bool IsA(int code) const override;
  int DoCreate() override;
  int DoControlCommand(int id) override;
  int DoPopupSelect(int id, int selection) override;
  int DoCheckBox(int id) override;
  void DrawControl(int id) override;

  const TdvMarkerChoice& Working() const { return working_; }

 private:
  void Accept() override;
  void PickAt(int id, shell::Point point);
  // The cell of a picture control under `point` (client pixels).
  int CellAt(int id, shell::Point point, int cellSize, int columns) const;
  void Redraw(int id);
  void DrawShapes();
  void DrawColours();
  void DrawExample();
  int Category() const;

  Target target_;
  TdvMarkerChoice working_;
  bool applied_ = false;
};

// Opens the chooser on a graph plot's style; what the graph window calls.
void ChoosePlotMarker(const TdvPlotStyle& style, std::function<void(const TdvPlotStyle&)> apply);
