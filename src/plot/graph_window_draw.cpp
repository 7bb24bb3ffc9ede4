#include <algorithm>
#include <cmath>

#include "document/data_object_window.h"
#include "foundation/format_significant.h"
#include "kinematics/data_value_group.h"
#include "plot/graph_window.h"

namespace {

constexpr int kLabelDigits = 4;
constexpr int kCurveStep = 2;
constexpr int kTickLength = 4;
constexpr shell::Rgb kGrid = shell::MakeRgb(225, 225, 225);
constexpr shell::Rgb kAxis = shell::MakeRgb(90, 90, 90);
constexpr shell::Rgb kCurrentFrame = shell::MakeRgb(150, 180, 230);
constexpr shell::Rgb kModelColour = shell::MakeRgb(0, 140, 0);
constexpr shell::Rgb kFitColour = shell::MakeRgb(190, 0, 190);

enum Align { kLeft = 0, kCentre = 1, kRight = 2 };

// A tick's value, without the rounding dust of adding steps.
double TickValue(const TdvAxisScale& axis, int tick) {
  const double value = axis.axisMin + tick * axis.step;
  return std::fabs(value) < std::fabs(axis.step) * 1e-9 ? 0.0 : value;
}

// Tick labels without the zeros that end a fraction: "0.2", "300".
std::string Label(double value) {
  std::string text = FormatSignificant(value, kLabelDigits, false);
  if (text.find('.') == std::string::npos || text.find_first_of("eE") != std::string::npos) {
    return text;
  }
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') {
    text.pop_back();
  }
  return text;
}

// Marker sizes count up from a 5-pixel marker.
int MarkerHalf(std::uint16_t size) {
  return std::min(2 + static_cast<int>(size), 12);
}

}  // namespace

void TdvGraphWindow::WinDraw(const std::optional<shell::Rect>&) {
  Layout();
  DrawAll(clientSize);
  markedTime_ = document_ != nullptr ? document_->DisplayedFrame() : -1;
}

void TdvGraphWindow::DrawContent(shell::Surface& surface, shell::Size size) {
  Layout();
  shell::Surface* const previousDc = dc;
  const std::int16_t previousMode = drawMode;
  const shell::Point previousOrigin = origin;
  const TdvScale previousScale = scale;
  dc = &surface;
  drawMode = kTdvDrawBitmap;
  origin = {0, 0};
  scale = {1.0f, 1.0f};
  GfxApplyPen();
  const bool otherSize = size != clientSize;
  if (otherSize) {
    PlaceFor(size);
  }
  DrawAll(size);
  if (otherSize) {
    PlaceFor(clientSize);
  }
  dc = previousDc;
  drawMode = previousMode;
  origin = previousOrigin;
  scale = previousScale;
  GfxApplyPen();
}

void TdvGraphWindow::DrawAll(shell::Size size) {
  GfxSetPenMode(kTdvPenNormal);
  GfxSetPenSize(1);
  GfxResetTextAttributes();
  GfxSetFGColor(shell::kWhite);
  GfxFillRect({0, 0, size.width, size.height});
  for (std::size_t index = 0; index < stack_->Graphs().size(); ++index) {
    DrawGraph(index);
  }
  DrawHorizontalAxis(size);
  DrawReadout();
  if (document_ != nullptr) {
    InvertMarks(document_->DisplayedFrame());
  }
}

void TdvGraphWindow::DrawGraph(std::size_t index) {
  const TdvGraphObject& graph = *stack_->Graphs()[index];
  const TdvGraphParts& parts = layout_->graphs[index];
  const TdvPlotFrame frame = FrameOf(index);
  const TdvAxisScale& horizontal = stack_->horizontal.axis;
  const shell::Rect& plot = parts.plot;
  if (stack_->Graphs().size() > 1 && static_cast<int>(index) == currentGraph_) {
    GfxSetFGColor(kCurrentFrame);
    GfxFrameRect(parts.area);
  }
  GfxSetFGColor(kGrid);
  for (int tick = 1; tick < horizontal.ticks; ++tick) {
    const int x = frame.ToPixel(TickValue(horizontal, tick), 0.0).x;
    GfxMoveTo(x, plot.top);
    GfxLineTo(x, plot.bottom);
  }
  for (int tick = 1; tick < graph.axis.ticks; ++tick) {
    const int y = frame.ToPixel(0.0, TickValue(graph.axis, tick)).y;
    GfxMoveTo(plot.left, y);
    GfxLineTo(plot.right, y);
  }
  DrawVerticalAxis(index);
  for (std::size_t plot = 0; plot < graph.Plots().size(); ++plot) {
    DrawPlot(*graph.Plots()[plot], Joined(index, plot), frame);
  }
  GfxSetPenSize(2);
  if (const TdvModelObject* model = graph.Model()) {
    GfxSetFGColor(kModelColour);
    DrawCurve(*model, frame);
  }
  if (const TdvFitObject* fit = graph.Fit()) {
    GfxSetFGColor(kFitColour);
    DrawCurve(*fit, frame);
  }
  GfxSetPenSize(1);
  GfxSetFGColor(kAxis);
  GfxFrameRect({plot.left, plot.top, plot.right + 1, plot.bottom + 1});
  DrawLabels(index);
  DrawLegend(index);
}

void TdvGraphWindow::DrawVerticalAxis(std::size_t index) {
  const TdvGraphObject& graph = *stack_->Graphs()[index];
  const TdvGraphParts& parts = layout_->graphs[index];
  const TdvPlotFrame frame = FrameOf(index);
  for (int tick = 0; tick <= graph.axis.ticks; ++tick) {
    const double value = TickValue(graph.axis, tick);
    const int y = frame.ToPixel(0.0, value).y;
    GfxSetFGColor(kAxis);
    GfxMoveTo(parts.plot.left - kTickLength, y);
    GfxLineTo(parts.plot.left, y);
    GfxSetFGColor(shell::kBlack);
    GfxDrawTextInRect(Label(value),
                      {parts.scale.left, y - 8, parts.plot.left - kTickLength - 2, y + 8}, kRight,
                      kCentre);
  }
  GfxDrawVerticalText(VerticalTitle(graph), parts.title);
}

void TdvGraphWindow::DrawPlot(const TdvGraphPlot& plot, std::span<const TdvGraphPoint> points,
                              const TdvPlotFrame& frame) {
  const TdvPlotTrace trace = TracePlot(points, frame, plot.connect);
  GfxSetFGColor(shell::kBlack);
  GfxSetColorCode(plot.colour);
  if (!trace.line.empty()) {
    GfxMoveTo(trace.line.front().x, trace.line.front().y);
    for (const shell::Point& point : trace.line) {
      GfxLineTo(point.x, point.y);
    }
  }
  const int half = MarkerHalf(plot.MarkerSize());
  for (const shell::Point& point : trace.markers) {
    DrawMarker(point, plot.markerShape, half);
  }
}

// Filled and open squares and circles, a cross and a plus.
void TdvGraphWindow::DrawMarker(shell::Point at, int shape, int half) {
  const shell::Rect box{at.x - half, at.y - half, at.x + half + 1, at.y + half + 1};
  switch (shape % 6) {
    case 0:
      GfxFillRect(box);
      break;
    case 1:
      GfxFrameRect(box);
      break;
    case 2:
      GfxFillOval(box);
      break;
    case 3:
      GfxFrameOval(box);
      break;
    case 4:
      GfxMoveTo(box.left, box.top);
      GfxLineTo(box.right - 1, box.bottom - 1);
      GfxMoveTo(box.left, box.bottom - 1);
      GfxLineTo(box.right - 1, box.top);
      break;
    default:
      GfxMoveTo(at.x - half, at.y);
      GfxLineTo(at.x + half, at.y);
      GfxMoveTo(at.x, at.y - half);
      GfxLineTo(at.x, at.y + half);
      break;
  }
}

// Sampled every other pixel column; where the curve has no value or
// leaves the vertical range the line breaks.
void TdvGraphWindow::DrawCurve(const TdvModelObject& model, const TdvPlotFrame& frame) {
  bool drawing = false;
  for (int x = frame.plot.left; x <= frame.plot.right; x += kCurveStep) {
    double y = 0.0;
    if (!model.Evaluate(y, frame.XValue(x)) || !std::isfinite(y) || y < frame.vertical.axisMin ||
        y > frame.vertical.axisMax) {
      drawing = false;
      continue;
    }
    const shell::Point point{x, frame.ToPixel(0.0, y).y};
    if (drawing) {
      GfxLineTo(point.x, point.y);
    } else {
      GfxMoveTo(point.x, point.y);
    }
    drawing = true;
  }
}

void TdvGraphWindow::DrawLabels(std::size_t index) {
  const TdvGraphObject& graph = *stack_->Graphs()[index];
  const TdvGraphParts& parts = layout_->graphs[index];
  if (const TdvModelObject* model = graph.Model()) {
    GfxSetFGColor(kModelColour);
    GfxDrawTextInRect(
        model->FormatLabel(true) + "   " + TdvModelObject::FormatRSquared(modelRSquared_[index]),
        parts.model, kLeft, kCentre);
  }
  if (const TdvFitObject* fit = graph.Fit()) {
    GfxSetFGColor(kFitColour);
    GfxDrawTextInRect(fit->FormatLabel(true) + "   " + fit->FormatStatistic(), parts.fit, kLeft,
                      kCentre);
  }
}

void TdvGraphWindow::DrawLegend(std::size_t index) {
  const TdvGraphObject& graph = *stack_->Graphs()[index];
  const shell::Rect& box = layout_->graphs[index].legend;
  if (!graph.legendShown) {
    return;
  }
  GfxSetFGColor(shell::kWhite);
  GfxFillRect(box);
  GfxSetFGColor(kAxis);
  GfxFrameRect(box);
  int top = box.top;
  for (const auto& plot : graph.Plots()) {
    const int middle = top + kGraphLegendLine / 2;
    GfxSetFGColor(shell::kBlack);
    GfxSetColorCode(plot->colour);
    GfxMoveTo(box.left + 4, middle);
    GfxLineTo(box.left + 24, middle);
    DrawMarker({box.left + 14, middle}, plot->markerShape, 3);
    GfxSetFGColor(shell::kBlack);
    GfxDrawTextInRect(AxisTitle(plot->seriesId, plot->quantity, -1),
                      {box.left + 30, top, box.right - 2, top + kGraphLegendLine}, kLeft, kCentre);
    top += kGraphLegendLine;
  }
}

void TdvGraphWindow::DrawHorizontalAxis(shell::Size size) {
  if (stack_->Graphs().empty()) {
    return;
  }
  const TdvGraphLayout& layout = *layout_;
  const TdvPlotFrame frame = FrameOf(stack_->Graphs().size() - 1);
  const TdvAxisScale& axis = stack_->horizontal.axis;
  for (int tick = 0; tick <= axis.ticks; ++tick) {
    const double value = TickValue(axis, tick);
    const int x = frame.ToPixel(value, 0.0).x;
    GfxSetFGColor(kAxis);
    GfxMoveTo(x, frame.plot.bottom);
    GfxLineTo(x, frame.plot.bottom + kTickLength);
    GfxSetFGColor(shell::kBlack);
    GfxDrawTextInRect(Label(value),
                      {x - 40, layout.strip.top, x + 40, layout.strip.top + kGraphStripLine},
                      kCentre, kCentre);
  }
  const TdvHorizontalAxis& horizontal = stack_->horizontal;
  const int unit = horizontal.group != nullptr ? horizontal.group->Unit() : -1;
  GfxDrawTextInRect(
      AxisTitle(horizontal.series, horizontal.quantity, unit),
      {layout.horizontalTitle.left, layout.horizontalTitle.top,
       std::min(layout.horizontalTitle.right, size.width), layout.horizontalTitle.bottom},
      kCentre, kCentre);
}

void TdvGraphWindow::DrawReadout() {
  const shell::Rect& box = layout_->readout;
  GfxSetFGColor(shell::kWhite);
  GfxFillRect(box);
  GfxSetFGColor(shell::kBlack);
  GfxDrawTextInRect(ReadoutText(cursor_), box, kLeft, kCentre);
  DrawLock();
}

// A padlock: its shackle stands open above the body while unlocked.
void TdvGraphWindow::DrawLock() {
  const shell::Rect& box = layout_->lock;
  GfxSetFGColor(shell::kWhite);
  GfxFillRect(box);
  GfxSetFGColor(infoBox_.locked ? shell::kBlack : kAxis);
  const int bodyTop = box.top + shell::RectHeight(box) / 2;
  GfxFillRect({box.left + 1, bodyTop, box.right - 1, box.bottom});
  const int lift = infoBox_.locked ? 0 : 3;
  const int left = box.left + 3;
  const int right = box.right - 4;
  GfxMoveTo(left, bodyTop - (infoBox_.locked ? 0 : lift + 1));
  GfxLineTo(left, box.top + 2 - lift);
  GfxLineTo(left + 2, box.top - lift);
  GfxLineTo(right - 2, box.top - lift);
  GfxLineTo(right, box.top + 2 - lift);
  GfxLineTo(right, bodyTop);
}

std::vector<shell::Rect> TdvGraphWindow::MarkRects(std::int32_t time) const {
  std::vector<shell::Rect> rects;
  const TdvDataValueGroup* xs = stack_->horizontal.group;
  if (time < 0 || xs == nullptr) {
    return rects;
  }
  const std::optional<double> x = xs->GetValue(time);
  if (!x) {
    return rects;
  }
  for (std::size_t index = 0; index < stack_->Graphs().size(); ++index) {
    const TdvPlotFrame frame = FrameOf(index);
    for (const auto& plot : stack_->Graphs()[index]->Plots()) {
      const std::optional<double> y =
          plot->Group() != nullptr ? plot->Group()->GetValue(time) : std::nullopt;
      if (y && frame.Contains(*x, *y)) {
        const shell::Point p = frame.ToPixel(*x, *y);
        rects.push_back({p.x - 11, p.y - 10, p.x + 12, p.y + 11});
      }
    }
  }
  return rects;
}

// Four edges that never overlap, so that every pixel is inverted once.
void TdvGraphWindow::InvertMarks(std::int32_t time) {
  for (const shell::Rect& r : MarkRects(time)) {
    GfxInvertRect({r.left, r.top, r.right, r.top + 1});
    GfxInvertRect({r.left, r.bottom - 1, r.right, r.bottom});
    GfxInvertRect({r.left, r.top + 1, r.left + 1, r.bottom - 1});
    GfxInvertRect({r.right - 1, r.top + 1, r.right, r.bottom - 1});
  }
}
