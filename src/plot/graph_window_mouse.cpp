#include <algorithm>
#include <cmath>
#include <limits>

#include "document/data_object_window.h"
#include "foundation/format_significant.h"
#include "kinematics/data_value_group.h"
#include "plot/graph_window.h"
#include "shell/shell.h"

namespace {

constexpr int kReadoutDigits = 4;
// A point lies under a click this close to it, in pixels.
constexpr int kPickDistance = 6;
// A drag rectangle smaller than this shows no range.
constexpr int kSmallestDrag = 4;

std::string Number(double value) {
  return FormatSignificant(value, kReadoutDigits, false);
}

std::string Pair(const TdvGraphPoint& point) {
  return Number(point.x) + ", " + Number(point.y);
}

shell::Rect Spanned(shell::Point a, shell::Point b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace

int TdvGraphWindow::DoMouseDown(int x, int y, int modifiers) {
  const TdvGraphHit hit = HitGraphWindow(Layout(), {x, y});
  if (hit.graph >= 0 && hit.graph != currentGraph_) {
    MakeCurrent(hit.graph);
    return 0;
  }
  switch (hit.area) {
    case TdvGraphArea::kPlot:
      ClickData(static_cast<std::size_t>(hit.graph), {x, y}, modifiers);
      break;
    case TdvGraphArea::kLegend:
      drag_ = Drag::kLegend;
      dragStart_ = {x, y};
      break;
    case TdvGraphArea::kMinimum:
    case TdvGraphArea::kMaximum:
    case TdvGraphArea::kVerticalScale:
      OpenScale(TdvGraphAxis::kVertical);
      break;
    case TdvGraphArea::kVerticalTitle:
      OpenChange(TdvGraphAxis::kVertical);
      break;
    case TdvGraphArea::kModel:
      EditModel();
      break;
    case TdvGraphArea::kFit:
      EditFit();
      break;
    case TdvGraphArea::kHorizontalMinimum:
    case TdvGraphArea::kHorizontalMaximum:
    case TdvGraphArea::kHorizontalScale:
      OpenScale(TdvGraphAxis::kHorizontal);
      break;
    case TdvGraphArea::kHorizontalTitle:
      OpenChange(TdvGraphAxis::kHorizontal);
      break;
    case TdvGraphArea::kReadout:
      infoBox_.NextMode();
      Invalidate();
      break;
    case TdvGraphArea::kLock:
      infoBox_.locked = !infoBox_.locked;
      Invalidate();
      break;
    case TdvGraphArea::kNone:
      break;
  }
  return 0;
}

// The movie goes to the frame whose horizontal value is nearest to the
// click; a point of that frame under the click selects its series.
void TdvGraphWindow::ClickData(std::size_t graph, shell::Point point, int modifiers) {
  if ((modifiers & (kTdvShiftKey | kTdvControlKey)) != 0) {
    drag_ = Drag::kRectangle;
    dragStart_ = point;
    dragRect_ = {point.x, point.y, point.x, point.y};
    dragGraph_ = static_cast<int>(graph);
    return;
  }
  const TdvDataValueGroup* xs = stack_->horizontal.group;
  if (xs == nullptr || xs->Values().empty() || document_ == nullptr) {
    return;
  }
  const TdvPlotFrame frame = FrameOf(graph);
  const double wanted = frame.XValue(point.x);
  std::int32_t nearest = xs->Values().begin()->first;
  double distance = std::numeric_limits<double>::infinity();
  for (const auto& [time, x] : xs->Values()) {
    if (std::fabs(x - wanted) < distance) {
      distance = std::fabs(x - wanted);
      nearest = time;
    }
  }
  anchor_ = TdvGraphPoint{nearest, wanted, frame.YValue(point.y)};
  const double x = xs->Values().at(nearest);
  for (const auto& plot : stack_->Graphs()[graph]->Plots()) {
    const std::optional<double> y =
        plot->Group() != nullptr ? plot->Group()->GetValue(nearest) : std::nullopt;
    if (!y || !frame.Contains(x, *y)) {
      continue;
    }
    const shell::Point at = frame.ToPixel(x, *y);
    if (std::abs(at.x - point.x) <= kPickDistance && std::abs(at.y - point.y) <= kPickDistance) {
      anchor_ = TdvGraphPoint{nearest, x, *y};
      if (plot->seriesId >= 0 && document_->GetItem(plot->seriesId) != nullptr) {
        document_->SelectItem(plot->seriesId, 0);
      }
      break;
    }
  }
  if (TdvMovieLink* movie = document_->Movie()) {
    movie->GoToTime(nearest);
  }
}

int TdvGraphWindow::DoDoubleClick(int x, int y, int) {
  const TdvGraphHit hit = HitGraphWindow(Layout(), {x, y});
  if (hit.area != TdvGraphArea::kPlot || hit.graph < 0 || dialogs_ == nullptr) {
    return 0;
  }
  const auto graph = static_cast<std::size_t>(hit.graph);
  std::size_t plotIndex = 0;
  const std::optional<TdvGraphPoint> nearest = NearestPoint(graph, {x, y}, &plotIndex);
  if (!nearest) {
    return 0;
  }
  const shell::Point at = FrameOf(graph).ToPixel(nearest->x, nearest->y);
  if (std::abs(at.x - x) > kPickDistance || std::abs(at.y - y) > kPickDistance) {
    return 0;
  }
  // The chooser is modal: the plot outlives it.
  TdvGraphPlot& plot = *stack_->Graphs()[graph]->Plots()[plotIndex];
  dialogs_->ChooseMarker(*this, plot.Style(), [this, &plot](const TdvPlotStyle& style) {
    plot.SetStyle(style);
    Invalidate();
  });
  return 0;
}

int TdvGraphWindow::DoMouseMove(int x, int y, int) {
  const shell::Point point{x, y};
  if (drag_ == Drag::kLegend) {
    if (TdvGraphObject* graph = Current()) {
      const int dx = x - dragStart_.x;
      const int dy = y - dragStart_.y;
      graph->legendRect = {graph->legendRect.left + dx, graph->legendRect.top + dy,
                           graph->legendRect.right + dx, graph->legendRect.bottom + dy};
      dragStart_ = point;
      Relayout();
    }
    return 0;
  }
  if (hwnd == shell::kNoWindow || !layout_) {
    cursor_ = point;
    return 0;
  }
  BeforePaint();
  if (drag_ == Drag::kRectangle) {
    GfxFocusRect(dragRect_);
    dragRect_ = Spanned(dragStart_, point);
    GfxFocusRect(dragRect_);
  }
  cursor_ = point;
  DrawReadout();
  AfterPaint();
  return 0;
}

int TdvGraphWindow::DoMouseUp(int x, int y, int) {
  if (drag_ == Drag::kRectangle) {
    if (hwnd != shell::kNoWindow) {
      BeforePaint();
      GfxFocusRect(dragRect_);
      AfterPaint();
    }
    dragRect_ = Spanned(dragStart_, {x, y});
    FinishRectangle();
  }
  drag_ = Drag::kNone;
  return 0;
}

// The rectangle's range becomes the fixed range of the horizontal axis
// and of its graph's vertical axis.
void TdvGraphWindow::FinishRectangle() {
  if (shell::RectWidth(dragRect_) < kSmallestDrag || shell::RectHeight(dragRect_) < kSmallestDrag ||
      dragGraph_ >= static_cast<int>(stack_->Graphs().size())) {
    return;
  }
  const TdvPlotFrame frame = FrameOf(static_cast<std::size_t>(dragGraph_));
  TdvGraphObject& graph = *stack_->Graphs()[static_cast<std::size_t>(dragGraph_)];
  stack_->horizontal.autoScale = false;
  stack_->horizontal.axis.axisMin = frame.XValue(dragRect_.left);
  stack_->horizontal.axis.axisMax = frame.XValue(dragRect_.right);
  graph.autoScale = false;
  graph.axis.axisMin = frame.YValue(dragRect_.bottom);
  graph.axis.axisMax = frame.YValue(dragRect_.top);
  Changed();
}

std::optional<TdvGraphPoint> TdvGraphWindow::NearestPoint(std::size_t graph, shell::Point point,
                                                          std::size_t* nearestPlot) const {
  std::optional<TdvGraphPoint> nearest;
  const TdvPlotFrame frame = FrameOf(graph);
  long best = std::numeric_limits<long>::max();
  for (std::size_t plot = 0; plot < stack_->Graphs()[graph]->Plots().size(); ++plot) {
    for (const TdvGraphPoint& candidate : Joined(graph, plot)) {
      if (!frame.Contains(candidate.x, candidate.y)) {
        continue;
      }
      const shell::Point at = frame.ToPixel(candidate.x, candidate.y);
      const long dx = at.x - point.x;
      const long dy = at.y - point.y;
      if (dx * dx + dy * dy < best) {
        best = dx * dx + dy * dy;
        nearest = candidate;
        if (nearestPlot != nullptr) {
          *nearestPlot = plot;
        }
      }
    }
  }
  return nearest;
}

// The slope between the visible neighbours of a point, or between the
// point and its one neighbour at an end; none for a lone point.
std::optional<double> TdvGraphWindow::SlopeAt(std::size_t graph, std::size_t plot,
                                              const TdvGraphPoint& point) const {
  const TdvPlotFrame frame = FrameOf(graph);
  std::vector<TdvGraphPoint> visible;
  for (const TdvGraphPoint& each : Joined(graph, plot)) {
    if (frame.Contains(each.x, each.y)) {
      visible.push_back(each);
    }
  }
  const auto at = std::find_if(visible.begin(), visible.end(), [&](const TdvGraphPoint& each) {
    return each.frame == point.frame;
  });
  if (at == visible.end()) {
    return std::nullopt;
  }
  const TdvGraphPoint& from = at == visible.begin() ? *at : *(at - 1);
  const TdvGraphPoint& to = at + 1 == visible.end() ? *at : *(at + 1);
  if (to.x == from.x) {
    return std::nullopt;
  }
  return (to.y - from.y) / (to.x - from.x);
}

std::string TdvGraphWindow::ReadoutText(shell::Point cursor) {
  const TdvGraphLayout& layout = Layout();
  const TdvGraphHit hit = HitGraphWindow(layout, cursor);
  const std::size_t graph = static_cast<std::size_t>(hit.graph >= 0 ? hit.graph : currentGraph_);
  if (graph >= stack_->Graphs().size()) {
    return "";
  }
  const TdvPlotFrame frame = FrameOf(graph);
  TdvGraphPoint shown{-1, frame.XValue(cursor.x), frame.YValue(cursor.y)};
  std::size_t plot = 0;
  std::optional<TdvGraphPoint> data;
  if (infoBox_.locked || infoBox_.mode == 1) {
    data = NearestPoint(graph, cursor, &plot);
  }
  if (infoBox_.locked) {
    if (!data) {
      return "";
    }
    shown = *data;
  }
  switch (infoBox_.mode) {
    case 1: {
      const std::optional<double> slope = data ? SlopeAt(graph, plot, *data) : std::nullopt;
      return "x: " + Number(shown.x) + "   slope: " + (slope ? Number(*slope) : "");
    }
    case 2: {
      if (!anchor_) {
        return "A:    B: " + Pair(shown) + "   int: ";
      }
      const std::string intercept =
          shown.x != anchor_->x
              ? Number(anchor_->y - anchor_->x * (shown.y - anchor_->y) / (shown.x - anchor_->x))
              : std::string();
      return "A: " + Pair(*anchor_) + "   B: " + Pair(shown) + "   int: " + intercept;
    }
    default:
      return "x: " + Number(shown.x) + "   y: " + Number(shown.y);
  }
}

std::string TdvGraphWindow::AreaHelp(shell::Point point) {
  const TdvGraphHit hit = HitGraphWindow(Layout(), point);
  switch (hit.area) {
    case TdvGraphArea::kPlot:
      return "Click on a point to advance the movie";
    case TdvGraphArea::kLegend:
      return "Click here to move the legend";
    case TdvGraphArea::kMinimum:
    case TdvGraphArea::kHorizontalMinimum:
      return "Click here to change the minimum value";
    case TdvGraphArea::kMaximum:
    case TdvGraphArea::kHorizontalMaximum:
      return "Click here to change the maximum value";
    case TdvGraphArea::kModel:
      return "Click here to add or edit a model";
    case TdvGraphArea::kFit:
      return "Click here to edit a fit";
    case TdvGraphArea::kVerticalScale:
      return "Click here to change the vertical scale";
    case TdvGraphArea::kVerticalTitle:
      return "Click here to edit the vertical axis";
    case TdvGraphArea::kHorizontalScale:
      return "Click here to change the scale";
    case TdvGraphArea::kHorizontalTitle:
      return "Click here to change the horizontal axis";
    case TdvGraphArea::kReadout:
      return "Displays the location of the cursor";
    case TdvGraphArea::kLock:
      return "Locks/unlocks the graph so the closest value to the cursor is displayed";
    case TdvGraphArea::kNone:
      break;
  }
  return "";
}

void TdvGraphWindow::ShowAreaHelp(int x, int y) {
  TdvShell::Get().SetHelpText(AreaHelp({x, y}));
}
