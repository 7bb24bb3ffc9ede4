#pragma once

#include <QAbstractButton>

#include "shell/qt/backing_store.h"
#include "shell/qt/control_widgets.h"

namespace shell::qt {

// A control that the program draws itself (a drawn area or a drawn push
// button): it asks its parent window to draw it and reports clicks as a
// button of the parent. A disabled one shows greyed: its drawing is washed
// over with the background.
class OwnerDrawnControl final : public QAbstractButton {
  Q_OBJECT

 public:
  OwnerDrawnControl(ControlLink link, QWidget* parent);

  BackingStore& Store() { return store_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  ControlLink link_;
  BackingStore store_;
};

}  // namespace shell::qt
