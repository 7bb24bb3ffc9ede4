#include "shell/dialog.h"

#include <algorithm>

#include "shell/app_window.h"
#include "shell/shell.h"

namespace {

constexpr int kDialogHelpContext = 30;

}  // namespace

TdvDialog::TdvDialog() {
  title = "Generic Dialog";
  rect = {50, 100, 300, 300};
  className = "TdvDialog";
  helpContext = kDialogHelpContext;
}

bool TdvDialog::IsA(int code) const {
  return code == kClassCode || TdvWindow::IsA(code);
}

shell::Rect TdvDialog::GetRect() const {
  return rect;
}

shell::Rect TdvDialog::DialogPixelRect(const shell::Rect& r, shell::Size baseUnits) {
  const int bx = std::max(baseUnits.width, 1);
  const int by = std::max(baseUnits.height, 1);
  // The dialog is laid out in template units (a quarter of the horizontal
  // and an eighth of the vertical base unit) and shown in pixels.
  const int x = r.left * 4 / bx;
  const int y = r.top * 8 / by;
  const int width = ((r.right - r.left) * 4 / bx) * bx / 8;
  const int height = ((r.bottom - r.top) * 8 / by) * by / 16;
  const int left = x * bx / 4;
  const int top = y * by / 8;
  return {left, top, left + width * bx / 4, top + height * by / 8};
}

shell::Rect TdvDialog::ControlPixelRect(const shell::Rect& r, shell::Size baseUnits) {
  return {r.left * baseUnits.width / 8, r.top * baseUnits.height / 16,
          r.right * baseUnits.width / 8, r.bottom * baseUnits.height / 16};
}

shell::Rect TdvDialog::ControlRectToPixels(const shell::Rect& r) const {
  return ControlPixelRect(r, Backend().Metrics().dialogBaseUnits);
}

int TdvDialog::OpenWindow() {
  TdvShell& shell = TdvShell::Get();
  if (shell.CreationPending()) {
    Fault("TdvDialog::OpenWindow, window already being created", "fatal");
    return 0;
  }
  shell::DialogSpec request;
  request.title = "Kinovex";
  request.rect = DialogPixelRect(rect, Backend().Metrics().dialogBaseUnits);
  request.owner = Frame() != nullptr ? Frame()->hwnd : shell::kNoWindow;
  request.modal = true;
  shell::WindowHandle handle =
      CreateThroughBackend([&] { return Backend().CreateDialog(request); });
  if (handle == shell::kNoWindow) {
    return 0;
  }
  Backend().RunModal(handle);
  return 1;
}

int TdvDialog::DoCreate() {
  TdvWindow::DoCreate();
  if (hwnd != shell::kNoWindow) {
    Backend().SetTitle(hwnd, title);
  }
  return 0;
}

int TdvDialog::DoShow(bool shown) {
  if (const TdvControlInfo* focused = FindControl(focusControl)) {
    if (focused->IsKind(shell::ControlKind::kPushButton) && focused->window != shell::kNoWindow) {
      Backend().SetDefaultButton(focused->window, false);
    }
  }
  if (const TdvControlInfo* button = FindControl(defaultControl)) {
    if (button->window != shell::kNoWindow) {
      Backend().SetDefaultButton(button->window, true);
    }
  }
  if (shown) {
    WinSetFocusControl(focusControl >= 0 ? focusControl : defaultControl);
  }
  return 0;
}

int TdvDialog::DoActivate(bool active) {
  Backend().SetCursor(shell::Cursor::kArrow);
  return TdvWindow::DoActivate(active);
}

int TdvDialog::DoMouseDown(int, int, int) {
  return kTdvNotHandled;
}

int TdvDialog::DoDestroy() {
  return TdvWindow::DoDestroy();
}
