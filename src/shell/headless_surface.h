#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/backend_events.h"
#include "shell/surface.h"

namespace shell {

enum class DrawOp {
  kLine,
  kFillRect,
  kFrameRect,
  kInvertRect,
  kFocusRect,
  kFillEllipse,
  kFrameEllipse,
  kArc,
  kFillPolygon,
  kText,
  kVerticalText,
  kPicture,
  kIcon,
};

// One drawing operation as it reached a surface: device coordinates (origin
// and scale already applied) and the drawing state it used.
struct DrawRecord {
  WindowHandle target = kNoWindow;  // kNoWindow for pictures in memory and pages
  DrawOp op = DrawOp::kLine;
  std::vector<Point> points;  // line ends, arc ends, polygon corners, text start
  Rect rect;                  // rectangles, ellipse bounds, picture destination
  std::string text;
  int resource = 0;
  Pen pen;
  Rgb brush = kBlack;
  Rgb textColour = kBlack;
  RasterMode mode = RasterMode::kCopy;
  FontSpec font;
};

// Text metrics of the headless surfaces: every character is a cell half as
// wide as the font is high; glyphs are solid blocks, which is all a test
// needs to find where text went.
TextMetrics HeadlessTextMetrics(const FontSpec& font, std::string_view text);

// Which pixels the current operation of a surface has touched: each pixel
// carries the number of the last operation that touched it. A window keeps
// one for all the surfaces opened on it, so that opening a surface costs
// nothing however large the window.
struct PixelMarks {
  std::vector<std::uint32_t> touched;
  std::uint32_t operation = 0;
};

// A surface that draws into a picture in memory, pixel by pixel, and
// records each operation. Each operation touches a pixel at most once, so in
// RasterMode::kXor drawing the same thing twice restores the picture.
class HeadlessSurface : public Surface {
 public:
  using Recorder = std::function<void(DrawRecord)>;
  using IconSource = std::function<std::optional<Picture>(int)>;

  // `marks` none: the surface keeps its own.
  HeadlessSurface(std::shared_ptr<Picture> pixels, WindowHandle target, Recorder recorder,
                  IconSource icons, std::shared_ptr<PixelMarks> marks = nullptr);

  Size PixelSize() const override;
  void SetPen(const Pen& pen) override { pen_ = pen; }
  void SetBrush(Rgb colour) override { brush_ = colour; }
  void SetTextColour(Rgb colour) override { textColour_ = colour; }
  void SetRasterMode(RasterMode mode) override { mode_ = mode; }
  void SetFont(const FontSpec& font) override { font_ = font; }

  void Line(Point from, Point to) override;
  void FillRect(const Rect& rect) override;
  void FrameRect(const Rect& rect) override;
  void InvertRect(const Rect& rect) override;
  void FocusRect(const Rect& rect) override;
  void FillEllipse(const Rect& bounds) override;
  void FrameEllipse(const Rect& bounds) override;
  void Arc(const Rect& bounds, Point start, Point end) override;
  void FillPolygon(std::span<const Point> corners) override;
  TextMetrics MeasureText(std::string_view text) override;
  void DrawText(std::string_view text, Point baseline) override;
  void DrawVerticalText(std::string_view text, Point baseline) override;
  void DrawPicture(const Picture& picture, const Rect& from, const Rect& to) override;
  void DrawIcon(int resourceId, Point topLeft) override;
  void DrawIconScaled(int resourceId, const Rect& to) override;
  Picture ReadPicture(const Rect& rect) const override;

  const Picture& Pixels() const { return *pixels_; }

 private:
  enum class Ink { kPen, kBrush, kText, kInvert };

  void Begin(DrawOp op, const Rect& rect, std::vector<Point> points = {}, std::string text = {},
             int resource = 0);
  void Plot(int x, int y, Rgb colour, bool invert);
  void PlotInk(int x, int y, Ink ink);
  // `oneToOne`: the row is copied unscaled.
  void CopyPictureRow(const Picture& picture, int sourceY, const std::vector<int>& sourceX,
                      bool oneToOne, Point start);
  void StampPen(int x, int y);
  void FillRectPixels(const Rect& rect, Ink ink);
  bool InEllipse(const Rect& bounds, int x, int y) const;
  template <typename Visit>
  void EllipseOutline(const Rect& bounds, Visit visit) const;
  void Glyphs(std::string_view text, Point baseline, bool vertical);

  std::shared_ptr<Picture> pixels_;
  WindowHandle target_;
  Recorder recorder_;
  IconSource icons_;
  Pen pen_;
  Rgb brush_ = kBlack;
  Rgb textColour_ = kBlack;
  RasterMode mode_ = RasterMode::kCopy;
  FontSpec font_;
  std::shared_ptr<PixelMarks> marks_;
};

}  // namespace shell
