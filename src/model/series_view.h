#pragma once

#include <cstdint>
#include <string>

#include "foundation/colour.h"
#include "foundation/geometry.h"

// Where series draw themselves on a movie: a window whose pixels show the
// movie's picture. Positions handed in are window pixels; ToWindow turns a
// stored position (movie units, y up) into them.
class TdvSeriesView {
 public:
  virtual ~TdvSeriesView() = default;

  virtual TdvPoint ToWindow(const TdvPoint& movieUnits) const = 0;
  // The picture in window pixels: trails and axes stay inside it.
  virtual TdvRect PictureRect() const = 0;
  // Change and Vector markers are drawn only on the movie window itself,
  // not on the chooser's example.
  virtual bool IsMovieWindow() const { return true; }
  // The document's own answers a label needs.
  virtual bool IsSelected(std::int32_t /*id*/) const { return false; }
  virtual bool ConvertPoint(TdvRealPoint& /*point*/, std::int32_t /*originRef*/,
                            std::uint8_t /*lengthUnit*/, std::string& /*unitLabel*/,
                            std::int32_t /*frame*/) {
    return false;
  }

  virtual void SetColour(TdvColour colour) = 0;
  virtual void SetPenWidth(int width) = 0;
  // Exclusive-or drawing: drawing the same thing twice erases it.
  virtual void SetExclusiveOr(bool on) = 0;
  virtual void Line(const TdvPoint& from, const TdvPoint& to) = 0;
  virtual void FrameRect(const TdvRect& rect) = 0;
  virtual void FillRect(const TdvRect& rect) = 0;
  virtual void FrameEllipse(const TdvRect& bounds) = 0;
  virtual void Arc(const TdvRect& bounds, const TdvPoint& start, const TdvPoint& end) = 0;
  virtual void ArrowHead(const TdvPoint& from, const TdvPoint& to, int size) = 0;
  // Text in the small font, its baseline starting at `at`, and the
  // rectangle it covers there.
  virtual void SmallText(const std::string& text, const TdvPoint& at) = 0;
  virtual TdvRect SmallTextRect(const std::string& text, const TdvPoint& at) = 0;
  // A marker of the marker sheets (shapes 0 to 5, size classes 0 to 2,
  // marker colour indexes) centred on `centre`.
  virtual void BitmapMarker(const TdvPoint& centre, int shape, int sizeClass, int colour) = 0;
};

// The colour of a marker colour index: red, yellow, green, cyan, blue,
// magenta, grey, white, black; black for any other index.
TdvColour MarkerColourRgb(int index);
