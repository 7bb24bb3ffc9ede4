#include "document/movie_view.h"

#include <algorithm>

#include "document/data_object_window.h"

namespace {

// The chip reaches this far beyond the text.
constexpr int kChipMargin = 1;
// Labels brighter than this get a black chip, the others a white one.
constexpr int kBrightLabel = 140;
// A crowded spot gives up moving labels after this many.
constexpr int kMostMoves = 8;

TdvRect Inflated(const TdvRect& rect, int by) {
  return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

int Brightness(shell::Rgb colour) {
  return (299 * RedOf(colour) + 587 * GreenOf(colour) + 114 * BlueOf(colour)) / 1000;
}

}  // namespace

TdvMovieView::TdvMovieView(TdvDataObjectWindow& document, TdvMovieLink& movie, TdvWindow& window)
    : TdvWindowSeriesView(window), document(document), movie(movie), picture(movie.PictureRect()) {}

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

TdvRect TdvMovieView::PlaceLabel(TdvRect rect) {
  for (int move = 0; move < kMostMoves; ++move) {
    auto covered = std::find_if(labels.begin(), labels.end(), [&](const PlacedLabel& label) {
      return IntersectRects(Inflated(label.rect, kChipMargin), Inflated(rect, kChipMargin))
          .has_value();
    });
    if (covered == labels.end()) {
      break;
    }
    const int up = rect.bottom - covered->rect.top + 2 * kChipMargin;
    rect.top -= up;
    rect.bottom -= up;
  }
  return rect;
}

TdvRect TdvMovieView::SmallTextRect(const std::string& text, const TdvPoint& at) {
  for (const PlacedLabel& label : labels) {
    if (label.text == text && label.at == at) {
      return label.rect;
    }
  }
  return PlaceLabel(TdvWindowSeriesView::SmallTextRect(text, at));
}

void TdvMovieView::SmallText(const std::string& text, const TdvPoint& at) {
  const TdvRect natural = TdvWindowSeriesView::SmallTextRect(text, at);
  const TdvRect rect = PlaceLabel(natural);
  labels.push_back({text, at, rect});
  const shell::Rgb ink = window.fgColor;
  window.GfxSetFGColor(Brightness(ink) > kBrightLabel ? shell::kBlack : shell::kWhite);
  window.GfxFillRect(Inflated(rect, kChipMargin));
  window.GfxSetFGColor(ink);
  const int moved = rect.top - natural.top;
  TdvWindowSeriesView::SmallText(text, {at.x, at.y + moved});
}
