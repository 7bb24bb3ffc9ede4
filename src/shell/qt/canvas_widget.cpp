#include "shell/qt/canvas_widget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QUrl>

#include "shell/qt/event_translation.h"
#include "shell/qt/qt_convert.h"

namespace shell::qt {

CanvasWidget::CanvasWidget(WindowHost& host, WindowHandle handle, QWidget* parent)
    : QWidget(parent), host_(host), handle_(handle), store_(*this) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  setAutoFillBackground(false);
}

void CanvasWidget::Send(const Event& event) {
  host_.Deliver(handle_, event);
}

// Tab and Shift+Tab would move Qt's focus; the program moves it itself.
bool CanvasWidget::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QWidget::event(event);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  store_.Paint(event->region(), [this] {
    Event paint;
    paint.kind = EventKind::kPaint;
    Send(paint);
  });
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  store_.InvalidateAll();
  Event size;
  size.kind = EventKind::kSize;
  size.size = Size{width(), height()};
  Send(size);
}

void CanvasWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Event show;
  show.kind = EventKind::kShow;
  show.flag = true;
  Send(show);
}

void CanvasWidget::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  Event show;
  show.kind = EventKind::kShow;
  show.flag = false;
  Send(show);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  if (auto translated = MouseEvent(EventKind::kMouseDown, *event)) {
    Send(*translated);
  }
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (auto translated = MouseEvent(EventKind::kMouseUp, *event)) {
    Send(*translated);
  }
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (auto translated = MouseEvent(EventKind::kDoubleClick, *event)) {
    Send(*translated);
  }
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  Send(MouseMoveEvent(*event));
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
  if (host_.Deliver(handle_, KeyDownEvent(*event)) == kNotHandled) {
    QWidget::keyPressEvent(event);
  }
}

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
  }
}

void CanvasWidget::dropEvent(QDropEvent* event) {
  Event drop;
  drop.kind = EventKind::kDropFiles;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) {
      drop.paths.push_back(ToStdString(url.toLocalFile()));
    }
  }
  if (!drop.paths.empty()) {
    event->acceptProposedAction();
    Send(drop);
  }
}

}  // namespace shell::qt
