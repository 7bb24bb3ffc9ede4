#pragma once

#include "model/series_view.h"

class TdvDataObjectWindow;
class TdvMovieLink;
class TdvWindow;

// The movie window as the document's series draw on it: its client
// pixels, the picture's place in them and the frame's marker sheets.
class TdvMovieView : public TdvSeriesView {
 public:
  // Draws in the small font; the window gets back its own text size
  // afterwards.
  TdvMovieView(TdvDataObjectWindow& document, TdvMovieLink& movie, TdvWindow& window);
  ~TdvMovieView() override;
  TdvMovieView(const TdvMovieView&) = delete;
  TdvMovieView& operator=(const TdvMovieView&) = delete;

  TdvPoint ToWindow(const TdvPoint& movieUnits) const override;
  TdvRect PictureRect() const override { return picture; }
  bool IsSelected(std::int32_t id) const override;
  bool ConvertPoint(TdvRealPoint& point, std::int32_t originRef, std::uint8_t lengthUnit,
                    std::string& unitLabel, std::int32_t frame) override;

  void SetColour(TdvColour colour) override;
  void SetPenWidth(int width) override;
  void SetExclusiveOr(bool on) override;
  void Line(const TdvPoint& from, const TdvPoint& to) override;
  void FrameRect(const TdvRect& rect) override;
  void FillRect(const TdvRect& rect) override;
  void FrameEllipse(const TdvRect& bounds) override;
  void Arc(const TdvRect& bounds, const TdvPoint& start, const TdvPoint& end) override;
  void ArrowHead(const TdvPoint& from, const TdvPoint& to, int size) override;
  void SmallText(const std::string& text, const TdvPoint& at) override;
  TdvRect SmallTextRect(const std::string& text, const TdvPoint& at) override;
  void BitmapMarker(const TdvPoint& centre, int shape, int sizeClass, int colour) override;

 private:
  TdvDataObjectWindow& document;
  TdvMovieLink& movie;
  TdvWindow& window;
  TdvRect picture;
  int textSize;
};
