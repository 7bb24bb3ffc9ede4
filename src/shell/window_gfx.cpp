#include <algorithm>
#include <cmath>

#include "foundation/angles.h"
#include "foundation/colour.h"
#include "foundation/geometry.h"
#include "shell/shell.h"
#include "shell/window.h"

namespace {

shell::Rect Normalised(shell::Rect r) {
  if (r.left > r.right) {
    std::swap(r.left, r.right);
  }
  if (r.top > r.bottom) {
    std::swap(r.top, r.bottom);
  }
  return r;
}

}  // namespace

shell::Point TdvWindow::ToDevice(int x, int y) const {
  return {RoundHalfAway(origin.x + x * static_cast<double>(scale.x)),
          RoundHalfAway(origin.y + y * static_cast<double>(scale.y))};
}

shell::Rect TdvWindow::ToDevice(const shell::Rect& r) const {
  shell::Point topLeft = ToDevice(r.left, r.top);
  shell::Point bottomRight = ToDevice(r.right, r.bottom);
  return Normalised({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
}

shell::FontSpec TdvWindow::TextFont() const {
  shell::FontSpec request;
  request.face = shell::FontFace::kHelv;
  request.height = std::max(1, RoundHalfAway(text.size * static_cast<double>(scale.y)));
  request.bold = text.bold;
  request.italic = text.italic;
  request.underline = text.underline;
  return request;
}

void TdvWindow::SelectTextFont() {
  if (dc != nullptr) {
    dc->SetFont(TextFont());
  }
}

void TdvWindow::DrawWithRaster(shell::RasterMode mode, const std::function<void()>& draw) {
  if (dc == nullptr) {
    return;
  }
  dc->SetRasterMode(mode);
  draw();
  dc->SetRasterMode(penMode == kTdvPenXor ? shell::RasterMode::kXor : shell::RasterMode::kCopy);
}

void TdvWindow::GfxSetFGColor(shell::Rgb colour) {
  fgColor = colour;
  if (dc == nullptr) {
    return;
  }
  dc->SetTextColour(colour);
  dc->SetBrush(colour);
  dc->SetPen({colour, penSize});
}

void TdvWindow::GfxSetColorCode(int code) {
  TdvColour colour = fgColor;
  if (code >= 0 && ColourFromCode(colour, static_cast<unsigned>(code))) {
    GfxSetFGColor(colour);
  }
}

void TdvWindow::GfxSetPenSize(int size) {
  penSize = static_cast<std::int16_t>(
      std::clamp(RoundHalfAway(size * static_cast<double>(scale.x)), 1, 0x7FFF));
  if (dc != nullptr) {
    dc->SetPen({fgColor, penSize});
  }
}

void TdvWindow::GfxSetPenMode(int mode) {
  penMode = static_cast<std::uint8_t>(mode);
  if (dc != nullptr) {
    dc->SetRasterMode(penMode == kTdvPenXor ? shell::RasterMode::kXor : shell::RasterMode::kCopy);
  }
}

void TdvWindow::GfxMoveTo(int x, int y) {
  penPosition_ = ToDevice(x, y);
}

void TdvWindow::GfxLineTo(int x, int y) {
  shell::Point to = ToDevice(x, y);
  if (dc != nullptr) {
    dc->Line(penPosition_, to);
  }
  penPosition_ = to;
}

// Rectangle fills and frames take the brush as it is, whatever the pen
// mode; rubber bands use GfxInvertRect or GfxFocusRect.
void TdvWindow::GfxFillRect(const shell::Rect& r) {
  DrawWithRaster(shell::RasterMode::kCopy, [&] { dc->FillRect(ToDevice(r)); });
}

void TdvWindow::GfxFrameRect(const shell::Rect& r) {
  DrawWithRaster(shell::RasterMode::kCopy, [&] { dc->FrameRect(ToDevice(r)); });
}

void TdvWindow::GfxEraseRect(const shell::Rect& r) {
  DrawWithRaster(shell::RasterMode::kCopy, [&] {
    dc->SetBrush(shell::kWhite);
    dc->FillRect(ToDevice(r));
    dc->SetBrush(fgColor);
  });
}

void TdvWindow::GfxInvertRect(const shell::Rect& r) {
  if (dc != nullptr) {
    dc->InvertRect(ToDevice(r));
  }
}

void TdvWindow::GfxFocusRect(const shell::Rect& r) {
  if (dc != nullptr) {
    dc->FocusRect(ToDevice(r));
  }
}

void TdvWindow::GfxFillOval(const shell::Rect& r) {
  if (dc != nullptr) {
    dc->FillEllipse(ToDevice(r));
  }
}

void TdvWindow::GfxFrameOval(const shell::Rect& r) {
  if (dc == nullptr) {
    return;
  }
  if (penMode != kTdvPenXor) {
    dc->FrameEllipse(ToDevice(r));
    return;
  }
  dc->SetPen({shell::kYellow, penSize});
  dc->FrameEllipse(ToDevice(r));
  dc->SetPen({fgColor, penSize});
}

void TdvWindow::GfxArc(const shell::Rect& r, shell::Point start, shell::Point end) {
  if (dc != nullptr) {
    dc->Arc(ToDevice(r), ToDevice(start.x, start.y), ToDevice(end.x, end.y));
  }
}

void TdvWindow::GfxArrowHead(int x1, int y1, int x2, int y2, int size) {
  if (dc == nullptr) {
    return;
  }
  double theta;
  if (x1 == x2) {
    theta = y1 < y2 ? -kHalfPi : kHalfPi;
  } else {
    theta = std::atan2(static_cast<double>(y1 - y2), static_cast<double>(x1 - x2));
  }
  const double length = size * static_cast<double>(scale.x);
  shell::Point tip = ToDevice(x2, y2);
  shell::Point corners[3] = {tip, tip, tip};
  const double spread = kPi / 8;
  corners[1].x += RoundHalfAway(length * std::cos(theta - spread));
  corners[1].y += RoundHalfAway(length * std::sin(theta - spread));
  corners[2].x += RoundHalfAway(length * std::cos(theta + spread));
  corners[2].y += RoundHalfAway(length * std::sin(theta + spread));
  dc->FillPolygon(corners);
}

void TdvWindow::GfxDrawText(const std::string& line, int x, int y) {
  if (penMode != kTdvPenNormal && penMode != kTdvPenXor) {
    Fault("current draw mode not supported", "TdvWindow::GfxDrawText");
    return;
  }
  if (dc != nullptr) {
    dc->DrawText(line, ToDevice(x, y));
  }
}

shell::TextMetrics TdvWindow::GfxMeasureText(const std::string& line) {
  return dc == nullptr ? shell::TextMetrics{} : dc->MeasureText(line);
}

void TdvWindow::GfxDrawTextInRect(const std::string& line, const shell::Rect& r, int hAlign,
                                  int vAlign) {
  if (dc == nullptr) {
    return;
  }
  shell::Rect area = ToDevice(r);
  shell::TextMetrics metrics = dc->MeasureText(line);
  int x = area.left;
  if (hAlign == 1) {
    x = area.left + (shell::RectWidth(area) - metrics.width) / 2;
  } else if (hAlign == 2) {
    x = area.right - metrics.width;
  }
  int y = area.top + metrics.ascent;
  if (vAlign == 1) {
    y = area.top + (shell::RectHeight(area) - metrics.height()) / 2 + metrics.ascent;
  } else if (vAlign == 2) {
    y = area.bottom - metrics.descent;
  }
  dc->DrawText(line, {x, y});
}

void TdvWindow::GfxDrawVerticalText(const std::string& line, const shell::Rect& r) {
  if (dc == nullptr) {
    return;
  }
  constexpr int kVerticalTextHeight = 10;
  dc->SetFont({shell::FontFace::kArial, kVerticalTextHeight});
  shell::TextMetrics metrics = dc->MeasureText(line);
  const int x = r.right - 12 + metrics.ascent;
  const int y = r.top + (r.bottom - r.top + metrics.width) / 2;
  dc->DrawVerticalText(line, {x, y});
  dc->SetFont(TextFont());
}

void TdvWindow::GfxDrawBitmap(int resource, const shell::Rect& r, int mode) {
  constexpr int kOwnSize = 100;
  std::optional<shell::Picture> picture = Backend().BitmapResource(resource);
  if (!picture) {
    Fault("Select Object Failed", "TdvWindow::GfxDrawBitmap");
    return;
  }
  if (dc == nullptr) {
    return;
  }
  shell::Rect whole{0, 0, picture->Width(), picture->Height()};
  shell::Rect target = mode == kOwnSize ? whole : ToDevice(r);
  DrawWithRaster(shell::RasterMode::kCopy, [&] { dc->DrawPicture(*picture, whole, target); });
}

void TdvWindow::GfxDrawIcon(int resource, int x, int y) {
  if (dc != nullptr) {
    dc->DrawIcon(resource, ToDevice(x, y));
  }
}

void TdvWindow::GfxSetTextSize(int size) {
  text.size = size;
  text.lineHeight = size * 1.33;
  SelectTextFont();
}

void TdvWindow::GfxSetBold(bool on) {
  text.bold = on;
  SelectTextFont();
}

void TdvWindow::GfxSetItalic(bool on) {
  text.italic = on;
  SelectTextFont();
}

void TdvWindow::GfxSetUnderline(bool on) {
  text.underline = on;
  SelectTextFont();
}

void TdvWindow::GfxSetTextFace(int face) {
  text.face = face;
  SelectTextFont();
}

void TdvWindow::GfxResetTextAttributes() {
  text.bold = false;
  text.italic = false;
  text.underline = false;
  SelectTextFont();
}
