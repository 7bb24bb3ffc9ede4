#pragma once

#include <QFont>

#include "shell/backend.h"

namespace shell::qt {

// The faces the program names ("Helv", "System", "Arial") all become the
// desktop's default sans-serif. The height asked for is a cell height
// (ascent + descent) in device pixels, the way the program measures its
// fonts, so the em size is chosen to give that cell.
QFont FontFor(const FontSpec& request);

// The font of dialogs and their controls: the default sans-serif at 10 points.
QFont DialogFont();

// The dialog base units of DialogFont: the average width of the letters and
// the cell height, which the program's dialog layouts are measured in.
Size DialogBaseUnits();

}  // namespace shell::qt
