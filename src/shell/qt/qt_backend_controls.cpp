#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "shell/qt/control_widgets.h"
#include "shell/qt/owner_drawn_control.h"
#include "shell/qt/qt_backend.h"
#include "shell/qt/qt_convert.h"

namespace shell::qt {
namespace {

QListWidget* MakeListBox(const ControlLink& link, const ControlSpec& request, QWidget& host) {
  auto* list = new QListWidget(&host);  // owned by its parent widget
  list->setSelectionMode(request.multipleSelection ? QAbstractItemView::MultiSelection
                                                   : QAbstractItemView::SingleSelection);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QObject::connect(list, &QListWidget::itemSelectionChanged, list, [link] {
    Event notify;
    notify.kind = EventKind::kListNotify;
    notify.scrollCode = kListSelectionChanged;
    link.Send(notify);
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, list, [link] {
    Event notify;
    notify.kind = EventKind::kListNotify;
    notify.scrollCode = kListDoubleClicked;
    link.Send(notify);
  });
  return list;
}

// A read-only text of several lines, wrapped, on its parent's background.
QPlainTextEdit* MakeMultiLineText(const ControlSpec& request, QWidget& host) {
  auto* text = new QPlainTextEdit(ToQString(request.text), &host);  // owned by its parent widget
  text->setReadOnly(true);
  text->setFrameShape(QFrame::NoFrame);
  text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text->viewport()->setAutoFillBackground(false);
  text->setBackgroundVisible(false);
  return text;
}

}  // namespace

QWidget* QtBackend::MakeControlWidget(WindowHandle parent, QWidget& host,
                                      const ControlSpec& request, BackingStore*& store) {
  const ControlLink link{this, parent, request.id};
  const QString text = ToQString(request.text);
  store = nullptr;
  // Every widget below is owned by `host`, its Qt parent.
  switch (request.kind) {
    case ControlKind::kPushButton: {
      auto* button = new QPushButton(text, &host);
      button->setDefault(request.defaultButton);
      QObject::connect(button, &QPushButton::clicked, button,
                       [link, button] { link.SendClick(*button); });
      return button;
    }
    case ControlKind::kVerticalScrollBar:
      return new ScrollBarControl(link, Qt::Vertical, &host);
    case ControlKind::kHorizontalScrollBar:
      return new ScrollBarControl(link, Qt::Horizontal, &host);
    case ControlKind::kPopup: {
      auto* popup = new PopupControl(link, text, &host);
      popup->SetItems(request.items);
      return popup;
    }
    case ControlKind::kListBox:
      return MakeListBox(link, request, host);
    case ControlKind::kEditField: {
      auto* edit = new EditField(link, &host);
      edit->setText(text);
      return edit;
    }
    case ControlKind::kMultiLineText:
      return MakeMultiLineText(request, host);
    case ControlKind::kDrawnArea:
    case ControlKind::kDrawnButton: {
      auto* drawn = new OwnerDrawnControl(link, &host);
      store = &drawn->Store();
      return drawn;
    }
    case ControlKind::kLabel: {
      auto* label = new QLabel(text, &host);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(false);
      return label;
    }
    case ControlKind::kCheckBox:
      return new CheckBoxControl(link, text, &host);
  }
  return nullptr;
}

WindowHandle QtBackend::CreateControl(WindowHandle parent, const ControlSpec& request) {
  const Record* owner = Find(parent);
  if (owner == nullptr || owner->client == nullptr) {
    return kNoWindow;
  }
  BackingStore* store = nullptr;
  QWidget* widget = MakeControlWidget(parent, *owner->client, request, store);
  if (widget == nullptr) {
    return kNoWindow;
  }
  widget->setGeometry(ToQRect(request.rect));
  widget->setVisible(request.visible);
  const WindowHandle handle = NextHandle();
  records_[handle] = Record{Role::kControl, parent, request.id, widget, widget, store};
  return handle;
}

void QtBackend::SetText(WindowHandle control, const std::string& text) {
  const Record* record = Find(control);
  if (record == nullptr) {
    return;
  }
  const QString value = ToQString(text);
  QWidget* widget = record->client;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(value);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
    lines->setPlainText(value);
  } else if (auto* popup = qobject_cast<PopupControl*>(widget)) {
    popup->SetLabel(value);
  } else if (record->role != Role::kControl) {
    record->outer->setWindowTitle(value);
  }
}

std::string QtBackend::Text(WindowHandle control) const {
  const Record* record = Find(control);
  if (record == nullptr) {
    return std::string();
  }
  const QWidget* widget = record->client;
  if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
    return ToStdString(edit->text());
  }
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    return ToStdString(button->text());
  }
  if (auto* label = qobject_cast<const QLabel*>(widget)) {
    return ToStdString(label->text());
  }
  if (auto* lines = qobject_cast<const QPlainTextEdit*>(widget)) {
    return ToStdString(lines->toPlainText());
  }
  if (auto* popup = qobject_cast<const PopupControl*>(widget)) {
    return ToStdString(popup->Label());
  }
  if (record->role != Role::kControl) {
    return ToStdString(record->outer->windowTitle());
  }
  return std::string();
}

void QtBackend::SetFocus(WindowHandle control) {
  const Record* record = Find(control);
  if (record == nullptr) {
    return;
  }
  if (auto* popup = qobject_cast<PopupControl*>(record->client.data())) {
    popup->List().setFocus(Qt::OtherFocusReason);
    return;
  }
  record->client->setFocus(Qt::OtherFocusReason);
}

// The control or window that holds the keyboard focus, or that contains the
// widget holding it (the list of a pop-up).
WindowHandle QtBackend::Focus() const {
  for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr;
       widget = widget->parentWidget()) {
    for (const auto& [handle, record] : records_) {
      if (record.client == widget) {
        return handle;
      }
    }
  }
  return kNoWindow;
}

void QtBackend::SetDefaultButton(WindowHandle button, bool isDefault) {
  if (auto* push = As<QPushButton>(button)) {
    push->setDefault(isDefault);
  }
}

void QtBackend::SetChecked(WindowHandle checkBox, bool checked) {
  if (auto* box = As<QCheckBox>(checkBox)) {
    box->setChecked(checked);
  }
}

bool QtBackend::IsChecked(WindowHandle checkBox) const {
  auto* box = As<QCheckBox>(checkBox);
  return box != nullptr && box->isChecked();
}

void QtBackend::SetScrollRange(WindowHandle scrollBar, int minimum, int maximum) {
  if (auto* bar = As<QScrollBar>(scrollBar)) {
    bar->setRange(std::min(minimum, maximum), std::max(minimum, maximum));
  }
}

std::pair<int, int> QtBackend::ScrollRange(WindowHandle scrollBar) const {
  auto* bar = As<QScrollBar>(scrollBar);
  return bar != nullptr ? std::pair{bar->minimum(), bar->maximum()} : std::pair{0, 0};
}

void QtBackend::SetScrollPosition(WindowHandle scrollBar, int position) {
  if (auto* bar = As<QScrollBar>(scrollBar)) {
    bar->setValue(position);
    bar->setSliderPosition(bar->value());
  }
}

int QtBackend::ScrollPosition(WindowHandle scrollBar) const {
  auto* bar = As<QScrollBar>(scrollBar);
  return bar != nullptr ? bar->value() : 0;
}

// Sorted lists keep their items in case-blind order; an item goes after
// the ones equal to it.
int QtBackend::ListAdd(WindowHandle listBox, const std::string& text) {
  auto* list = As<QListWidget>(listBox);
  if (list == nullptr) {
    return -1;
  }
  const QString value = ToQString(text);
  int index = 0;
  while (index < list->count() &&
         QString::compare(list->item(index)->text(), value, Qt::CaseInsensitive) <= 0) {
    ++index;
  }
  const QSignalBlocker quiet(list);
  list->insertItem(index, value);
  return index;
}

void QtBackend::ListInsert(WindowHandle listBox, int index, const std::string& text) {
  if (auto* list = As<QListWidget>(listBox)) {
    const QSignalBlocker quiet(list);
    list->insertItem(index < 0 || index > list->count() ? list->count() : index, ToQString(text));
  }
}

void QtBackend::ListDelete(WindowHandle listBox, int index) {
  auto* list = As<QListWidget>(listBox);
  if (list != nullptr && index >= 0 && index < list->count()) {
    const QSignalBlocker quiet(list);
    delete list->takeItem(index);
  }
}

int QtBackend::ListCount(WindowHandle listBox) const {
  auto* list = As<QListWidget>(listBox);
  return list != nullptr ? list->count() : 0;
}

std::string QtBackend::ListText(WindowHandle listBox, int index) const {
  auto* list = As<QListWidget>(listBox);
  if (list == nullptr || index < 0 || index >= list->count()) {
    return std::string();
  }
  return ToStdString(list->item(index)->text());
}

void QtBackend::ListSelect(WindowHandle listBox, int index) {
  auto* list = As<QListWidget>(listBox);
  if (list == nullptr) {
    return;
  }
  const QSignalBlocker quiet(list);
  list->clearSelection();
  if (index >= 0 && index < list->count()) {
    list->setCurrentRow(index);
    list->item(index)->setSelected(true);
  }
}

void QtBackend::ListSetSelected(WindowHandle listBox, int index, bool selected) {
  auto* list = As<QListWidget>(listBox);
  if (list != nullptr && index >= 0 && index < list->count()) {
    const QSignalBlocker quiet(list);
    list->item(index)->setSelected(selected);
  }
}

std::vector<int> QtBackend::ListSelection(WindowHandle listBox) const {
  std::vector<int> rows;
  if (auto* list = As<QListWidget>(listBox)) {
    for (int index = 0; index < list->count(); ++index) {
      if (list->item(index)->isSelected()) {
        rows.push_back(index);
      }
    }
  }
  return rows;
}

void QtBackend::PopupSetItems(WindowHandle popup, const std::vector<std::string>& items) {
  if (auto* control = As<PopupControl>(popup)) {
    control->SetItems(items);
  }
}

void QtBackend::PopupShowItem(WindowHandle popup, int selection) {
  if (auto* control = As<PopupControl>(popup)) {
    control->ShowItem(selection);
  }
}

void QtBackend::PopupSetLabel(WindowHandle popup, const std::string& label) {
  if (auto* control = As<PopupControl>(popup)) {
    control->SetLabel(ToQString(label));
  }
}

void QtBackend::SetRedraw(WindowHandle control, bool redraw) {
  if (const Record* record = Find(control)) {
    record->client->setUpdatesEnabled(redraw);
  }
}

void QtBackend::SelectText(WindowHandle edit, int start, int end) {
  if (auto* field = As<QLineEdit>(edit)) {
    field->setSelection(start, std::max(end - start, 0));
  }
}

void QtBackend::SetToolTip(WindowHandle control, const std::string& text) {
  if (const Record* record = Find(control)) {
    record->outer->setToolTip(ToQString(text));
  }
}

}  // namespace shell::qt
