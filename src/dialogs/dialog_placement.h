#pragma once

#include "shell/gfx_types.h"

class TdvDialog;

// The screen rectangle of a dialog of that client size centred over the
// frame's client area (below its menu bar), kept inside the work area.
shell::Rect CentredOverClientArea(shell::Size dialog, const shell::Rect& frameOuter,
                                  shell::Size frameClient, int border, const shell::Rect& workArea);

// Moves the dialog's rectangle so that it opens centred over the frame's
// client area; left as it is without a frame.
void CentreOverFrame(TdvDialog& dialog);
