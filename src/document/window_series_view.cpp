#include "document/window_series_view.h"

#include "shell/app_window.h"
#include "shell/shell.h"
#include "shell/window.h"

namespace {

constexpr int kSmallTextSize = 9;

}  // namespace

TdvWindowSeriesView::TdvWindowSeriesView(TdvWindow& window)
    : window(window), textSize(window.text.size) {
  window.GfxSetTextSize(kSmallTextSize);
}

TdvWindowSeriesView::~TdvWindowSeriesView() {
  window.GfxSetTextSize(textSize);
}

TdvRect TdvWindowSeriesView::PictureRect() const {
  return TdvRect{0, 0, window.clientSize.width, window.clientSize.height};
}

void TdvWindowSeriesView::SetColour(TdvColour colour) {
  window.GfxSetFGColor(colour);
}

void TdvWindowSeriesView::SetPenWidth(int width) {
  window.GfxSetPenSize(width);
}

void TdvWindowSeriesView::SetExclusiveOr(bool on) {
  window.GfxSetPenMode(on ? kTdvPenXor : kTdvPenNormal);
}

void TdvWindowSeriesView::Line(const TdvPoint& from, const TdvPoint& to) {
  window.GfxMoveTo(from.x, from.y);
  window.GfxLineTo(to.x, to.y);
}

void TdvWindowSeriesView::FrameRect(const TdvRect& rect) {
  window.GfxFrameRect(rect);
}

void TdvWindowSeriesView::FillRect(const TdvRect& rect) {
  window.GfxFillRect(rect);
}

void TdvWindowSeriesView::FrameEllipse(const TdvRect& bounds) {
  window.GfxFrameOval(bounds);
}

void TdvWindowSeriesView::Arc(const TdvRect& bounds, const TdvPoint& start, const TdvPoint& end) {
  window.GfxArc(bounds, start, end);
}

void TdvWindowSeriesView::ArrowHead(const TdvPoint& from, const TdvPoint& to, int size) {
  window.GfxArrowHead(from.x, from.y, to.x, to.y, size);
}

void TdvWindowSeriesView::SmallText(const std::string& text, const TdvPoint& at) {
  window.GfxDrawText(text, at.x, at.y);
}

TdvRect TdvWindowSeriesView::SmallTextRect(const std::string& text, const TdvPoint& at) {
  shell::TextMetrics metrics = window.GfxMeasureText(text);
  return TdvRect{at.x, at.y - metrics.ascent, at.x + metrics.width, at.y + metrics.descent};
}

void TdvWindowSeriesView::BitmapMarker(const TdvPoint& centre, int shape, int sizeClass,
                                       int colour) {
  if (TdvAppWindow* frame = TdvShell::Get().Frame()) {
    frame->DrawBitmapMarker(centre.x, centre.y, shape, sizeClass, colour, &window);
  }
}
