#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/document_graph_source.h"
#include "document/window_links.h"
#include "graph/graph_stack.h"
#include "plot/graph_dialogs.h"
#include "plot/graph_info_box.h"
#include "plot/graph_layout.h"
#include "plot/plot_trace.h"
#include "shell/document_window.h"

class TdvDataObjectWindow;

// A graph window of a document: graphs stacked top to bottom that share
// the horizontal axis, each with its vertical axis, plots, legend and the
// curves and labels of its model and fit, and the readout below them.
//
// The document tells it of new data (Redraw: both axes are chosen again
// before the next drawing), of removed series (their plots go) and of the
// frame the movie shows (TimeChanged: only the frames around that frame's
// points are redrawn, by inversion). A click in the current graph's data
// asks the document's movie for the frame whose horizontal value is
// nearest and selects the series of a point under the click; a click in
// another graph makes it current; clicks on the axes, the label bands and
// the commands 551 to 557 open the dialogs through TdvGraphDialogs. With
// Shift or Control a drag draws a rectangle and shows its range. Every
// other command goes to the document.
class TdvGraphWindow : public TdvDocumentWindow, public TdvGraphLink {
 public:
  static constexpr int kClassCode = 15;

  // Takes the graph over with the group uses it holds, or binds its groups
  // when it holds none; the uses are given back when the window is
  // destroyed, before its document closes. dialogs: none opens no dialog.
  TdvGraphWindow(TdvDataObjectWindow& document, std::unique_ptr<TdvGraphStack> stack,
                 TdvGraphDialogs* dialogs);

  bool IsA(int code) const override;
  TdvDocumentWindow* GetDocument() override;

  // The whole content drawn onto surface at size (the window's own
  // drawing, copies, prints and picture files); the window's layout for
  // its own size stays.
  void DrawContent(shell::Surface& surface, shell::Size size);
  // Writes the content at size to the picture file path (PNG or SVG, by
  // its extension): the empty text when written, else why not.
  std::string SavePicture(const std::string& path, shell::Size size);

  // The document's link.
  void ItemRemoved(std::int32_t id) override;
  void TimeChanged(std::int32_t time) override;
  void WriteRecord(TdvTaggedWriter& writer) override;
  void PlaceWindow(const TdvRect& place) override;
  void Redraw() override;
  void ForceClose() override;

  const TdvGraphStack& Stack() const { return *stack_; }
  const TdvGraphLayout& Layout();
  // The readout's text for the cursor at (x, y) as the info box shows it.
  std::string ReadoutText(shell::Point cursor);
  // The status-line help for (x, y).
  std::string AreaHelp(shell::Point point);

  int DoCreate() override;
  int DoSize(int width, int height) override;
  int DoCommand(int id) override;
  int DoActivate(bool active) override;
  int DoMouseDown(int x, int y, int modifiers) override;
  int DoMouseMove(int x, int y, int modifiers) override;
  int DoMouseUp(int x, int y, int modifiers) override;
  // A double click on a plotted point opens the Marker Chooser for its plot.
  int DoDoubleClick(int x, int y, int modifiers) override;
  int DoDestroy() override;
  void WinDraw(const std::optional<shell::Rect>& area) override;
  void ShowAreaHelp(int x, int y) override;

 private:
  enum class Drag { kNone, kRectangle, kLegend };

  TdvGraphObject* Current() const;
  // The graph that receives commands and clicks from now on.
  void MakeCurrent(int graph);
  TdvPlotFrame FrameOf(std::size_t graph) const;
  // The points of a plot of a graph, as the last rescale found them.
  std::span<const TdvGraphPoint> Joined(std::size_t graph, std::size_t plot) const;
  // Both axes chosen again, fits brought up to date, the layout made anew.
  void Rescale();
  // The layout for size without fits (pictures of another size).
  void PlaceFor(shell::Size size);
  void Changed();
  // The layout made again for what only moves parts (the legend), without
  // gathering the data anew.
  void Relayout();
  // Changed, and the fits made again at once: what the model and fit
  // dialogs read after each change they make.
  void BringUpToDate();
  void Invalidate();
  std::vector<std::string> PlotNames() const;
  std::string SeriesName(std::int32_t seriesId) const;
  std::string AxisTitle(std::int32_t seriesId, std::int32_t quantity, int unit) const;
  std::string VerticalTitle(const TdvGraphObject& graph) const;

  // Commands.
  void EditModel();
  void EditFit();
  void ToggleLegend();
  // "Save Graph as Picture...": a file chosen by the user, at the window's size.
  void SaveGraphAsPicture();
  void OpenScale(TdvGraphAxis axis);
  TdvAxisSetting AxisSetting(TdvGraphAxis axis) const;
  void ApplyAxis(TdvGraphAxis axis, const TdvAxisSetting& setting);
  void OpenChange(TdvGraphAxis axis);
  void ChangePlot(TdvGraphAxis axis, const TdvPlotQuantity& chosen, bool replace);

  // Mouse.
  void ClickData(std::size_t graph, shell::Point point, int modifiers);
  void FinishRectangle();
  // The point drawn nearest to a pixel, and the index of its plot.
  std::optional<TdvGraphPoint> NearestPoint(std::size_t graph, shell::Point point,
                                            std::size_t* plot) const;
  std::optional<double> SlopeAt(std::size_t graph, std::size_t plot,
                                const TdvGraphPoint& point) const;

  // Drawing.
  void DrawAll(shell::Size size);
  void DrawGraph(std::size_t index);
  void DrawVerticalAxis(std::size_t index);
  void DrawPlot(const TdvGraphPlot& plot, std::span<const TdvGraphPoint> points,
                const TdvPlotFrame& frame);
  void DrawMarker(shell::Point at, int shape, int half);
  void DrawCurve(const TdvModelObject& model, const TdvPlotFrame& frame);
  void DrawLabels(std::size_t index);
  void DrawLegend(std::size_t index);
  void DrawHorizontalAxis(shell::Size size);
  void DrawReadout();
  void DrawLock();
  // The frames around the points of `time` in every plot, drawn by
  // inversion so that drawing them again takes them away.
  void InvertMarks(std::int32_t time);
  std::vector<shell::Rect> MarkRects(std::int32_t time) const;

  TdvDataObjectWindow* document_;
  std::unique_ptr<TdvGraphStack> stack_;
  TdvGraphDialogs* dialogs_;
  TdvDocumentGraphSource source_;
  std::optional<TdvGraphLayout> layout_;
  // The points of every plot, by graph and plot, made at each rescale so
  // that drawing and the readout do not walk the groups.
  std::vector<std::vector<std::vector<TdvGraphPoint>>> joined_;
  // Each graph's model r² over the shown data, found with the points.
  std::vector<double> modelRSquared_;
  bool stale_ = true;
  int currentGraph_ = 0;
  TdvGraphInfoBox infoBox_;
  shell::Point cursor_{0, 0};
  // The data point the two-point readout starts from.
  std::optional<TdvGraphPoint> anchor_;
  // The time whose marks are on the screen, and -1 for none.
  std::int32_t markedTime_ = -1;
  Drag drag_ = Drag::kNone;
  shell::Point dragStart_{0, 0};
  shell::Rect dragRect_{0, 0, 0, 0};
  int dragGraph_ = 0;
};
