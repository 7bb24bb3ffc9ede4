#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>
#include <string>
#include <vector>

#include "shell/qt/window_host.h"

namespace shell::qt {

// Where a control reports: its parent window, under its control id.
struct ControlLink {
  WindowHost* host = nullptr;
  WindowHandle parent = kNoWindow;
  int id = 0;

  int Send(Event event) const {
    event.id = id;
    return host->Deliver(parent, event);
  }
  // A press of `control`, at the mouse position in its parent's client area.
  int SendClick(const QWidget& control) const;
};

// An edit field whose typed characters pass the parent's character filter.
// Tab, Return, Escape, Up and Down go to the parent window as keys instead
// of being typed.
class EditField final : public QLineEdit {
  Q_OBJECT

 public:
  EditField(ControlLink link, QWidget* parent);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ControlLink link_;
};

// A check box that changes its mark only when the program sets it, so that
// the program decides what a click means.
class CheckBoxControl final : public QCheckBox {
  Q_OBJECT

 public:
  CheckBoxControl(ControlLink link, const QString& text, QWidget* parent);

 protected:
  void nextCheckState() override {}
};

// A scroll bar that reports line, page and thumb actions and leaves its
// position to the program, which sets it after each action.
class ScrollBarControl final : public QScrollBar {
  Q_OBJECT

 public:
  ScrollBarControl(ControlLink link, Qt::Orientation orientation, QWidget* parent);

 private:
  void Report(int code, int position);

  ControlLink link_;
};

// A labelled drop-down list. Its items count from 1.
class PopupControl final : public QWidget {
  Q_OBJECT

 public:
  PopupControl(ControlLink link, const QString& label, QWidget* parent);

  void SetItems(const std::vector<std::string>& items);
  void ShowItem(int selection);
  void SetLabel(const QString& label);
  QString Label() const { return label_->text(); }
  QComboBox& List() { return *list_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Layout();

  ControlLink link_;
  QLabel* label_;    // owned by this widget
  QComboBox* list_;  // owned by this widget
};

}  // namespace shell::qt
