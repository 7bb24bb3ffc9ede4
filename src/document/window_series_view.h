#pragma once

#include "model/series_view.h"

class TdvWindow;

// Series drawing onto a window through its Gfx operations, positions in
// the window's own pixels. The coordinate-systems window draws the item
// rows through it; the movie window's view adds the picture's place.
class TdvWindowSeriesView : public TdvSeriesView {
 public:
  // Draws in the small font; the window gets back its own text size
  // afterwards.
  explicit TdvWindowSeriesView(TdvWindow& window);
  ~TdvWindowSeriesView() override;
  TdvWindowSeriesView(const TdvWindowSeriesView&) = delete;
  TdvWindowSeriesView& operator=(const TdvWindowSeriesView&) = delete;

  TdvPoint ToWindow(const TdvPoint& position) const override { return position; }
  TdvRect PictureRect() const override;

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

 protected:
  TdvWindow& window;

 private:
  int textSize;
};
