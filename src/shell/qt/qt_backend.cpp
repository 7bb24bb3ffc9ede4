#include "shell/qt/qt_backend.h"

#include <QApplication>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "shell/qt/canvas_widget.h"
#include "shell/qt/qt_convert.h"
#include "shell/qt/qt_fonts.h"
#include "shell/qt/top_windows.h"

namespace shell::qt {
namespace {

// The arguments of a QApplication the backend starts without any.
int defaultArgc = 1;
char defaultName[] = "kinovex";
char* defaultArgv[] = {defaultName, nullptr};

constexpr QSize kFrameSize(1024, 768);

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
  if (QCoreApplication::instance() != nullptr) {
    return nullptr;
  }
  return std::make_unique<QApplication>(argc, argv);
}

void PaintWhite(QWidget& widget) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, Qt::white);
  widget.setPalette(palette);
}

}  // namespace

QtBackend::QtBackend() : QtBackend(defaultArgc, defaultArgv) {}

// The program ends when its frame is destroyed, not when Qt sees its last
// window close (a message box shown before the frame would end it).
QtBackend::QtBackend(int& argc, char** argv)
    : ownApplication_(StartApplication(argc, argv)), context_(std::make_unique<QObject>()) {
  QApplication::setQuitOnLastWindowClosed(false);
}

QtBackend::~QtBackend() {
  sink_ = nullptr;
  timers_.clear();
  context_.reset();
  for (auto& [handle, loop] : modalLoops_) {
    loop->exit(0);
  }
  std::vector<QPointer<QWidget>> topLevels;
  for (auto& [handle, record] : records_) {
    if (record.role == Role::kFrame || record.role == Role::kDialog) {
      topLevels.push_back(record.outer);
    }
  }
  records_.clear();
  for (QPointer<QWidget>& widget : topLevels) {
    delete widget.data();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QtBackend::Record* QtBackend::Find(WindowHandle window) const {
  auto found = records_.find(window);
  if (found == records_.end() || found->second.outer == nullptr) {
    return nullptr;
  }
  return &found->second;
}

QWidget* QtBackend::Widget(WindowHandle window) const {
  const Record* record = Find(window);
  return record != nullptr ? record->client.data() : nullptr;
}

WindowHandle QtBackend::ControlHandle(WindowHandle parent, int id) const {
  for (const auto& [handle, record] : records_) {
    if (record.role == Role::kControl && record.parent == parent && record.controlId == id) {
      return handle;
    }
  }
  return kNoWindow;
}

QWidget* QtBackend::OwnerWidget(WindowHandle owner) const {
  const Record* record = Find(owner);
  return record != nullptr ? record->outer->window() : nullptr;
}

QMdiArea* QtBackend::MdiOf(WindowHandle frame) const {
  auto* window = As<FrameWindow>(frame);
  return window != nullptr ? &window->Client().Mdi() : nullptr;
}

WindowHandle QtBackend::HandleOfSubWindow(const QMdiSubWindow* sub) const {
  for (const auto& [handle, record] : records_) {
    if (record.role == Role::kMdiChild && record.outer == sub) {
      return handle;
    }
  }
  return kNoWindow;
}

int QtBackend::Deliver(WindowHandle window, const Event& event) {
  if (sink_ == nullptr || Find(window) == nullptr) {
    return kNotHandled;
  }
  return sink_->Dispatch(window, event);
}

void QtBackend::Send(WindowHandle window, EventKind kind) {
  Event event;
  event.kind = kind;
  Deliver(window, event);
}

void QtBackend::CloseRequested(WindowHandle window) {
  Event close;
  close.kind = EventKind::kClose;
  if (Deliver(window, close) == kNotHandled) {
    DestroyWindow(window);
  }
}

// The first events of a new window: kCreate while it is still hidden, then
// its size once it shows.
void QtBackend::Announce(WindowHandle window) {
  Send(window, EventKind::kCreate);
  const Record* record = Find(window);
  if (record == nullptr || record->client == nullptr) {
    return;
  }
  Event size;
  size.kind = EventKind::kSize;
  size.size = ClientSize(window);
  Deliver(window, size);
}

void QtBackend::ConnectMdi(WindowHandle frame, QMdiArea& mdi) {
  QObject::connect(&mdi, &QMdiArea::subWindowActivated, &mdi, [this, frame](QMdiSubWindow* sub) {
    const WindowHandle previous = activeChild_[frame];
    const WindowHandle next = HandleOfSubWindow(sub);
    if (previous == next) {
      return;
    }
    activeChild_[frame] = next;
    Event activate;
    activate.kind = EventKind::kActivate;
    if (previous != kNoWindow) {
      activate.flag = false;
      Deliver(previous, activate);
    }
    if (next != kNoWindow) {
      activate.flag = true;
      Deliver(next, activate);
    }
  });
}

WindowHandle QtBackend::CreateFrame(const FrameSpec& request) {
  const WindowHandle handle = NextHandle();
  auto* frame = new FrameWindow(*this, handle);  // owned by the record until DestroyWindow
  frame->setWindowTitle(ToQString(request.title));
  frame->resize(kFrameSize);
  records_[handle] = Record{Role::kFrame, kNoWindow, 0, frame, &frame->Client(), nullptr};
  ConnectMdi(handle, frame->Client().Mdi());
  Announce(handle);
  return handle;
}

WindowHandle QtBackend::CreateMdiChild(WindowHandle frame, const ChildSpec& request) {
  QMdiArea* mdi = MdiOf(frame);
  if (mdi == nullptr) {
    return kNoWindow;
  }
  const WindowHandle handle = NextHandle();
  auto* sub = new MdiChildWindow(*this, handle);  // owned by the MDI area
  auto* canvas = new CanvasWidget(*this, handle, nullptr);
  PaintWhite(*canvas);
  sub->setWidget(canvas);
  if (!request.maximizeBox) {
    sub->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  }
  sub->setWindowTitle(ToQString(request.title));
  if (request.icon != 0) {
    sub->setWindowIcon(WindowIcon(request.icon));
  }
  mdi->addSubWindow(sub);
  sub->setGeometry(ToQRect(request.rect));
  records_[handle] = Record{Role::kMdiChild, frame, 0, sub, canvas, &canvas->Store()};
  Send(handle, EventKind::kCreate);
  sub->show();
  if (Find(handle) != nullptr && !canvas->isVisible()) {
    Event size;
    size.kind = EventKind::kSize;
    size.size = ClientSize(handle);
    Deliver(handle, size);
  }
  return handle;
}

WindowHandle QtBackend::CreateChild(WindowHandle parent, const ChildSpec& request) {
  const Record* host = Find(parent);
  if (host == nullptr || host->client == nullptr) {
    return kNoWindow;
  }
  const WindowHandle handle = NextHandle();
  auto* canvas = new CanvasWidget(*this, handle, host->client);  // owned by its parent widget
  PaintWhite(*canvas);
  canvas->setGeometry(ToQRect(request.rect));
  records_[handle] = Record{Role::kChild, parent, 0, canvas, canvas, &canvas->Store()};
  Send(handle, EventKind::kCreate);
  canvas->show();
  if (Find(handle) != nullptr && !canvas->isVisible()) {
    Event size;
    size.kind = EventKind::kSize;
    size.size = ClientSize(handle);
    Deliver(handle, size);
  }
  return handle;
}

WindowHandle QtBackend::CreateDialog(const DialogSpec& request) {
  const WindowHandle handle = NextHandle();
  // Owned by the record until DestroyWindow (and by its owner's widget, which
  // takes it along when the owner goes first).
  auto* dialog = new DialogWindow(*this, handle, OwnerWidget(request.owner));
  Qt::WindowFlags flags =
      Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (request.closeBox) {
    flags |= Qt::WindowCloseButtonHint;
  }
  dialog->setWindowFlags(flags);
  dialog->setWindowTitle(ToQString(request.title));
  dialog->setFont(DialogFont());
  const QRect client = ToQRect(request.rect);
  dialog->setGeometry(client);
  dialog->Client().setGeometry(0, 0, client.width(), client.height());
  records_[handle] =
      Record{Role::kDialog, request.owner, 0, dialog, &dialog->Client(), &dialog->Client().Store()};
  Announce(handle);
  if (!request.modal && Find(handle) != nullptr) {
    dialog->show();
  }
  return handle;
}

void QtBackend::RunModal(WindowHandle dialog) {
  auto* window = As<DialogWindow>(dialog);
  if (window == nullptr || endedModal_.erase(dialog) != 0) {
    return;
  }
  window->setWindowModality(Qt::ApplicationModal);
  window->show();
  QEventLoop loop;
  modalLoops_[dialog] = &loop;
  if (hooks_.modalDialog) {
    QTimer::singleShot(0, &loop, [this, dialog] {
      hooks_.modalDialog(dialog);
      // A dialog its hook left running would wait for a user forever.
      if (modalLoops_.count(dialog) != 0) {
        EndModal(dialog);
      }
    });
  }
  loop.exec(QEventLoop::DialogExec);
  modalLoops_.erase(dialog);
}

void QtBackend::EndModal(WindowHandle dialog) {
  if (auto* window = As<DialogWindow>(dialog)) {
    window->hide();
  }
  auto running = modalLoops_.find(dialog);
  if (running == modalLoops_.end()) {
    endedModal_.insert(dialog);
    return;
  }
  running->second->exit(0);
  modalLoops_.erase(running);
}

void QtBackend::CollectFamily(WindowHandle window, std::vector<WindowHandle>& family) const {
  for (const auto& [handle, record] : records_) {
    if (record.parent == window) {
      CollectFamily(handle, family);
    }
  }
  family.push_back(window);
}

void QtBackend::Forget(WindowHandle window) {
  for (auto timer = timers_.begin(); timer != timers_.end();) {
    if (timer->first.first == window) {
      DropTimer(timer++);
    } else {
      ++timer;
    }
  }
  if (modalLoops_.count(window) != 0) {
    EndModal(window);
  }
  endedModal_.erase(window);
  menuBars_.erase(window);
  for (QPointer<QShortcut>& shortcut : shortcuts_[window]) {
    delete shortcut.data();
  }
  shortcuts_.erase(window);
  activeChild_.erase(window);
  for (auto& [frame, active] : activeChild_) {
    if (active == window) {
      active = kNoWindow;
    }
  }
  records_.erase(window);
}

void QtBackend::DestroyWindow(WindowHandle window) {
  const Record* record = Find(window);
  if (record == nullptr) {
    records_.erase(window);
    return;
  }
  QPointer<QWidget> outer = record->outer;
  std::vector<WindowHandle> family;
  CollectFamily(window, family);
  for (WindowHandle member : family) {
    const Record* alive = Find(member);
    if (alive != nullptr && alive->role != Role::kControl) {
      Send(member, EventKind::kDestroy);
    }
  }
  for (WindowHandle member : family) {
    Forget(member);
  }
  if (outer != nullptr) {
    outer->hide();
    // The widget may be the one whose event is being handled.
    outer->deleteLater();
  }
}

}  // namespace shell::qt
