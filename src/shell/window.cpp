#include "shell/window.h"

#include <algorithm>

#include "shell/app_window.h"
#include "shell/menu.h"
#include "shell/shell.h"

TdvWindow::TdvWindow() = default;

TdvWindow::~TdvWindow() {
  ReleaseSurface();
  if (TdvShell::Exists()) {
    TdvShell::Get().Forget(*this);
  }
}

bool TdvWindow::IsA(int code) const {
  return code == kClassCode || code == 0;
}

std::unique_ptr<TdvWindow> TdvWindow::Clone() const {
  auto copy = std::make_unique<TdvWindow>();
  CopyDescriptionTo(*copy);
  return copy;
}

void TdvWindow::CopyDescriptionTo(TdvWindow& into) const {
  into.title = title;
  into.titleIndex = titleIndex;
  into.focusControl = focusControl;
  into.defaultControl = defaultControl;
  into.rect = rect;
  into.clientSize = clientSize;
  into.zoomRect = zoomRect;
  into.fgColor = fgColor;
  into.penSize = penSize;
  into.penMode = penMode;
  into.text = text;
  into.origin = origin;
  into.scale = scale;
  into.className = className;
  into.font = font;
  into.menu = menu;
  into.windowMenu = windowMenu;
  into.helpContext = helpContext;
  into.controls.clear();
  for (const auto& [id, control] : controls) {
    auto record = std::make_unique<TdvControlInfo>(*control);
    record->window = shell::kNoWindow;
    into.controls.emplace(id, std::move(record));
  }
}

shell::Backend& TdvWindow::Backend() const {
  return TdvShell::Get().Backend();
}

TdvAppWindow* TdvWindow::Frame() const {
  return TdvShell::Get().Frame();
}

void TdvWindow::Fault(const std::string& message, const std::string& caption) const {
  TdvShell::Get().Fault(message, caption);
}

void TdvWindow::ReleaseSurface() {
  if (dc == ownedSurface_.get()) {
    dc = nullptr;
  }
  ownedSurface_.reset();
}

int TdvWindow::BeginUpdate() {
  if (drawMode == kTdvDrawPaint || drawMode == kTdvDrawControl || drawMode == kTdvDrawPrint ||
      drawMode == kTdvDrawBitmap) {
    return 1;
  }
  ReleaseSurface();
  ownedSurface_ = Backend().OpenSurface(hwnd);
  if (!ownedSurface_) {
    drawMode = kTdvDrawNone;
    return 0;
  }
  dc = ownedSurface_.get();
  drawMode = kTdvDrawPaint;
  GfxApplyPen();
  return 1;
}

void TdvWindow::EndUpdate() {
  if (drawMode == kTdvDrawControl || drawMode == kTdvDrawPrint || drawMode == kTdvDrawBitmap) {
    return;
  }
  ReleaseSurface();
  drawMode = kTdvDrawNone;
}

void TdvWindow::BeforePaint() {
  if (drawMode == kTdvDrawControl || drawMode == kTdvDrawPrint || drawMode == kTdvDrawBitmap) {
    return;
  }
  if (dc == nullptr) {
    ownedSurface_ = Backend().OpenSurface(hwnd);
    if (!ownedSurface_) {
      Fault("Out Of Memory, could not create DC", "TdvWindow::BeforePaint");
      return;
    }
    dc = ownedSurface_.get();
    drawMode = kTdvDrawHeld;
  }
  GfxApplyPen();
}

void TdvWindow::AfterPaint() {
  if (drawMode == kTdvDrawControl || drawMode == kTdvDrawPrint || drawMode == kTdvDrawBitmap) {
    return;
  }
  ReleaseSurface();
  drawMode = kTdvDrawNone;
}

void TdvWindow::GfxApplyPen() {
  if (dc == nullptr) {
    return;
  }
  dc->SetPen({fgColor, penSize});
  dc->SetBrush(fgColor);
  dc->SetTextColour(fgColor);
  dc->SetRasterMode(penMode == kTdvPenXor ? shell::RasterMode::kXor : shell::RasterMode::kCopy);
  dc->SetFont(TextFont());
}

void TdvWindow::WinDraw(const std::optional<shell::Rect>& area) {
  for (const auto& [id, control] : controls) {
    bool ownerDrawn = control->IsKind(shell::ControlKind::kDrawnArea) ||
                      control->IsKind(shell::ControlKind::kDrawnButton);
    if (!ownerDrawn || control->window == shell::kNoWindow) {
      continue;
    }
    if (!area || IntersectRects(*area, ControlRectToPixels(control->rect))) {
      Backend().Invalidate(control->window, std::nullopt);
    }
  }
}

namespace {

shell::MenuItem* MenuOf(shell::MenuItem* own, TdvAppWindow* frame) {
  if (own != nullptr) {
    return own;
  }
  return frame != nullptr ? frame->installedMenu : nullptr;
}

}  // namespace

void TdvWindow::WinCheckMenuItem(int id, bool on) {
  if (shell::MenuItem* bar = MenuOf(menu, Frame())) {
    CheckMenuItem(*bar, id, on);
  }
  if (Frame() != nullptr) {
    Frame()->RefreshMenuBar();
  }
}

void TdvWindow::WinEnableMenuItem(int id, bool on) {
  if (shell::MenuItem* bar = MenuOf(menu, Frame())) {
    EnableMenuItem(*bar, id, on);
  }
  if (Frame() != nullptr) {
    Frame()->RefreshMenuBar();
  }
}

void TdvWindow::WinSetMenuItemText(int id, const std::string& itemText) {
  TdvAppWindow* frame = Frame();
  if (frame == nullptr || frame->installedMenu == nullptr) {
    return;
  }
  SetMenuItemText(*frame->installedMenu, id, itemText);
  frame->RefreshMenuBar();
}

void TdvWindow::WinSetClientSize(shell::Size size) {
  if (hwnd != shell::kNoWindow) {
    Backend().SetClientSize(hwnd, size);
  }
}

void TdvWindow::WinZoom() {
  TdvAppWindow* frame = Frame();
  if (hwnd == shell::kNoWindow || frame == nullptr || frame->hwnd == shell::kNoWindow) {
    return;
  }
  if (zoomRect.left != zoomRect.right) {
    Backend().MoveWindow(hwnd, zoomRect);
    zoomRect = {};
    return;
  }
  zoomRect = Backend().OuterRect(hwnd);
  shell::Rect frameRect = Backend().OuterRect(frame->hwnd);
  shell::Rect target = frameRect;
  target.left += 32;
  shell::Size size = WinRectSize(target);
  target.right = target.left + size.width;
  target.bottom = target.top + size.height;
  Backend().MoveWindow(hwnd, IntersectRects(target, frameRect).value_or(target));
}

shell::Rect TdvWindow::WinGetMaxRect() {
  return {0, -23, clientSize.width, clientSize.height};
}

shell::Size TdvWindow::WinRectSize(const shell::Rect& r) const {
  return {r.right - r.left, r.bottom - r.top};
}

void TdvWindow::WinSetLocation(shell::Point point) {
  if (hwnd == shell::kNoWindow || Backend().IsIconic(hwnd)) {
    return;
  }
  shell::Rect outer = Backend().OuterRect(hwnd);
  Backend().MoveWindow(hwnd, {point.x, point.y, point.x + shell::RectWidth(outer),
                              point.y + shell::RectHeight(outer)});
}

void TdvWindow::WinSetTitle(const std::string& newTitle) {
  title = newTitle.substr(0, kTdvMaxControlText);
  if (hwnd != shell::kNoWindow) {
    Backend().SetTitle(hwnd, title);
  }
}

void TdvWindow::WinSetFocusControl(int id) {
  const TdvControlInfo* control = FindControl(id);
  if (control == nullptr) {
    return;
  }
  focusControl = id;
  if (control->window != shell::kNoWindow && Backend().Focus() != control->window) {
    Backend().SetFocus(control->window);
  }
}

void TdvWindow::WinTabControl(bool forward) {
  std::vector<int> order;
  for (const auto& [id, control] : controls) {
    order.push_back(id);
  }
  if (order.empty()) {
    return;
  }
  shell::WindowHandle focused = Backend().Focus();
  auto current = std::find_if(order.begin(), order.end(), [&](int id) {
    return controls.at(id)->window != shell::kNoWindow && controls.at(id)->window == focused;
  });
  if (current == order.end()) {
    current = std::find(order.begin(), order.end(), focusControl);
  }
  const int count = static_cast<int>(order.size());
  int index = current == order.end() ? (forward ? -1 : count) : int(current - order.begin());
  for (int step = 0; step < count; ++step) {
    index = ((forward ? index + 1 : index - 1) % count + count) % count;
    const TdvControlInfo& candidate = *controls.at(order[static_cast<std::size_t>(index)]);
    if (candidate.TakesFocus() && candidate.visible != 0) {
      WinSetFocusControl(candidate.id);
      return;
    }
  }
}

int TdvWindow::DoControlCommand(int) {
  return 0;
}

int TdvWindow::DoButtonClick(int, shell::Point) {
  return 0;
}

int TdvWindow::DoScroll(int, int, int) {
  return 0;
}

int TdvWindow::DoPopupSelect(int, int) {
  return 0;
}

int TdvWindow::DoListSelect(int) {
  return 0;
}

int TdvWindow::DoCheckBox(int id) {
  bool on = !GetCheckBox(id);
  SetCheckBox(id, on);
  return on ? 1 : 0;
}

void TdvWindow::DrawControl(int id) {
  const TdvControlInfo* control = FindControl(id);
  if (control == nullptr) {
    return;
  }
  shell::Rect area = ControlRectToPixels(control->rect);
  GfxFillRect({0, 0, shell::RectWidth(area), shell::RectHeight(area)});
}

bool TdvWindow::FilterEvent(const shell::Event&) {
  return false;
}

void TdvWindow::DoEditNotify(int) {}

int TdvWindow::DoActivate(bool active) {
  if (active && Frame() != nullptr) {
    Frame()->activeWindow = this;
  }
  return 0;
}

int TdvWindow::DoCreate() {
  if (hwnd != shell::kNoWindow) {
    clientSize = Backend().ClientSize(hwnd);
  }
  CreateControls();
  if (focusControl >= 0) {
    WinSetFocusControl(focusControl);
  }
  return 0;
}

int TdvWindow::DoShow(bool) {
  return 0;
}

int TdvWindow::DoCommand(int) {
  return kTdvNotHandled;
}

int TdvWindow::DoSize(int width, int height) {
  clientSize = {width, height};
  return kTdvNotHandled;
}

int TdvWindow::DoPaint() {
  if (BeginUpdate() != 0) {
    WinDraw(std::nullopt);
    EndUpdate();
  }
  return 0;
}

int TdvWindow::DoClose() {
  return kTdvNotHandled;
}

int TdvWindow::DoDestroy() {
  ReleaseSurface();
  drawMode = kTdvDrawNone;
  TdvAppWindow* frame = Frame();
  if (frame != nullptr && frame->activeWindow == this) {
    frame->activeWindow = nullptr;
  }
  return 0;
}

int TdvWindow::DoMouseMove(int x, int y, int) {
  mousePos = {x, y};
  return kTdvNotHandled;
}

int TdvWindow::DoMouseDown(int x, int y, int) {
  mousePos = {x, y};
  mouseDownPos = {x, y};
  mouseDown = 1;
  return 0;
}

int TdvWindow::DoDoubleClick(int x, int y, int) {
  mousePos = {x, y};
  mouseDownPos = {x, y};
  mouseDown = 0;
  return 0;
}

int TdvWindow::DoMouseUp(int, int, int) {
  mouseDown = 0;
  return 0;
}

int TdvWindow::DoKeyDown(int character, int modifiers) {
  if (character == kTdvKeyTab) {
    WinTabControl((modifiers & kTdvShiftKey) == 0);
    return 0;
  }
  if (character == kTdvKeyReturn) {
    if (defaultControl >= 0) {
      DoControlCommand(defaultControl);
    }
    return 0;
  }
  shell::WindowHandle focused = Backend().Focus();
  for (const auto& [id, control] : controls) {
    if (control->IsKind(shell::ControlKind::kEditField) && control->window != shell::kNoWindow &&
        control->window == focused) {
      return FilterControlChar(id, character);
    }
  }
  return kTdvNotHandled;
}

int TdvWindow::DoWindowMoved() {
  return kTdvNotHandled;
}

int TdvWindow::DoDefault(const shell::Event&) {
  return kTdvNotHandled;
}

int TdvWindow::OpenWindow() {
  return 0;
}

void TdvWindow::CloseWindow() {
  if (hwnd == shell::kNoWindow) {
    return;
  }
  shell::WindowHandle handle = hwnd;
  shell::Event close;
  close.kind = shell::EventKind::kClose;
  if (TdvShell::Get().Dispatch(handle, close) == kTdvNotHandled) {
    Backend().DestroyWindow(handle);
  }
}

void TdvWindow::OnMessageDone(int) {}

void TdvWindow::OnMessageClosed() {}

void TdvWindow::OnMessageClick(int, int, int, int) {}

void TdvWindow::WriteWindowRect(TdvTaggedWriter& stream) const {
  constexpr int kWindowRectTag = 1000;
  shell::Rect r = hwnd != shell::kNoWindow ? Backend().OuterRect(hwnd) : rect;
  // Saved documents carry the left edge one pixel left of the window's;
  // keeping it that way keeps files written by every version alike.
  r.left -= 1;
  stream.RectGroup(kWindowRectTag, r);
}

void TdvWindow::ShowControlHelp(int, int, int) {
  TdvShell::Get().SetHelpText("");
}

void TdvWindow::ShowAreaHelp(int, int) {
  TdvShell::Get().SetHelpText("");
}

int TdvWindow::DoTimer(int) {
  return kTdvNotHandled;
}

shell::WindowHandle TdvWindow::CreateThroughBackend(
    const std::function<shell::WindowHandle()>& create) {
  TdvShell& shell = TdvShell::Get();
  if (shell.CreationPending()) {
    return shell::kNoWindow;
  }
  shell.BeginCreation(this);
  shell::WindowHandle handle = create();
  if (shell.PendingWindow() == this) {
    shell.EndCreation();
    if (handle != shell::kNoWindow) {
      shell.Attach(*this, handle);
    }
  }
  return handle;
}
