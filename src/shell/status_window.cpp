#include "shell/status_window.h"

#include <algorithm>
#include <optional>

#include "shell/app_window.h"
#include "shell/document_window.h"
#include "shell/shell.h"

namespace {

// The message line: 220 × 12 dialog units, 40 dialog units above the
// owner's client area.
constexpr int kLineWidth = 220;
constexpr int kLineHeight = 12;
constexpr int kAboveOwner = 40;

// The screen position of the frame's client area, where document windows
// keep their rectangles; none for an owner that is no document window.
std::optional<shell::Point> ClientOrigin(const TdvWindow& owner, const shell::Backend& backend) {
  const TdvAppWindow* frame = TdvShell::Exists() ? TdvShell::Get().Frame() : nullptr;
  if (!owner.IsA(TdvDocumentWindow::kClassCode) || frame == nullptr ||
      frame->hwnd == shell::kNoWindow) {
    return std::nullopt;
  }
  const shell::Rect outer = backend.OuterRect(frame->hwnd);
  const shell::Size client = backend.ClientSize(frame->hwnd);
  return shell::Point{outer.left + (shell::RectWidth(outer) - client.width) / 2,
                      outer.bottom - backend.Metrics().borderWidth - client.height};
}

}  // namespace

TdvStatusWindow::TdvStatusWindow() {
  title = "status";
  className = "TdvStatusChild";
}

bool TdvStatusWindow::IsA(int code) const {
  return code == kClassCode || TdvWindow::IsA(code);
}

int TdvStatusWindow::OpenWindow() {
  if (owner == nullptr || owner->hwnd == shell::kNoWindow) {
    return 0;
  }
  const shell::Size units = Backend().Metrics().dialogBaseUnits;
  shell::Rect ownerRect = Backend().OuterRect(owner->hwnd);
  const int width = kLineWidth * units.width / 4;
  const int height = kLineHeight * units.height / 8;
  int top = ownerRect.top - kAboveOwner * units.height / 8;
  // Above a document window, but never over the frame's menu bar.
  if (const std::optional<shell::Point> origin = ClientOrigin(*owner, Backend())) {
    ownerRect.left += origin->x;
    top = std::max(top + origin->y, origin->y);
  }
  shell::DialogSpec request;
  request.title = title;
  request.rect = {ownerRect.left, top, ownerRect.left + width, top + height};
  request.owner = owner->hwnd;
  request.modal = false;
  AddControl(static_cast<int>(shell::ControlKind::kLabel), kTextControl, message,
             {0, 0, width, height}, 1, 0, 0);
  shell::WindowHandle handle =
      CreateThroughBackend([&] { return Backend().CreateDialog(request); });
  return handle == shell::kNoWindow ? 0 : 1;
}

int TdvStatusWindow::DoCreate() {
  TdvWindow::DoCreate();
  if (hwnd != shell::kNoWindow) {
    Backend().SetTitle(hwnd, title);
  }
  return 0;
}

int TdvStatusWindow::DoControlCommand(int id) {
  if (id == kDoneControl && owner != nullptr) {
    owner->OnMessageDone(clickCode);
  }
  return 0;
}

// Closing the window ends the message: the owner hears it once, as if the
// user had pressed Done, and then the window goes.
int TdvStatusWindow::DoClose() {
  if (!closing_ && owner != nullptr) {
    closing_ = true;
    owner->OnMessageDone(clickCode);
  }
  return kTdvNotHandled;
}

int TdvStatusWindow::DoDestroy() {
  TdvWindow::DoDestroy();
  TdvWindow* told = owner;
  owner = nullptr;
  if (told != nullptr) {
    told->OnMessageClosed();
  }
  return 0;
}

void TdvStatusWindow::SetFlag(int value) {
  flag = value;
}

void TdvStatusWindow::SetOwner(TdvWindow* window) {
  owner = window;
}

bool TdvStatusWindow::IsOwner(const TdvWindow* window) const {
  return owner == window;
}

int TdvStatusWindow::GetClickCode() const {
  return clickCode;
}

void TdvStatusWindow::RelayClick(int x, int y, int modifiers) {
  if (owner != nullptr) {
    owner->OnMessageClick(x, y, modifiers, clickCode);
  }
}

void TdvStatusWindow::SetTitle(const std::string& text) {
  WinSetTitle(text);
}

void TdvStatusWindow::SetMessage(const std::string& text, int code, int value1, int value2,
                                 int value3) {
  message = text.substr(0, kTdvMaxControlText);
  clickCode = code;
  values = {value1, value2, value3};
  SetControlText(kTextControl, message);
  if (hwnd != shell::kNoWindow) {
    Backend().BringToTop(hwnd);
  }
}
