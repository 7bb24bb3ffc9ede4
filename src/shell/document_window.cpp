#include "shell/document_window.h"

#include "shell/app_window.h"
#include "shell/shell.h"

namespace {

constexpr int kDocumentHelpContext = 20;
constexpr int kCoordinateSystemsWindow = 13;

}  // namespace

TdvDocumentWindow::TdvDocumentWindow() {
  helpContext = kDocumentHelpContext;
  className = "TdvDocument";
  if (TdvShell::Exists() && TdvShell::Get().Frame() != nullptr) {
    uniqueId = TdvShell::Get().Frame()->NextUniqueId();
  }
}

TdvDocumentWindow::~TdvDocumentWindow() {
  if (!TdvShell::Exists()) {
    return;
  }
  TdvAppWindow* frame = TdvShell::Get().Frame();
  if (frame == nullptr) {
    return;
  }
  // A window object that goes away without its destroy event must not stay
  // in the frame's list.
  std::erase(frame->docWindows, this);
  if (frame->activeDocument == this) {
    frame->activeDocument = nullptr;
  }
  if (frame->activeWindow == this) {
    frame->activeWindow = nullptr;
  }
}

bool TdvDocumentWindow::IsA(int code) const {
  return code == kClassCode || TdvWindow::IsA(code);
}

void TdvDocumentWindow::WinSetTitle(const std::string& newTitle) {
  TdvWindow::WinSetTitle(newTitle);
  if (Frame() != nullptr) {
    Frame()->RefreshMenuBar();
  }
}

void TdvDocumentWindow::WinSetFocusControl(int) {}

int TdvDocumentWindow::DoActivate(bool active) {
  TdvAppWindow* frame = Frame();
  if (active) {
    InstallMenu();
    if (frame != nullptr) {
      frame->activeDocument = this;
      frame->activeWindow = this;
    }
    OnActivating();
  } else {
    OnDeactivating();
    OnDeactivated();
  }
  if (frame != nullptr) {
    frame->RefreshMenuBar();
  }
  return 0;
}

int TdvDocumentWindow::DoDestroy() {
  TdvWindow::DoDestroy();
  TdvAppWindow* frame = Frame();
  if (frame != nullptr) {
    frame->RemoveDocWindow(this);
    if (frame->activeDocument == this) {
      frame->activeDocument = nullptr;
    }
  }
  return 0;
}

int TdvDocumentWindow::OpenWindow() {
  TdvAppWindow* frame = Frame();
  if (TdvShell::Get().CreationPending()) {
    Fault("TdvDocumentWindow::OpenWindow, window already being created", "fatal");
    return 0;
  }
  if (frame == nullptr || frame->hwnd == shell::kNoWindow) {
    return 0;
  }
  frame->PrepareDocWindow(*this);
  shell::ChildSpec request;
  request.title = title;
  request.rect = rect;
  request.maximizeBox = !IsA(kCoordinateSystemsWindow);
  request.icon = icon;
  shell::WindowHandle handle =
      CreateThroughBackend([&] { return Backend().CreateMdiChild(frame->hwnd, request); });
  if (handle == shell::kNoWindow) {
    return 0;
  }
  frame->AddDocWindow(this);
  return 1;
}

void TdvDocumentWindow::InstallMenu() {
  if (menu != nullptr && Frame() != nullptr) {
    Frame()->InstallMenuBar(menu, windowMenu);
  }
}

void TdvDocumentWindow::OnDeactivated() {}

void TdvDocumentWindow::OnActivating() {}

void TdvDocumentWindow::OnDeactivating() {}

TdvDocumentWindow* TdvDocumentWindow::GetDocument() {
  return nullptr;
}
