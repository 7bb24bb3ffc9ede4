#include "plot/graph_window.h"

#include <algorithm>
#include <cmath>

#include "document/data_object_window.h"
#include "kinematics/data_table.h"
#include "kinematics/quantity_table.h"
#include "kinematics/unit_table.h"
#include "plot/plot_choice.h"
#include "shell/backend.h"
#include "shell/shell.h"

namespace {

constexpr int kPrintCommand = 161;
constexpr int kCopyCommand = 462;
constexpr int kEditModelCommand = 551;
constexpr int kRemoveModelCommand = 552;
constexpr int kEditFitCommand = 554;
constexpr int kRemoveFitCommand = 555;
constexpr int kLegendCommand = 557;
constexpr int kSavePictureCommand = 558;

}  // namespace

TdvGraphWindow::TdvGraphWindow(TdvDataObjectWindow& document, std::unique_ptr<TdvGraphStack> stack,
                               TdvGraphDialogs* dialogs)
    : document_(&document), stack_(std::move(stack)), dialogs_(dialogs), source_(document) {
  title = "Graph";
  className = "TdvGraphChild";
  rect = stack_->rect;
  stack_->BindGroups(source_);
}

bool TdvGraphWindow::IsA(int code) const {
  return code == kClassCode || TdvDocumentWindow::IsA(code);
}

TdvDocumentWindow* TdvGraphWindow::GetDocument() {
  return document_;
}

TdvGraphObject* TdvGraphWindow::Current() const {
  const auto& graphs = stack_->Graphs();
  if (graphs.empty()) {
    return nullptr;
  }
  return graphs[static_cast<std::size_t>(
                    std::clamp<int>(currentGraph_, 0, static_cast<int>(graphs.size()) - 1))]
      .get();
}

void TdvGraphWindow::MakeCurrent(int graph) {
  currentGraph_ = graph;
  if (const TdvGraphObject* current = Current()) {
    WinCheckMenuItem(kLegendCommand, current->legendShown);
  }
  Invalidate();
}

TdvPlotFrame TdvGraphWindow::FrameOf(std::size_t graph) const {
  const TdvGraphObject& shown = *stack_->Graphs()[graph];
  const TdvHorizontalAxis& horizontal = stack_->horizontal;
  return {shown.plotArea, horizontal.axis, horizontal.pixelsPerUnit, shown.axis,
          shown.pixelsPerUnit};
}

// ------------------------------------------------------------ layout

const TdvGraphLayout& TdvGraphWindow::Layout() {
  if (stale_ || !layout_) {
    Rescale();
  }
  return *layout_;
}

std::span<const TdvGraphPoint> TdvGraphWindow::Joined(std::size_t graph, std::size_t plot) const {
  return joined_[graph][plot];
}

void TdvGraphWindow::Rescale() {
  joined_.clear();
  const TdvDataValueGroup* xs = stack_->horizontal.group;
  for (const auto& graph : stack_->Graphs()) {
    auto& plots = joined_.emplace_back();
    for (const auto& plot : graph->Plots()) {
      plots.push_back(xs != nullptr && plot->Group() != nullptr
                          ? JoinedPoints(xs->Values(), plot->Group()->Values())
                          : std::vector<TdvGraphPoint>());
    }
  }
  stack_->Rescale(clientSize.width, clientSize.height, source_);
  modelRSquared_.clear();
  for (const auto& graph : stack_->Graphs()) {
    modelRSquared_.push_back(graph->Model() != nullptr ? graph->ModelRSquared(stack_->horizontal)
                                                       : 0.0);
  }
  layout_ = LayOutGraphWindow(*stack_, clientSize);
  stale_ = false;
}

void TdvGraphWindow::PlaceFor(shell::Size size) {
  stack_->RescaleHorizontal(stack_->horizontal.autoScale, size.width, size.height);
  for (const auto& graph : stack_->Graphs()) {
    graph->RescaleVertical();
  }
  layout_ = LayOutGraphWindow(*stack_, size);
}

void TdvGraphWindow::Changed() {
  stale_ = true;
  Invalidate();
}

void TdvGraphWindow::Relayout() {
  if (!stale_ && layout_) {
    layout_ = LayOutGraphWindow(*stack_, clientSize);
  }
  Invalidate();
}

void TdvGraphWindow::BringUpToDate() {
  Changed();
  Layout();
}

void TdvGraphWindow::Invalidate() {
  if (hwnd != shell::kNoWindow) {
    Backend().Invalidate(hwnd, std::nullopt);
  }
}

int TdvGraphWindow::DoCreate() {
  TdvDocumentWindow::DoCreate();
  if (hwnd != shell::kNoWindow) {
    clientSize = Backend().ClientSize(hwnd);
  }
  stale_ = true;
  return 0;
}

int TdvGraphWindow::DoSize(int width, int height) {
  clientSize = {width, height};
  Changed();
  return 0;
}

// ------------------------------------------------------------ the document's link

void TdvGraphWindow::ItemRemoved(std::int32_t id) {
  stack_->SeriesRemoved(id);
  anchor_.reset();
  Changed();
}

// Only the old and the new frames are drawn, by inversion: the rest of the
// window stays as it is.
void TdvGraphWindow::TimeChanged(std::int32_t time) {
  if (hwnd == shell::kNoWindow || stale_ || !layout_) {
    return;
  }
  BeforePaint();
  InvertMarks(markedTime_);
  InvertMarks(time);
  AfterPaint();
  markedTime_ = time;
}

void TdvGraphWindow::WriteRecord(TdvTaggedWriter& writer) {
  if (hwnd != shell::kNoWindow) {
    stack_->rect = Backend().OuterRect(hwnd);
  }
  stack_->WriteRecord(writer);
}

void TdvGraphWindow::PlaceWindow(const TdvRect& place) {
  rect = place;
  if (hwnd != shell::kNoWindow) {
    Backend().MoveWindow(hwnd, place);
  }
}

void TdvGraphWindow::Redraw() {
  Changed();
}

void TdvGraphWindow::ForceClose() {
  CloseWindow();
}

int TdvGraphWindow::DoDestroy() {
  if (document_ != nullptr) {
    document_->RemoveGraph(this);
    stack_->ReleaseGroups();
    document_ = nullptr;
  }
  return TdvDocumentWindow::DoDestroy();
}

// ------------------------------------------------------------ commands

int TdvGraphWindow::DoCommand(int id) {
  TdvGraphObject* graph = Current();
  switch (id) {
    case kCopyCommand:
      CopyToClipboard();
      drawMode = kTdvDrawNone;
      return 0;
    case kPrintCommand:
      PrintWindow(document_ != nullptr ? document_->MovieName() : "", title, true);
      return 0;
    case kEditModelCommand:
      EditModel();
      return 0;
    case kRemoveModelCommand:
      if (graph != nullptr) {
        graph->RemoveModel();
        Changed();
      }
      return 0;
    case kEditFitCommand:
      EditFit();
      return 0;
    case kRemoveFitCommand:
      if (graph != nullptr) {
        graph->RemoveFit();
        Changed();
      }
      return 0;
    case kLegendCommand:
      ToggleLegend();
      return 0;
    case kSavePictureCommand:
      SaveGraphAsPicture();
      return 0;
    default:
      return document_ != nullptr ? document_->DoCommand(id) : kTdvNotHandled;
  }
}

int TdvGraphWindow::DoActivate(bool active) {
  const int answer = TdvDocumentWindow::DoActivate(active);
  if (active && Current() != nullptr) {
    WinCheckMenuItem(kLegendCommand, Current()->legendShown);
  }
  return answer;
}

std::vector<std::string> TdvGraphWindow::PlotNames() const {
  std::vector<std::string> names;
  if (const TdvGraphObject* graph = Current()) {
    for (const auto& plot : graph->Plots()) {
      names.push_back(AxisTitle(plot->seriesId, plot->quantity, -1));
    }
  }
  return names;
}

void TdvGraphWindow::EditModel() {
  TdvGraphObject* graph = Current();
  if (graph == nullptr) {
    return;
  }
  const bool created = graph->Model() == nullptr;
  graph->EnsureModel();
  BringUpToDate();
  if (dialogs_ != nullptr) {
    const TdvHorizontalAxis& horizontal = stack_->horizontal;
    dialogs_->EditModel(*this, *graph, PlotNames(),
                        AxisTitle(horizontal.series, horizontal.quantity, -1), created,
                        [this] { BringUpToDate(); });
  }
}

void TdvGraphWindow::EditFit() {
  TdvGraphObject* graph = Current();
  if (graph == nullptr) {
    return;
  }
  const bool created = graph->Fit() == nullptr;
  graph->EnsureFit();
  BringUpToDate();
  if (dialogs_ != nullptr) {
    dialogs_->EditFit(*this, *graph, PlotNames(), created, [this] { BringUpToDate(); });
  }
}

void TdvGraphWindow::ToggleLegend() {
  if (TdvGraphObject* graph = Current()) {
    graph->legendShown = !graph->legendShown;
    WinCheckMenuItem(kLegendCommand, graph->legendShown);
    Relayout();
  }
}

void TdvGraphWindow::OpenScale(TdvGraphAxis axis) {
  if (dialogs_ != nullptr) {
    dialogs_->GraphScale(
        *this, axis, [this](TdvGraphAxis which) { return AxisSetting(which); },
        [this](TdvGraphAxis which, const TdvAxisSetting& setting) { ApplyAxis(which, setting); });
  }
}

TdvAxisSetting TdvGraphWindow::AxisSetting(TdvGraphAxis axis) const {
  const TdvGraphObject* graph = Current();
  if (axis == TdvGraphAxis::kVertical && graph != nullptr) {
    return {graph->axis.axisMin, graph->axis.axisMax, graph->axis.ticks, graph->autoScale};
  }
  const TdvHorizontalAxis& horizontal = stack_->horizontal;
  return {horizontal.axis.axisMin, horizontal.axis.axisMax, horizontal.axis.ticks,
          horizontal.autoScale};
}

// A range that is empty, reversed or not a number changes nothing.
void TdvGraphWindow::ApplyAxis(TdvGraphAxis axis, const TdvAxisSetting& setting) {
  if (!setting.autoScale &&
      !(std::isfinite(setting.min) && std::isfinite(setting.max) && setting.min < setting.max)) {
    return;
  }
  TdvGraphObject* graph = Current();
  const bool vertical = axis == TdvGraphAxis::kVertical && graph != nullptr;
  TdvAxisScale& scale = vertical ? graph->axis : stack_->horizontal.axis;
  (vertical ? graph->autoScale : stack_->horizontal.autoScale) = setting.autoScale;
  if (!setting.autoScale) {
    scale.axisMin = setting.min;
    scale.axisMax = setting.max;
    scale.ticks = std::max(setting.ticks, 0);
  }
  Changed();
}

void TdvGraphWindow::OpenChange(TdvGraphAxis axis) {
  if (dialogs_ != nullptr && document_ != nullptr) {
    dialogs_->ChangePlot(*this, *document_, axis,
                         [this, axis](const TdvPlotQuantity& chosen, bool replace) {
                           ChangePlot(axis, chosen, replace);
                         });
  }
}

// The horizontal axis has one quantity: Add replaces it as well. A graph
// of several plots cannot tell which one a replacement is meant for.
void TdvGraphWindow::ChangePlot(TdvGraphAxis axis, const TdvPlotQuantity& chosen, bool replace) {
  TdvGraphObject* graph = Current();
  if (axis == TdvGraphAxis::kHorizontal) {
    stack_->horizontal.series = chosen.seriesId;
    stack_->horizontal.quantity = chosen.quantity;
    stack_->horizontal.autoScale = true;
  } else if (graph == nullptr) {
    stack_->AddGraph(std::make_unique<TdvGraphObject>()).AddPlot(StyledPlot(chosen, 0));
  } else if (!replace || graph->Plots().empty()) {
    graph->AddPlot(StyledPlot(chosen, graph->Plots().size()));
  } else if (graph->Plots().size() > 1) {
    TdvShell::Get().Message(shell::MessageKind::kInformation, "Graph Error",
                            "Can't change plot with > 1 item");
    return;
  } else {
    TdvGraphPlot& plot = *graph->Plots().front();
    plot.ReleaseGroup();
    plot.seriesId = chosen.seriesId;
    plot.quantity = chosen.quantity;
    graph->autoScale = true;
  }
  // Finding a group computes it afresh: done only when a plot changes.
  stack_->BindGroups(source_);
  anchor_.reset();
  Changed();
}

// ------------------------------------------------------------ names

std::string TdvGraphWindow::SeriesName(std::int32_t seriesId) const {
  if (document_ == nullptr || seriesId == TdvDataTable::kTimeSeries) {
    return "";
  }
  TdvDataObject* series = document_->GetItem(seriesId);
  return series != nullptr ? series->GetName() : "";
}

// "Ball y position [m]"; the time has no series name: "time [s]". A unit
// of -1 leaves the unit out.
std::string TdvGraphWindow::AxisTitle(std::int32_t seriesId, std::int32_t quantity,
                                      int unit) const {
  std::string name;
  QuantityName(name, quantity, false);
  const std::string series = SeriesName(seriesId);
  if (!series.empty()) {
    name = series + " " + name;
  }
  if (unit < 0) {
    return name;
  }
  std::string unitText;
  UnitText(unitText, unit);
  return unitText.empty() ? name : name + " [" + unitText + "]";
}

std::string TdvGraphWindow::VerticalTitle(const TdvGraphObject& graph) const {
  if (graph.Plots().empty()) {
    return "";
  }
  const TdvGraphPlot& first = *graph.Plots().front();
  const int unit = first.Group() != nullptr ? first.Group()->Unit() : -1;
  const bool oneSeries =
      std::all_of(graph.Plots().begin(), graph.Plots().end(),
                  [&](const auto& plot) { return plot->seriesId == first.seriesId; });
  return AxisTitle(oneSeries ? first.seriesId : TdvDataTable::kTimeSeries, first.quantity, unit);
}
