#include "shell/app_window.h"

#include <algorithm>

#include "shell/document_window.h"
#include "shell/shell.h"

namespace {

// Commands the frame handles itself before forwarding the rest.
constexpr int kCommandCloseWindow = 154;
constexpr int kCommandExit = 163;
constexpr int kCommandCascade = 252;
constexpr int kCommandArrangeIcons = 253;
constexpr int kCommandCloseAll = 254;
constexpr int kCoordinateSystemsWindow = 13;

// Movie, coordinate-systems and graph windows of the same name are told
// apart by a ":N" suffix.
bool TakesTitleSuffix(const TdvDocumentWindow& window) {
  return window.IsA(11) || window.IsA(13) || window.IsA(15);
}

std::string TitleWithoutSuffix(const std::string& title) {
  std::size_t colon = title.rfind(':');
  if (colon == std::string::npos || colon + 1 == title.size()) {
    return title;
  }
  bool digits = std::all_of(title.begin() + static_cast<std::ptrdiff_t>(colon) + 1, title.end(),
                            [](char c) { return c >= '0' && c <= '9'; });
  return digits ? title.substr(0, colon) : title;
}

bool SameKind(const TdvDocumentWindow& a, const TdvDocumentWindow& b) {
  for (int kind : {11, 13, 15}) {
    if (a.IsA(kind) && b.IsA(kind)) {
      return true;
    }
  }
  return false;
}

}  // namespace

TdvAppWindow::TdvAppWindow() {
  className = "TdvFrame";
}

bool TdvAppWindow::IsA(int code) const {
  return code == kClassCode || TdvWindow::IsA(code);
}

int TdvAppWindow::OpenWindow() {
  TdvShell& shell = TdvShell::Get();
  shell.SetFrame(this);
  shell::WindowHandle handle = CreateThroughBackend([&] { return Backend().CreateFrame({title}); });
  if (handle == shell::kNoWindow) {
    return 0;
  }
  InstallMenuBar(nullptr, 0);
  return 1;
}

void TdvAppWindow::InstallMenuBar(shell::MenuItem* bar, int barWindowMenu) {
  installedMenu = bar != nullptr ? bar : frameMenu;
  if (hwnd != shell::kNoWindow) {
    Backend().SetMenuBar(hwnd, installedMenu, bar != nullptr ? barWindowMenu : frameWindowMenu);
  }
}

void TdvAppWindow::RefreshMenuBar() {
  if (hwnd != shell::kNoWindow) {
    Backend().RefreshMenuBar(hwnd);
  }
}

int TdvAppWindow::DoCommand(int id) {
  switch (id) {
    case kCommandCloseWindow:
      CloseActiveDocument();
      return 0;
    case kCommandExit:
      ExitApplication();
      return 0;
    case kCommandCascade:
      CascadeDocuments();
      return 0;
    case kCommandArrangeIcons:
      ArrangeIcons();
      return 0;
    case kCommandCloseAll:
      if (TdvShell::Get().Message(shell::MessageKind::kConfirmation,
                                  "Are you sure you want to close all windows?",
                                  "Close All") == shell::MessageAnswer::kOk) {
        Backend().Post([] {
          if (TdvShell::Exists() && TdvShell::Get().Frame() != nullptr) {
            TdvShell::Get().Frame()->CloseAll();
          }
        });
      }
      return 0;
    default:
      return ForwardCommand(id);
  }
}

// The tool bar runs down the left edge, four pixels of it tucked under the
// frame's border.
int TdvAppWindow::DoSize(int width, int height) {
  constexpr int kToolBarWidth = 32;
  constexpr int kToolBarTuck = 4;
  TdvWindow::DoSize(width, height);
  if (toolWindow != nullptr && toolWindow->hwnd != shell::kNoWindow) {
    Backend().MoveWindow(toolWindow->hwnd,
                         {-kToolBarTuck, 0, kToolBarWidth - kToolBarTuck, height});
  }
  return kTdvNotHandled;
}

int TdvAppWindow::DoClose() {
  CloseAll();
  return docWindows.empty() ? kTdvNotHandled : 0;
}

int TdvAppWindow::DoDestroy() {
  TdvWindow::DoDestroy();
  activeDocument = nullptr;
  activeWindow = nullptr;
  if (pictures) {
    pictures->Release();
  }
  return 0;
}

void TdvAppWindow::CloseWindow() {
  if (DoClose() != kTdvNotHandled) {
    return;
  }
  TdvShell::Get().SetContextHelp(false);
  if (toolWindow != nullptr) {
    TdvWindow* tools = toolWindow;
    toolWindow = nullptr;
    tools->CloseWindow();
  }
  if (hwnd != shell::kNoWindow) {
    Backend().DestroyWindow(hwnd);
  }
}

void TdvAppWindow::CloseActiveDocument() {
  if (activeDocument != nullptr) {
    activeDocument->CloseWindow();
  }
}

void TdvAppWindow::ExitApplication() {
  CloseWindow();
}

void TdvAppWindow::CascadeDocuments() {
  if (hwnd == shell::kNoWindow) {
    return;
  }
  const shell::Rect frameRect = Backend().OuterRect(hwnd);
  shell::Point place{frameRect.left, frameRect.top + 2};
  const std::vector<TdvDocumentWindow*> windows = docWindows;
  for (TdvDocumentWindow* window : windows) {
    if (!PointInRect(place, frameRect)) {
      place = {frameRect.left + 32, frameRect.top + 2};
    }
    window->WinSetLocation(place);
    if (window->hwnd != shell::kNoWindow) {
      Backend().BringToTop(window->hwnd);
    }
    place.x += 30;
    place.y += 30;
  }
}

void TdvAppWindow::ArrangeIcons() {
  if (hwnd != shell::kNoWindow) {
    Backend().ArrangeIcons(hwnd);
  }
}

TdvDocumentWindow* TdvAppWindow::FindDocWindowById(int uniqueId) const {
  auto found = std::find_if(docWindows.begin(), docWindows.end(), [uniqueId](const auto* window) {
    return window->uniqueId == uniqueId;
  });
  return found == docWindows.end() ? nullptr : *found;
}

void TdvAppWindow::CloseAll() {
  std::vector<int> ids;
  for (const TdvDocumentWindow* window : docWindows) {
    if (window->IsA(kCoordinateSystemsWindow)) {
      ids.push_back(window->uniqueId);
    }
  }
  for (int id : ids) {
    TdvDocumentWindow* window = FindDocWindowById(id);
    if (window == nullptr) {
      continue;
    }
    if (window->hwnd != shell::kNoWindow) {
      Backend().BringToTop(window->hwnd);
    }
    activeDocument = window;
    window->CloseWindow();
    if (activeDocument == window && FindDocWindowById(id) == window) {
      return;
    }
  }
}

int TdvAppWindow::ForwardCommand(int id) {
  if (activeDocument == nullptr) {
    return kTdvNotHandled;
  }
  return activeDocument->DoCommand(id) == 0 ? 0 : kTdvNotHandled;
}

void TdvAppWindow::AddDocWindow(TdvDocumentWindow* window) {
  if (window == nullptr ||
      std::find(docWindows.begin(), docWindows.end(), window) != docWindows.end()) {
    return;
  }
  docWindows.push_back(window);
  if (TakesTitleSuffix(*window)) {
    const std::string base = TitleWithoutSuffix(window->title);
    int highest = 0;
    bool namesake = false;
    for (const TdvDocumentWindow* other : docWindows) {
      if (other != window && SameKind(*other, *window) &&
          TitleWithoutSuffix(other->title) == base) {
        namesake = true;
        highest = std::max(highest, other->titleIndex);
      }
    }
    if (namesake) {
      window->titleIndex = highest + 1;
      window->WinSetTitle(base + ":" + std::to_string(window->titleIndex));
    }
  }
  int highestNumber = 1;
  for (const TdvDocumentWindow* other : docWindows) {
    highestNumber = std::max(highestNumber, other->documentNumber);
  }
  window->documentNumber = highestNumber + 1;
}

void TdvAppWindow::PrepareDocWindow(TdvDocumentWindow&) {}

void TdvAppWindow::RemoveDocWindow(TdvDocumentWindow* window) {
  const int number = window == nullptr ? -1 : window->documentNumber;
  auto found = std::find_if(docWindows.begin(), docWindows.end(),
                            [number](const auto* w) { return w->documentNumber == number; });
  if (found == docWindows.end()) {
    TdvShell::Get().Fault("no document with that number", "TdvAppWindow::RemoveDocWindow");
    return;
  }
  docWindows.erase(found);
  activeDocument = nullptr;
  if (docWindows.empty()) {
    InstallMenuBar(nullptr, 0);
    RefreshMenuBar();
    return;
  }
  for (TdvDocumentWindow* other : docWindows) {
    if (other->documentNumber > number) {
      --other->documentNumber;
    }
  }
}
