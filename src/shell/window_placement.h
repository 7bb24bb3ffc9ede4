#pragma once

#include "shell/gfx_types.h"

namespace shell {

// Smallest document window a user can still work in.
inline constexpr Size kUsableWindowSize{200, 150};

// A document window's rectangle (in the frame's client area of `area`
// size) made usable: grown to the usable size when smaller, and moved
// wholly into the area, as far as it fits, when too little of it shows to
// be grabbed. With an empty area only the size is mended.
Rect UsableWindowRect(const Rect& rect, Size area);

}  // namespace shell
