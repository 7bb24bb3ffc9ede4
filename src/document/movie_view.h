#pragma once

#include "document/window_series_view.h"

class TdvDataObjectWindow;
class TdvMovieLink;

// The movie window as the document's series draw on it: its client
// pixels, the picture's place in them and the frame's marker sheets.
class TdvMovieView : public TdvWindowSeriesView {
 public:
  TdvMovieView(TdvDataObjectWindow& document, TdvMovieLink& movie, TdvWindow& window);

  TdvPoint ToWindow(const TdvPoint& movieUnits) const override;
  TdvRect PictureRect() const override { return picture; }
  bool IsSelected(std::int32_t id) const override;
  bool ConvertPoint(TdvRealPoint& point, std::int32_t originRef, std::uint8_t lengthUnit,
                    std::string& unitLabel, std::int32_t frame) override;

 private:
  TdvDataObjectWindow& document;
  TdvMovieLink& movie;
  TdvRect picture;
};
