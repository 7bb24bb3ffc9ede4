#include "shell/window_placement.h"

#include <algorithm>

namespace shell {

namespace {

// How much of a window must show for its title bar to be grabbed.
constexpr int kGrab = 24;

bool Reachable(const Rect& rect, Size area) {
  return rect.left <= area.width - kGrab && rect.right >= kGrab && rect.top >= -kGrab &&
         rect.top <= area.height - kGrab;
}

}  // namespace

Rect UsableWindowRect(const Rect& rect, Size area) {
  const int width = std::max(RectWidth(rect), kUsableWindowSize.width);
  const int height = std::max(RectHeight(rect), kUsableWindowSize.height);
  Rect usable{rect.left, rect.top, rect.left + width, rect.top + height};
  if (area.width <= 0 || area.height <= 0 || Reachable(usable, area)) {
    return usable;
  }
  const int left = std::clamp(usable.left, 0, std::max(0, area.width - width));
  const int top = std::clamp(usable.top, 0, std::max(0, area.height - height));
  return {left, top, left + width, top + height};
}

}  // namespace shell
