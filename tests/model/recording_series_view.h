#pragma once

#include <string>
#include <vector>

#include "model/series_view.h"

// A movie view that records what series draw on it. Movie units become
// window pixels at the given zoom (pixels per movie unit) below and right
// of `corner`, as the movie window shows its picture.
class RecordingSeriesView : public TdvSeriesView {
 public:
  struct Mark {
    std::string kind;
    TdvRect rect;
    TdvColour colour;
    int penWidth;
    // Bitmap markers: the shape, size class and colour index drawn.
    int shape = -1;
    int sizeClass = -1;
    int colourIndex = -1;
  };

  TdvPoint ToWindow(const TdvPoint& units) const override {
    return TdvPoint{corner.x + static_cast<int>(units.x * zoom),
                    corner.y - static_cast<int>(units.y * zoom)};
  }
  TdvRect PictureRect() const override { return picture; }

  void SetColour(TdvColour value) override { colour = value; }
  void SetPenWidth(int width) override { penWidth = width; }
  void SetExclusiveOr(bool) override {}
  void Line(const TdvPoint& from, const TdvPoint& to) override {
    Add("line", TdvRect{from.x, from.y, to.x, to.y});
  }
  void FrameRect(const TdvRect& rect) override { Add("frame", rect); }
  void FillRect(const TdvRect& rect) override { Add("fill", rect); }
  void FrameEllipse(const TdvRect& rect) override { Add("ellipse", rect); }
  void Arc(const TdvRect& rect, const TdvPoint&, const TdvPoint&) override { Add("arc", rect); }
  void ArrowHead(const TdvPoint& from, const TdvPoint& to, int) override {
    Add("arrow", TdvRect{from.x, from.y, to.x, to.y});
  }
  void SmallText(const std::string& text, const TdvPoint& at) override {
    texts.push_back(text);
    Add("text", TdvRect{at.x, at.y, at.x, at.y});
  }
  TdvRect SmallTextRect(const std::string& text, const TdvPoint& at) override {
    return TdvRect{at.x, at.y - 8, at.x + 6 * static_cast<int>(text.size()), at.y + 2};
  }
  void BitmapMarker(const TdvPoint& centre, int shape, int sizeClass, int index) override {
    marks.push_back({"marker", TdvRect{centre.x, centre.y, centre.x, centre.y}, colour, penWidth,
                     shape, sizeClass, index});
  }

  std::vector<Mark> Of(const std::string& kind) const {
    std::vector<Mark> found;
    for (const Mark& mark : marks) {
      if (mark.kind == kind) {
        found.push_back(mark);
      }
    }
    return found;
  }

  double zoom = 0.5;
  TdvPoint corner{10, 20};
  TdvRect picture{10, 20, 330, 260};
  std::vector<Mark> marks;
  std::vector<std::string> texts;

 private:
  void Add(const std::string& kind, const TdvRect& rect) {
    marks.push_back({kind, rect, colour, penWidth});
  }
  TdvColour colour = 0;
  int penWidth = 1;
};
