#pragma once

#include <QWidget>

#include "shell/qt/backing_store.h"
#include "shell/qt/window_host.h"

namespace shell::qt {

// The client area of a window of the program (a document window, a child
// window such as the tool bar, a dialog): it reports the window's input,
// size and paint events and holds what the program draws.
class CanvasWidget final : public QWidget {
  Q_OBJECT

 public:
  CanvasWidget(WindowHost& host, WindowHandle handle, QWidget* parent);

  WindowHandle Handle() const { return handle_; }
  BackingStore& Store() { return store_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Send(const Event& event);

  WindowHost& host_;
  WindowHandle handle_;
  BackingStore store_;
};

}  // namespace shell::qt
