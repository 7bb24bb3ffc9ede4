#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "shell/qt/canvas_widget.h"
#include "shell/qt/window_host.h"

namespace shell::qt {

// The client area of the frame: the MDI area, with a strip on the left
// for the windows the frame holds itself (the tool bar).
class FrameClient final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kToolStrip = 32;

  FrameClient(WindowHost& host, WindowHandle handle, QWidget* parent);
  QMdiArea& Mdi() { return *mdi_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  WindowHost& host_;
  WindowHandle handle_;
  QMdiArea* mdi_;  // owned by this widget
};

// The application frame: menu bar and MDI area. Closing it is the
// program's decision.
class FrameWindow final : public QMainWindow {
  Q_OBJECT

 public:
  FrameWindow(WindowHost& host, WindowHandle handle);
  FrameClient& Client() { return *client_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  WindowHost& host_;
  WindowHandle handle_;
  FrameClient* client_;  // owned by this window
};

// The frame of a document window inside the MDI area.
class MdiChildWindow final : public QMdiSubWindow {
  Q_OBJECT

 public:
  MdiChildWindow(WindowHost& host, WindowHandle handle);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  WindowHost& host_;
  WindowHandle handle_;
};

// A dialog: its whole client area is a canvas that holds the controls.
// Escape and the close box ask the program, like any close.
class DialogWindow final : public QDialog {
  Q_OBJECT

 public:
  DialogWindow(WindowHost& host, WindowHandle handle, QWidget* owner);
  CanvasWidget& Client() { return *client_; }

  void reject() override;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  WindowHost& host_;
  WindowHandle handle_;
  CanvasWidget* client_;  // owned by this window
};

}  // namespace shell::qt
