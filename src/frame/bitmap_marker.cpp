#include "frame/bitmap_marker.h"

#include <optional>

#include "shell/backend.h"
#include "shell/shell.h"
#include "shell/window.h"

namespace {

constexpr int kBand = 40;
constexpr int kSmallStart = 0;
constexpr int kMediumStart = 81;
constexpr int kLargeBandOffset = 15;
constexpr int kMediumMaskRow = 9;
constexpr int kLargeMaskRow = 24;

bool IsMarkerPixel(const shell::Picture& masks, int x, int y) {
  return masks.Contains(x, y) && masks.At(x, y) == shell::kBlack;
}

}  // namespace

int TdvMarkerSheets::CellSize(int sizeClass) {
  if (sizeClass == 0) {
    return 9;
  }
  return sizeClass == 1 ? 15 : 25;
}

shell::Point TdvMarkerSheets::ImageCell(int shape, int sizeClass, int colour) {
  const int size = CellSize(sizeClass);
  if (size == 9) {
    return {kSmallStart + colour * size, shape * kBand};
  }
  if (size == 15) {
    return {kMediumStart + colour * size, shape * kBand};
  }
  return {colour * size, kLargeBandOffset + shape * kBand};
}

shell::Point TdvMarkerSheets::MaskCell(int shape, int sizeClass) {
  const int size = CellSize(sizeClass);
  if (size == 9) {
    return {shape * size, 0};
  }
  return {shape * size, size == 15 ? kMediumMaskRow : kLargeMaskRow};
}

bool TdvMarkerSheets::Load(const shell::Backend& backend) {
  if (loaded_) {
    return true;
  }
  std::optional<shell::Picture> images = backend.BitmapResource(kImageSheet);
  std::optional<shell::Picture> masks = backend.BitmapResource(kMaskSheet);
  if (!images || !masks || images->Empty() || masks->Empty()) {
    return false;
  }
  images_ = std::move(*images);
  masks_ = std::move(*masks);
  loaded_ = true;
  return true;
}

void TdvMarkerSheets::Release() {
  loaded_ = false;
  images_ = {};
  masks_ = {};
}

// Masking first clears the marker's pixels in the copy of what lies under
// it and the transparent pixels of the image; the two halves then combine
// without touching each other. In exclusive-or mode only the cleared image
// is wanted: combining it twice with the window restores the window.
shell::Picture TdvMarkerSheets::Compose(const shell::Picture& under, shell::Point imageCell,
                                        shell::Point maskCell, shell::Point offset,
                                        bool exclusiveOr) const {
  shell::Picture result(under.Width(), under.Height(), shell::kBlack);
  for (int y = 0; y < under.Height(); ++y) {
    for (int x = 0; x < under.Width(); ++x) {
      const int cx = x + offset.x;
      const int cy = y + offset.y;
      const bool marker = IsMarkerPixel(masks_, maskCell.x + cx, maskCell.y + cy);
      const shell::Rgb image = marker ? images_.At(imageCell.x + cx, imageCell.y + cy) : 0;
      result.Set(x, y, exclusiveOr || marker ? image : under.At(x, y));
    }
  }
  return result;
}

void TdvMarkerSheets::DrawBitmapMarker(int x, int y, int shape, int sizeClass, int colour,
                                       TdvWindow* window) {
  if (window == nullptr) {
    TdvShell::Get().Fault("HDC PWIN", "EMPTY");
    return;
  }
  const bool known = shape >= 0 && shape < kShapes && colour >= 0 && colour < kColours;
  if (window->hwnd == shell::kNoWindow || !known || !Load(TdvShell::Get().Backend())) {
    return;
  }
  const bool borrowed = window->dc == nullptr;
  if (borrowed) {
    window->BeforePaint();
  }
  if (shell::Surface* surface = window->dc) {
    const int size = CellSize(sizeClass);
    const shell::Point centre = window->ToDevice(x, y);
    const shell::Rect square{centre.x - size / 2, centre.y - size / 2, centre.x - size / 2 + size,
                             centre.y - size / 2 + size};
    const shell::Size bounds = surface->PixelSize();
    // Only the part of the square on the surface is read and written back.
    if (const std::optional<shell::Rect> part =
            IntersectRects(square, {0, 0, bounds.width, bounds.height})) {
      const shell::Rect visible = *part;
      const bool exclusiveOr = window->penMode == kTdvPenXor;
      const shell::Picture under = surface->ReadPicture(visible);
      const shell::Point offset{visible.left - square.left, visible.top - square.top};
      const shell::Picture marker = Compose(under, ImageCell(shape, sizeClass, colour),
                                            MaskCell(shape, sizeClass), offset, exclusiveOr);
      surface->SetRasterMode(exclusiveOr ? shell::RasterMode::kXor : shell::RasterMode::kCopy);
      surface->DrawPicture(marker, {}, visible);
    }
  }
  if (borrowed) {
    window->AfterPaint();
  }
}
