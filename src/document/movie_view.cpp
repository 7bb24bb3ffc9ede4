#include "document/movie_view.h"

#include "document/data_object_window.h"

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
