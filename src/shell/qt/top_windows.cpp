#include "shell/qt/top_windows.h"

#include <QCloseEvent>
#include <QResizeEvent>

namespace shell::qt {
namespace {

void SendMoved(WindowHost& host, WindowHandle handle) {
  Event moved;
  moved.kind = EventKind::kWindowMoved;
  host.Deliver(handle, moved);
}

}  // namespace

FrameClient::FrameClient(WindowHost& host, WindowHandle handle, QWidget* parent)
    : QWidget(parent), host_(host), handle_(handle), mdi_(new QMdiArea(this)) {
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void FrameClient::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  mdi_->setGeometry(kToolStrip, 0, std::max(width() - kToolStrip, 0), height());
  Event size;
  size.kind = EventKind::kSize;
  size.size = Size{width(), height()};
  host_.Deliver(handle_, size);
}

FrameWindow::FrameWindow(WindowHost& host, WindowHandle handle)
    : host_(host), handle_(handle), client_(new FrameClient(host, handle, this)) {
  setCentralWidget(client_);
  setAcceptDrops(true);
}

void FrameWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  host_.CloseRequested(handle_);
}

void FrameWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  SendMoved(host_, handle_);
}

MdiChildWindow::MdiChildWindow(WindowHost& host, WindowHandle handle)
    : host_(host), handle_(handle) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void MdiChildWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  host_.CloseRequested(handle_);
}

void MdiChildWindow::moveEvent(QMoveEvent* event) {
  QMdiSubWindow::moveEvent(event);
  SendMoved(host_, handle_);
}

DialogWindow::DialogWindow(WindowHost& host, WindowHandle handle, QWidget* owner)
    : QDialog(owner), host_(host), handle_(handle), client_(new CanvasWidget(host, handle, this)) {
  setSizeGripEnabled(false);
}

void DialogWindow::reject() {
  host_.CloseRequested(handle_);
}

bool DialogWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
    Event activate;
    activate.kind = EventKind::kActivate;
    activate.flag = event->type() == QEvent::WindowActivate;
    host_.Deliver(handle_, activate);
  }
  return QDialog::event(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  host_.CloseRequested(handle_);
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  client_->setGeometry(rect());
}

void DialogWindow::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  SendMoved(host_, handle_);
}

}  // namespace shell::qt
