#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/colour.h"
#include "foundation/geometry.h"

namespace shell {

// Colours travel as the foundation's 0x00BBGGRR values (red in the low
// byte), so a colour code's value is drawn unchanged.
using Rgb = TdvColour;

constexpr Rgb MakeRgb(int red, int green, int blue) {
  return MakeColour(red, green, blue);
}
using ::BlueOf;
using ::GreenOf;
using ::RedOf;

constexpr Rgb kBlack = MakeRgb(0, 0, 0);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kYellow = MakeRgb(255, 255, 0);

// Points and rectangles are the foundation's integer types: (x, y) and
// (left, top, right, bottom) in pixels. Filling a rectangle covers
// left..right-1 and top..bottom-1; outlines and ellipses stay inside the
// same pixels.
using Point = TdvPoint;
using Rect = TdvRect;

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

constexpr int RectWidth(const Rect& rect) {
  return rect.right - rect.left;
}
constexpr int RectHeight(const Rect& rect) {
  return rect.bottom - rect.top;
}
constexpr bool RectEmpty(const Rect& rect) {
  return rect.right <= rect.left || rect.bottom <= rect.top;
}

// How a drawing operation combines its colour with the pixels under it.
// Xor inverts the destination with the colour, so drawing the same thing
// twice restores the picture.
enum class RasterMode { kCopy, kXor };

struct Pen {
  Rgb colour = kBlack;
  int width = 1;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// Faces the program asks for; backends map them to the desktop's fonts.
enum class FontFace {
  kHelv,    // the window text face (a sans-serif)
  kSystem,  // the dialog face
  kArial,   // vertical axis labels
};

struct FontSpec {
  FontFace face = FontFace::kHelv;
  int height = 8;  // cell height (ascent + descent) in device pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct TextMetrics {
  int width = 0;
  int ascent = 0;
  int descent = 0;
  int height() const { return ascent + descent; }
};

// A picture in memory: what a window renders for the clipboard or the
// printer, what a bitmap resource holds, what a surface reads back.
class Picture {
 public:
  Picture() = default;
  Picture(int width, int height, Rgb fill = kWhite);
  // Takes `pixels`, rows top to bottom; they must number width × height.
  Picture(int width, int height, std::vector<Rgb> pixels);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Reading outside the picture answers white; writing outside is ignored.
  Rgb At(int x, int y) const;
  void Set(int x, int y, Rgb colour);
  void Fill(Rgb colour);

  const std::vector<Rgb>& Pixels() const { return pixels_; }
  // Gives up the pixels, for memory to reuse; the picture is left empty.
  std::vector<Rgb> TakePixels() {
    width_ = height_ = 0;
    return std::move(pixels_);
  }
  // Row `y` for writing many pixels at once; the caller stays inside it.
  Rgb* Row(int y) {
    return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  }
  friend bool operator==(const Picture&, const Picture&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

}  // namespace shell
