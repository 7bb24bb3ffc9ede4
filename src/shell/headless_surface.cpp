#include "shell/headless_surface.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace shell {

namespace {

Rect Ordered(Rect r) {
  if (r.left > r.right) {
    std::swap(r.left, r.right);
  }
  if (r.top > r.bottom) {
    std::swap(r.top, r.bottom);
  }
  return r;
}

int CharWidth(const FontSpec& font) {
  return std::max(1, font.height / 2);
}

// Angle of a point about a centre, counter-clockwise as seen on the screen,
// in [0, 2π).
double ScreenAngle(double dx, double dy) {
  double angle = std::atan2(-dy, dx);
  return angle < 0 ? angle + 2 * M_PI : angle;
}

}  // namespace

TextMetrics HeadlessTextMetrics(const FontSpec& font, std::string_view text) {
  TextMetrics metrics;
  metrics.width = CharWidth(font) * static_cast<int>(text.size());
  metrics.ascent = (std::max(font.height, 1) * 3 + 2) / 4;
  metrics.descent = std::max(font.height, 1) - metrics.ascent;
  return metrics;
}

HeadlessSurface::HeadlessSurface(std::shared_ptr<Picture> pixels, WindowHandle target,
                                 Recorder recorder, IconSource icons,
                                 std::shared_ptr<PixelMarks> marks)
    : pixels_(std::move(pixels)),
      target_(target),
      recorder_(std::move(recorder)),
      icons_(std::move(icons)),
      marks_(marks ? std::move(marks) : std::make_shared<PixelMarks>()) {
  const std::size_t count =
      static_cast<std::size_t>(pixels_->Width()) * static_cast<std::size_t>(pixels_->Height());
  if (marks_->touched.size() != count) {
    marks_->touched.assign(count, 0);
    marks_->operation = 0;
  }
}

Size HeadlessSurface::PixelSize() const {
  return {pixels_->Width(), pixels_->Height()};
}

void HeadlessSurface::Begin(DrawOp op, const Rect& rect, std::vector<Point> points,
                            std::string text, int resource) {
  if (++marks_->operation == 0) {
    std::fill(marks_->touched.begin(), marks_->touched.end(), 0);
    marks_->operation = 1;
  }
  if (recorder_) {
    DrawRecord record;
    record.target = target_;
    record.op = op;
    record.points = std::move(points);
    record.rect = rect;
    record.text = std::move(text);
    record.resource = resource;
    record.pen = pen_;
    record.brush = brush_;
    record.textColour = textColour_;
    record.mode = mode_;
    record.font = font_;
    recorder_(std::move(record));
  }
}

void HeadlessSurface::Plot(int x, int y, Rgb colour, bool invert) {
  if (!pixels_->Contains(x, y)) {
    return;
  }
  std::size_t index = static_cast<std::size_t>(y) * static_cast<std::size_t>(pixels_->Width()) +
                      static_cast<std::size_t>(x);
  if (marks_->touched[index] == marks_->operation) {
    return;
  }
  marks_->touched[index] = marks_->operation;
  Rgb old = pixels_->At(x, y);
  if (invert) {
    pixels_->Set(x, y, ~old & 0xFFFFFFu);
  } else if (mode_ == RasterMode::kXor) {
    pixels_->Set(x, y, (old ^ colour) & 0xFFFFFFu);
  } else {
    pixels_->Set(x, y, colour & 0xFFFFFFu);
  }
}

void HeadlessSurface::PlotInk(int x, int y, Ink ink) {
  switch (ink) {
    case Ink::kPen:
      Plot(x, y, pen_.colour, false);
      break;
    case Ink::kBrush:
      Plot(x, y, brush_, false);
      break;
    case Ink::kText:
      Plot(x, y, textColour_, false);
      break;
    case Ink::kInvert:
      Plot(x, y, 0, true);
      break;
  }
}

void HeadlessSurface::StampPen(int x, int y) {
  const int width = std::max(pen_.width, 1);
  const int low = -(width - 1) / 2;
  for (int dy = low; dy < low + width; ++dy) {
    for (int dx = low; dx < low + width; ++dx) {
      PlotInk(x + dx, y + dy, Ink::kPen);
    }
  }
}

// Copying one colour needs no marks: touching a pixel twice within one
// operation leaves it the same. Rows are then filled whole, which is what
// keeps backgrounds and cells cheap to paint.
void HeadlessSurface::FillRectPixels(const Rect& rect, Ink ink) {
  if (mode_ == RasterMode::kCopy && ink != Ink::kInvert) {
    const Rect clipped{std::max(rect.left, 0), std::max(rect.top, 0),
                       std::min(rect.right, pixels_->Width()),
                       std::min(rect.bottom, pixels_->Height())};
    const Rgb colour = (ink == Ink::kPen    ? pen_.colour
                        : ink == Ink::kText ? textColour_
                                            : brush_) &
                       0xFFFFFFu;
    for (int y = clipped.top; y < clipped.bottom; ++y) {
      Rgb* row = pixels_->Row(y);
      std::fill(row + clipped.left, row + std::max(clipped.left, clipped.right), colour);
    }
    return;
  }
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      PlotInk(x, y, ink);
    }
  }
}

// The last point of a line is not drawn, so that joined lines meet without
// touching a pixel twice.
void HeadlessSurface::Line(Point from, Point to) {
  Begin(DrawOp::kLine, {}, {from, to});
  if (mode_ == RasterMode::kCopy && from != to && (from.x == to.x || from.y == to.y)) {
    // A straight line stamps a rectangle: the pixels visited, the pen
    // around each.
    const int width = std::max(pen_.width, 1);
    const int low = -(width - 1) / 2;
    const Point last{to.x + (from.x < to.x   ? -1
                             : from.x > to.x ? 1
                                             : 0),
                     to.y + (from.y < to.y   ? -1
                             : from.y > to.y ? 1
                                             : 0)};
    FillRectPixels({std::min(from.x, last.x) + low, std::min(from.y, last.y) + low,
                    std::max(from.x, last.x) + low + width, std::max(from.y, last.y) + low + width},
                   Ink::kPen);
    return;
  }
  const int dx = std::abs(to.x - from.x);
  const int dy = -std::abs(to.y - from.y);
  const int sx = from.x < to.x ? 1 : -1;
  const int sy = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  Point at = from;
  while (at != to) {
    StampPen(at.x, at.y);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      at.x += sx;
    }
    if (twice <= dx) {
      error += dx;
      at.y += sy;
    }
  }
}

void HeadlessSurface::FillRect(const Rect& rect) {
  Begin(DrawOp::kFillRect, rect);
  FillRectPixels(Ordered(rect), Ink::kBrush);
}

void HeadlessSurface::FrameRect(const Rect& rect) {
  Begin(DrawOp::kFrameRect, rect);
  const Rect r = Ordered(rect);
  if (RectEmpty(r)) {
    return;
  }
  FillRectPixels({r.left, r.top, r.right, r.top + 1}, Ink::kBrush);
  FillRectPixels({r.left, r.bottom - 1, r.right, r.bottom}, Ink::kBrush);
  FillRectPixels({r.left, r.top, r.left + 1, r.bottom}, Ink::kBrush);
  FillRectPixels({r.right - 1, r.top, r.right, r.bottom}, Ink::kBrush);
}

void HeadlessSurface::InvertRect(const Rect& rect) {
  Begin(DrawOp::kInvertRect, rect);
  FillRectPixels(Ordered(rect), Ink::kInvert);
}

void HeadlessSurface::FocusRect(const Rect& rect) {
  Begin(DrawOp::kFocusRect, rect);
  const Rect r = Ordered(rect);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      bool edge = y == r.top || y == r.bottom - 1 || x == r.left || x == r.right - 1;
      if (edge && (x + y) % 2 == 0) {
        PlotInk(x, y, Ink::kInvert);
      }
    }
  }
}

bool HeadlessSurface::InEllipse(const Rect& bounds, int x, int y) const {
  const double rx = (bounds.right - bounds.left) / 2.0;
  const double ry = (bounds.bottom - bounds.top) / 2.0;
  if (rx <= 0 || ry <= 0) {
    return false;
  }
  const double nx = (x + 0.5 - (bounds.left + bounds.right) / 2.0) / rx;
  const double ny = (y + 0.5 - (bounds.top + bounds.bottom) / 2.0) / ry;
  return nx * nx + ny * ny <= 1.0;
}

template <typename Visit>
void HeadlessSurface::EllipseOutline(const Rect& bounds, Visit visit) const {
  for (int y = bounds.top; y < bounds.bottom; ++y) {
    for (int x = bounds.left; x < bounds.right; ++x) {
      if (InEllipse(bounds, x, y) &&
          (!InEllipse(bounds, x - 1, y) || !InEllipse(bounds, x + 1, y) ||
           !InEllipse(bounds, x, y - 1) || !InEllipse(bounds, x, y + 1))) {
        visit(x, y);
      }
    }
  }
}

void HeadlessSurface::FillEllipse(const Rect& bounds) {
  Begin(DrawOp::kFillEllipse, bounds);
  const Rect r = Ordered(bounds);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (InEllipse(r, x, y)) {
        PlotInk(x, y, Ink::kBrush);
      }
    }
  }
}

void HeadlessSurface::FrameEllipse(const Rect& bounds) {
  Begin(DrawOp::kFrameEllipse, bounds);
  EllipseOutline(Ordered(bounds), [this](int x, int y) { StampPen(x, y); });
}

void HeadlessSurface::Arc(const Rect& bounds, Point start, Point end) {
  Begin(DrawOp::kArc, bounds, {start, end});
  const Rect r = Ordered(bounds);
  const double cx = (r.left + r.right) / 2.0;
  const double cy = (r.top + r.bottom) / 2.0;
  const double from = ScreenAngle(start.x - cx, start.y - cy);
  double sweep = ScreenAngle(end.x - cx, end.y - cy) - from;
  if (sweep <= 0) {
    sweep += 2 * M_PI;
  }
  EllipseOutline(r, [&](int x, int y) {
    double along = ScreenAngle(x + 0.5 - cx, y + 0.5 - cy) - from;
    if (along < 0) {
      along += 2 * M_PI;
    }
    if (along <= sweep) {
      StampPen(x, y);
    }
  });
}

void HeadlessSurface::FillPolygon(std::span<const Point> corners) {
  Begin(DrawOp::kFillPolygon, {}, {corners.begin(), corners.end()});
  if (corners.size() < 3) {
    return;
  }
  auto [low, high] = std::minmax_element(corners.begin(), corners.end(),
                                         [](Point a, Point b) { return a.y < b.y; });
  for (int y = low->y; y <= high->y; ++y) {
    const double centre = y + 0.5;
    std::vector<double> crossings;
    for (std::size_t i = 0; i < corners.size(); ++i) {
      Point a = corners[i];
      Point b = corners[(i + 1) % corners.size()];
      if ((a.y <= centre) != (b.y <= centre)) {
        crossings.push_back(a.x + (centre - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
      }
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      for (int x = static_cast<int>(std::ceil(crossings[i] - 0.5)); x + 0.5 <= crossings[i + 1];
           ++x) {
        PlotInk(x, y, Ink::kBrush);
      }
    }
  }
}

TextMetrics HeadlessSurface::MeasureText(std::string_view text) {
  return HeadlessTextMetrics(font_, text);
}

void HeadlessSurface::Glyphs(std::string_view text, Point baseline, bool vertical) {
  const TextMetrics metrics = HeadlessTextMetrics(font_, text);
  const int cell = CharWidth(font_);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') {
      continue;
    }
    const int offset = static_cast<int>(i) * cell;
    const int glyph = std::max(cell - 1, 1);
    Rect block = vertical ? Rect{baseline.x - metrics.ascent, baseline.y - offset - glyph,
                                 baseline.x, baseline.y - offset}
                          : Rect{baseline.x + offset, baseline.y - metrics.ascent,
                                 baseline.x + offset + glyph, baseline.y};
    FillRectPixels(block, Ink::kText);
  }
}

void HeadlessSurface::DrawText(std::string_view text, Point baseline) {
  Begin(DrawOp::kText, {}, {baseline}, std::string(text));
  Glyphs(text, baseline, false);
}

void HeadlessSurface::DrawVerticalText(std::string_view text, Point baseline) {
  Begin(DrawOp::kVerticalText, {}, {baseline}, std::string(text));
  Glyphs(text, baseline, true);
}

void HeadlessSurface::DrawPicture(const Picture& picture, const Rect& from, const Rect& to) {
  Begin(DrawOp::kPicture, to);
  const Rect source = RectEmpty(from) ? Rect{0, 0, picture.Width(), picture.Height()} : from;
  const Rect target = Ordered(to);
  const int width = RectWidth(target);
  const int height = RectHeight(target);
  if (width <= 0 || height <= 0 || RectEmpty(source)) {
    return;
  }
  std::vector<int> sourceX(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) {
    sourceX[static_cast<std::size_t>(x)] =
        source.left + static_cast<int>(static_cast<long long>(x) * RectWidth(source) / width);
  }
  for (int y = 0; y < height; ++y) {
    const int sy =
        source.top + static_cast<int>(static_cast<long long>(y) * RectHeight(source) / height);
    if (mode_ == RasterMode::kCopy) {
      CopyPictureRow(picture, sy, sourceX, RectWidth(source) == width,
                     {target.left, target.top + y});
      continue;
    }
    for (int x = 0; x < width; ++x) {
      Plot(target.left + x, target.top + y, picture.At(sourceX[static_cast<std::size_t>(x)], sy),
           false);
    }
  }
}

// Copying touches each target pixel once, so the row is written directly:
// a movie frame is drawn many times a second.
void HeadlessSurface::CopyPictureRow(const Picture& picture, int sourceY,
                                     const std::vector<int>& sourceX, bool oneToOne, Point start) {
  if (start.y < 0 || start.y >= pixels_->Height()) {
    return;
  }
  Rgb* row = pixels_->Row(start.y);
  const int count = static_cast<int>(sourceX.size());
  const int first = std::max(0, -start.x);
  const int last = std::min(count, pixels_->Width() - start.x);
  const bool rowInside = sourceY >= 0 && sourceY < picture.Height();
  const Rgb* from = rowInside
                        ? picture.Pixels().data() + static_cast<std::size_t>(sourceY) *
                                                        static_cast<std::size_t>(picture.Width())
                        : nullptr;
  if (from != nullptr && oneToOne && sourceX.front() >= 0 && sourceX.back() < picture.Width()) {
    const Rgb* source = from + sourceX[static_cast<std::size_t>(first)];
    Rgb* target = row + start.x + first;
    for (int x = 0; x < last - first; ++x) {
      target[x] = source[x] & 0xFFFFFFu;
    }
    return;
  }
  for (int x = first; x < last; ++x) {
    const int sx = sourceX[static_cast<std::size_t>(x)];
    const bool inside = from != nullptr && sx >= 0 && sx < picture.Width();
    row[start.x + x] = inside ? from[sx] & 0xFFFFFFu : kWhite;
  }
}

void HeadlessSurface::DrawIcon(int resourceId, Point topLeft) {
  std::optional<Picture> icon = icons_ ? icons_(resourceId) : std::nullopt;
  Rect area{topLeft.x, topLeft.y, topLeft.x + (icon ? icon->Width() : 0),
            topLeft.y + (icon ? icon->Height() : 0)};
  Begin(DrawOp::kIcon, area, {topLeft}, {}, resourceId);
  if (!icon) {
    return;
  }
  for (int y = 0; y < icon->Height(); ++y) {
    for (int x = 0; x < icon->Width(); ++x) {
      Plot(topLeft.x + x, topLeft.y + y, icon->At(x, y), false);
    }
  }
}

void HeadlessSurface::DrawIconScaled(int resourceId, const Rect& to) {
  std::optional<Picture> icon = icons_ ? icons_(resourceId) : std::nullopt;
  const Rect target = Ordered(to);
  Begin(DrawOp::kIcon, target, {{target.left, target.top}}, {}, resourceId);
  if (!icon || icon->Empty()) {
    return;
  }
  const int width = RectWidth(target);
  const int height = RectHeight(target);
  for (int y = 0; y < height; ++y) {
    const int sy = static_cast<int>(static_cast<long long>(y) * icon->Height() / height);
    for (int x = 0; x < width; ++x) {
      const int sx = static_cast<int>(static_cast<long long>(x) * icon->Width() / width);
      Plot(target.left + x, target.top + y, icon->At(sx, sy), false);
    }
  }
}

Picture HeadlessSurface::ReadPicture(const Rect& rect) const {
  const Rect r = Ordered(rect);
  Picture copy(RectWidth(r), RectHeight(r));
  for (int y = 0; y < copy.Height(); ++y) {
    for (int x = 0; x < copy.Width(); ++x) {
      copy.Set(x, y, pixels_->At(r.left + x, r.top + y));
    }
  }
  return copy;
}

}  // namespace shell
