#include "dialogs/dialog_placement.h"

#include <algorithm>

#include "shell/app_window.h"
#include "shell/dialog.h"
#include "shell/shell.h"

shell::Rect CentredOverClientArea(shell::Size dialog, const shell::Rect& frameOuter,
                                  shell::Size frameClient, int border,
                                  const shell::Rect& workArea) {
  // The client area sits at the bottom of the frame, under its caption and
  // menu bar, centred between its side borders.
  const int clientTop = frameOuter.bottom - border - frameClient.height;
  const int clientLeft = frameOuter.left + (shell::RectWidth(frameOuter) - frameClient.width) / 2;
  int left = clientLeft + (frameClient.width - dialog.width) / 2;
  int top = clientTop + (frameClient.height - dialog.height) / 2;
  left = std::clamp(left, workArea.left, std::max(workArea.left, workArea.right - dialog.width));
  top = std::clamp(top, workArea.top, std::max(workArea.top, workArea.bottom - dialog.height));
  return {left, top, left + dialog.width, top + dialog.height};
}

void CentreOverFrame(TdvDialog& dialog) {
  if (!TdvShell::Exists()) {
    return;
  }
  TdvShell& shell = TdvShell::Get();
  const TdvAppWindow* frame = shell.Frame();
  if (frame == nullptr || frame->hwnd == shell::kNoWindow) {
    return;
  }
  shell::Backend& backend = shell.Backend();
  const shell::SystemMetrics metrics = backend.Metrics();
  const shell::Rect& rect = dialog.rect;
  dialog.rect = CentredOverClientArea(
      {shell::RectWidth(rect), shell::RectHeight(rect)}, backend.OuterRect(frame->hwnd),
      backend.ClientSize(frame->hwnd), metrics.borderWidth, metrics.workArea);
}
