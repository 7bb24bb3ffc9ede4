#include "document/movie_view.h"

#include "document/data_object_window.h"
#include "shell/app_window.h"
#include "shell/shell.h"

namespace {

constexpr int kSmallTextSize = 9;

}  // namespace

TdvMovieView::TdvMovieView(TdvDataObjectWindow& document, TdvMovieLink& movie, TdvWindow& window)
    : document(document),
      movie(movie),
      window(window),
      picture(movie.PictureRect()),
      textSize(window.text.size) {
  window.GfxSetTextSize(kSmallTextSize);
}

TdvMovieView::~TdvMovieView() {
  window.GfxSetTextSize(textSize);
}

TdvPoint TdvMovieView::ToWindow(const TdvPoint& movieUnits) const {
  return movie.ToWindow(movieUnits);
}

bool TdvMovieView::IsSelected(std::int32_t id) const {
  return document.IsSelected(id);
}

bool TdvMovieView::ConvertPoint(TdvRealPoint& point, std::int32_t originRef,
                                std::uint8_t lengthUnit, std::string& unitLabel,
                                std::int32_t frame) {
  return document.ConvertPoint(point, originRef, lengthUnit, unitLabel, frame);
}

void TdvMovieView::SetColour(TdvColour colour) {
  window.GfxSetFGColor(colour);
}

void TdvMovieView::SetPenWidth(int width) {
  window.GfxSetPenSize(width);
}

void TdvMovieView::SetExclusiveOr(bool on) {
  window.GfxSetPenMode(on ? kTdvPenXor : kTdvPenNormal);
}

void TdvMovieView::Line(const TdvPoint& from, const TdvPoint& to) {
  window.GfxMoveTo(from.x, from.y);
  window.GfxLineTo(to.x, to.y);
}

void TdvMovieView::FrameRect(const TdvRect& rect) {
  window.GfxFrameRect(rect);
}

void TdvMovieView::FillRect(const TdvRect& rect) {
  window.GfxFillRect(rect);
}

void TdvMovieView::FrameEllipse(const TdvRect& bounds) {
  window.GfxFrameOval(bounds);
}

void TdvMovieView::Arc(const TdvRect& bounds, const TdvPoint& start, const TdvPoint& end) {
  window.GfxArc(bounds, start, end);
}

void TdvMovieView::ArrowHead(const TdvPoint& from, const TdvPoint& to, int size) {
  window.GfxArrowHead(from.x, from.y, to.x, to.y, size);
}

void TdvMovieView::SmallText(const std::string& text, const TdvPoint& at) {
  window.GfxDrawText(text, at.x, at.y);
}

TdvRect TdvMovieView::SmallTextRect(const std::string& text, const TdvPoint& at) {
  shell::TextMetrics metrics = window.GfxMeasureText(text);
  return TdvRect{at.x, at.y - metrics.ascent, at.x + metrics.width, at.y + metrics.descent};
}

void TdvMovieView::BitmapMarker(const TdvPoint& centre, int shape, int sizeClass, int colour) {
  if (TdvAppWindow* frame = TdvShell::Get().Frame()) {
    frame->DrawBitmapMarker(centre.x, centre.y, shape, sizeClass, colour, &window);
  }
}
