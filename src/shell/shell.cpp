#include "shell/shell.h"

#include <algorithm>

#include "shell/app_window.h"
#include "shell/window.h"

namespace {

TdvShell* current = nullptr;

}  // namespace

int ModifierWord(const shell::Modifiers& modifiers) {
  int word = 0;
  if (modifiers.control) {
    word |= kTdvControlKey;
  }
  if (modifiers.shift) {
    word |= kTdvShiftKey;
  }
  if (modifiers.rightButton) {
    word |= kTdvRightButton;
  }
  return word;
}

std::optional<int> KeyCharacter(shell::Key key) {
  switch (key) {
    case shell::Key::kTab:
      return kTdvKeyTab;
    case shell::Key::kLeft:
      return kTdvKeyLeft;
    case shell::Key::kRight:
      return kTdvKeyRight;
    case shell::Key::kUp:
      return kTdvKeyUp;
    case shell::Key::kDown:
      return kTdvKeyDown;
    case shell::Key::kDelete:
      return kTdvKeyDelete;
    default:
      return std::nullopt;
  }
}

TdvShell::TdvShell(shell::Backend& backend) : backend_(backend) {
  current = this;
  backend_.SetEventSink(this);
}

TdvShell::~TdvShell() {
  backend_.SetEventSink(nullptr);
  for (auto& [handle, window] : windows_) {
    window->hwnd = shell::kNoWindow;
  }
  windows_.clear();
  destroyed_.clear();
  kept_.clear();
  if (current == this) {
    current = nullptr;
  }
}

TdvShell& TdvShell::Get() {
  return *current;
}

bool TdvShell::Exists() {
  return current != nullptr;
}

void TdvShell::KeepWindow(std::unique_ptr<TdvWindow> window) {
  if (window) {
    kept_.push_back(std::move(window));
  }
}

TdvWindow* TdvShell::Find(shell::WindowHandle handle) const {
  auto found = windows_.find(handle);
  return found == windows_.end() ? nullptr : found->second;
}

void TdvShell::Attach(TdvWindow& window, shell::WindowHandle handle) {
  window.hwnd = handle;
  windows_[handle] = &window;
}

void TdvShell::Fault(const std::string& text, const std::string& caption) const {
  backend_.ShowMessage(shell::MessageKind::kInformation, text, caption);
}

shell::MessageAnswer TdvShell::Message(shell::MessageKind kind, const std::string& text,
                                       const std::string& caption) const {
  return backend_.ShowMessage(kind, text, caption);
}

void TdvShell::Forget(TdvWindow& window) {
  if (pending_ == &window) {
    pending_ = nullptr;
  }
  if (static_cast<TdvWindow*>(frame_) == &window) {
    frame_ = nullptr;
  }
  shell::WindowHandle handle = window.hwnd;
  if (handle == shell::kNoWindow) {
    return;
  }
  windows_.erase(handle);
  window.hwnd = shell::kNoWindow;
  forgotten_.insert(handle);
  backend_.DestroyWindow(handle);
}

TdvWindow* TdvShell::Resolve(shell::WindowHandle handle, const shell::Event& event) {
  if (TdvWindow* window = Find(handle)) {
    return window;
  }
  if (forgotten_.count(handle) != 0) {
    if (event.kind == shell::EventKind::kDestroy) {
      forgotten_.erase(handle);
    }
    return nullptr;
  }
  if (pending_ == nullptr) {
    Fault("WinThis = 0", "TdvWindow::Dispatch");
    return nullptr;
  }
  TdvWindow* window = pending_;
  pending_ = nullptr;
  Attach(*window, handle);
  return window;
}

int TdvShell::Dispatch(shell::WindowHandle handle, const shell::Event& event) {
  TdvWindow* window = Resolve(handle, event);
  if (window == nullptr) {
    return kTdvNotHandled;
  }
  // A window's own filter may take anything but the end of the window.
  if (event.kind != shell::EventKind::kDestroy && window->FilterEvent(event)) {
    return 0;
  }
  int result = window->IsA(8) ? RouteDialog(*window, event) : Route(*window, event);
  return result == kTdvNotHandled ? kTdvNotHandled : 0;
}

int TdvShell::Route(TdvWindow& window, const shell::Event& event) {
  const int x = event.point.x;
  const int y = event.point.y;
  const int modifiers = ModifierWord(event.modifiers);
  switch (event.kind) {
    case shell::EventKind::kCreate:
      window.DoCreate();
      return 0;
    case shell::EventKind::kWindowMoved:
      return window.DoWindowMoved();
    case shell::EventKind::kShow:
      return window.DoShow(event.flag);
    case shell::EventKind::kMouseDown:
      return window.DoMouseDown(x, y, modifiers);
    case shell::EventKind::kMouseMove: {
      int result = window.DoMouseMove(x, y, modifiers);
      TrackContextHelp(window, event);
      return result;
    }
    case shell::EventKind::kMouseUp:
      return window.DoMouseUp(x, y, modifiers);
    case shell::EventKind::kDoubleClick:
      return window.DoDoubleClick(x, y, modifiers);
    case shell::EventKind::kKeyDown:
      return RouteKey(window, event);
    case shell::EventKind::kCommand:
      if (event.id == kTdvContextHelpCommand && frame_ != nullptr) {
        return static_cast<TdvWindow*>(frame_)->DoCommand(event.id);
      }
      return window.DoCommand(event.id);
    case shell::EventKind::kButton:
      return RouteControlButton(window, event);
    case shell::EventKind::kPopupSelect:
      if (TdvControlInfo* control = window.FindControl(event.id)) {
        control->selection = static_cast<std::int16_t>(event.selection);
      }
      window.DoPopupSelect(event.id, event.selection);
      return 0;
    case shell::EventKind::kEditChar:
      return RouteEditChar(window, event);
    case shell::EventKind::kScroll:
      if (event.scrollCode >= shell::kScrollLineUp && event.scrollCode <= shell::kScrollThumb) {
        window.DoScroll(event.id, event.scrollCode, ScrollPosition(window, event));
      }
      return kTdvNotHandled;
    case shell::EventKind::kSize:
      if (window.hwnd != shell::kNoWindow && backend_.IsIconic(window.hwnd)) {
        return kTdvNotHandled;
      }
      return window.DoSize(event.size.width, event.size.height);
    case shell::EventKind::kPaint:
      if (window.hwnd != shell::kNoWindow && backend_.IsIconic(window.hwnd)) {
        return kTdvNotHandled;
      }
      return window.DoPaint();
    case shell::EventKind::kOwnerDraw:
      window.UpdateOwnerControl(event.id);
      return 0;
    case shell::EventKind::kClose:
      return window.DoClose();
    case shell::EventKind::kDestroy:
      window.DoDestroy();
      Destroyed(window);
      return 0;
    case shell::EventKind::kActivate:
      return window.DoActivate(event.flag);
    case shell::EventKind::kTimer:
      return window.DoTimer(event.id);
    case shell::EventKind::kDropFiles:
      OpenPaths(event.paths);
      return 0;
    case shell::EventKind::kOpenPath:
      if (frame_ != nullptr && !event.paths.empty() && !event.paths.front().empty()) {
        backend_.Show(window.hwnd, backend_.IsIconic(window.hwnd) ? shell::ShowCommand::kMaximize
                                                                  : shell::ShowCommand::kShow);
        OpenPaths({event.paths.front()});
      }
      return 0;
    case shell::EventKind::kListNotify:
      if (event.scrollCode == shell::kListSelectionChanged) {
        window.DoListSelect(event.id);
        return 0;
      }
      return kTdvNotHandled;
  }
  return kTdvNotHandled;
}

int TdvShell::RouteDialog(TdvWindow& window, const shell::Event& event) {
  switch (event.kind) {
    case shell::EventKind::kCreate:
      window.DoCreate();
      return 0;
    case shell::EventKind::kOpenPath:
      if (frame_ != nullptr && !event.paths.empty() && !event.paths.front().empty()) {
        if (backend_.IsIconic(window.hwnd)) {
          backend_.Show(window.hwnd, shell::ShowCommand::kMaximize);
        }
        OpenPaths({event.paths.front()});
      }
      return 0;
    case shell::EventKind::kCommand:
      if (event.id == kTdvContextHelpCommand) {
        if (frame_ != nullptr) {
          frame_->OpenHelpTopic(window.helpContext);
        }
        return 0;
      }
      window.DoCommand(event.id);
      return 0;
    case shell::EventKind::kWindowMoved: {
      shell::SystemMetrics metrics = backend_.Metrics();
      shell::Rect outer = backend_.OuterRect(window.hwnd);
      window.DoSize(
          shell::RectWidth(outer) - 2 * metrics.dialogFrameWidth,
          shell::RectHeight(outer) - 2 * metrics.dialogFrameHeight - metrics.captionHeight);
      return 0;
    }
    case shell::EventKind::kButton: {
      const TdvControlInfo* control = window.FindControl(event.id);
      window.mousePos = event.point;
      if (control != nullptr && control->IsKind(shell::ControlKind::kCheckBox)) {
        window.DoCheckBox(event.id);
      } else {
        window.DoControlCommand(event.id);
      }
      return 0;
    }
    case shell::EventKind::kClose:
      if (window.DoClose() == kTdvNotHandled) {
        shell::WindowHandle handle = window.hwnd;
        backend_.EndModal(handle);
        backend_.DestroyWindow(handle);
      }
      return 0;
    case shell::EventKind::kKeyDown:
      // Return and Tab typed in a control press the default button and move
      // the focus, as they do when they come as typed characters; Escape
      // anywhere in the dialog is the dialog's to answer.
      if (event.key == shell::Key::kEscape) {
        return window.DoKeyDown(kTdvKeyEscape, 0);
      }
      if (event.id != 0 && (event.key == shell::Key::kReturn || event.key == shell::Key::kTab)) {
        const int character = event.key == shell::Key::kReturn ? kTdvKeyReturn : kTdvKeyTab;
        shell::Modifiers keyState{event.modifiers.control, event.modifiers.shift, false};
        return window.DoKeyDown(character, ModifierWord(keyState));
      }
      return kTdvNotHandled;
    case shell::EventKind::kSize:
    case shell::EventKind::kPaint:
    case shell::EventKind::kDropFiles:
      return kTdvNotHandled;
    default:
      return Route(window, event);
  }
}

// The thumb's position while it is dragged, else where the bar stands.
int TdvShell::ScrollPosition(const TdvWindow& window, const shell::Event& event) const {
  shell::WindowHandle bar = window.GetControlWindow(event.id);
  if (event.scrollCode == shell::kScrollThumb || event.id == 0 || bar == shell::kNoWindow) {
    return event.position;
  }
  return backend_.ScrollPosition(bar);
}

int TdvShell::RouteControlButton(TdvWindow& window, const shell::Event& event) {
  const TdvControlInfo* control = window.FindControl(event.id);
  if (control != nullptr && control->IsKind(shell::ControlKind::kDrawnButton)) {
    window.DoButtonClick(event.id, event.point);
  } else if (control != nullptr && control->IsKind(shell::ControlKind::kCheckBox)) {
    window.DoCheckBox(event.id);
  } else {
    window.DoControlCommand(event.id);
  }
  return 0;
}

int TdvShell::RouteKey(TdvWindow& window, const shell::Event& event) {
  std::optional<int> character = KeyCharacter(event.key);
  if (!character) {
    return kTdvNotHandled;
  }
  shell::Modifiers keyState{event.modifiers.control, event.modifiers.shift, false};
  return window.DoKeyDown(*character, ModifierWord(keyState));
}

int TdvShell::RouteEditChar(TdvWindow& window, const shell::Event& event) {
  const int character = static_cast<int>(event.character);
  if (character == kTdvKeyTab || character == kTdvKeyReturn || character == kTdvKeyEscape ||
      character == kTdvKeyUp || character == kTdvKeyDown) {
    shell::Modifiers keyState{event.modifiers.control, event.modifiers.shift, false};
    window.DoKeyDown(character, ModifierWord(keyState));
    return 0;
  }
  int result = window.FilterControlChar(event.id, character);
  window.DoEditNotify(event.id);
  return result;
}

void TdvShell::TrackContextHelp(TdvWindow& window, const shell::Event& event) {
  if (!contextHelp_ || window.IsA(17)) {
    return;
  }
  for (const auto& [id, control] : window.controls) {
    if (control->visible != 0 &&
        PointInRect(event.point, window.ControlRectToPixels(control->rect))) {
      window.ShowControlHelp(id, event.point.x, event.point.y);
      return;
    }
  }
  window.ShowAreaHelp(event.point.x, event.point.y);
}

void TdvShell::OpenPaths(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (frame_ == nullptr) {
      return;
    }
    // Passed whole: a path cut to the old buffer length could name another file.
    frame_->OpenPath(path);
  }
}

void TdvShell::Destroyed(TdvWindow& window) {
  windows_.erase(window.hwnd);
  window.hwnd = shell::kNoWindow;
  if (pending_ == &window) {
    pending_ = nullptr;
  }
  if (static_cast<TdvWindow*>(frame_) == &window) {
    frame_ = nullptr;
  }
  auto owned = std::find_if(kept_.begin(), kept_.end(),
                            [&window](const auto& kept) { return kept.get() == &window; });
  if (owned == kept_.end()) {
    return;
  }
  destroyed_.push_back(std::move(*owned));
  kept_.erase(owned);
  std::weak_ptr<bool> alive = alive_;
  backend_.Post([this, alive] {
    if (!alive.expired()) {
      FreeDestroyed();
    }
  });
}

void TdvShell::FreeDestroyed() {
  destroyed_.clear();
}
