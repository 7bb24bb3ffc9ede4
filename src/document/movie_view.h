#pragma once

#include <string>
#include <vector>

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
  // A label sits on a chip of the colour that contrasts with its own, so
  // that it reads on any picture; one that would cover a label already
  // drawn moves up above it. The rectangle of a label drawn is where it
  // went.
  void SmallText(const std::string& text, const TdvPoint& at) override;
  TdvRect SmallTextRect(const std::string& text, const TdvPoint& at) override;

 private:
  struct PlacedLabel {
    std::string text;
    TdvPoint at;
    TdvRect rect;
  };
  // A label's rectangle moved up until it covers none placed before it.
  TdvRect PlaceLabel(TdvRect rect);

  std::vector<PlacedLabel> labels;
  TdvDataObjectWindow& document;
  TdvMovieLink& movie;
  TdvRect picture;
};
