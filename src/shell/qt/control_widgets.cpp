#include "shell/qt/control_widgets.h"

#include <QCursor>
#include <QKeyEvent>
#include <algorithm>

#include "shell/qt/event_translation.h"
#include "shell/qt/qt_convert.h"

namespace shell::qt {
namespace {

constexpr int kLabelTop = 3;
constexpr int kBackspace = 8;
constexpr int kFirstPrintable = 0x20;

bool GoesToParent(int key) {
  return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
         key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Up || key == Qt::Key_Down;
}

}  // namespace

int ControlLink::SendClick(const QWidget& control) const {
  Event click;
  click.kind = EventKind::kButton;
  if (const QWidget* parentWidget = control.parentWidget()) {
    const QPoint position = parentWidget->mapFromGlobal(QCursor::pos());
    click.point = Point{position.x(), position.y()};
  }
  return Send(click);
}

EditField::EditField(ControlLink link, QWidget* parent) : QLineEdit(parent), link_(link) {}

bool EditField::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QLineEdit::event(event);
}

void EditField::keyPressEvent(QKeyEvent* event) {
  if (GoesToParent(event->key())) {
    link_.Send(KeyDownEvent(*event));
    return;
  }
  const QString text = event->text();
  const char32_t character = event->key() == Qt::Key_Backspace ? kBackspace
                             : text.isEmpty()                  ? 0
                                              : static_cast<char32_t>(text.toUcs4().value(0));
  // Editing keys and shortcuts (copy, paste, undo) are no typed characters.
  if (character == 0 || (character < kFirstPrintable && character != kBackspace)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  Event typed;
  typed.kind = EventKind::kEditChar;
  typed.character = character;
  typed.modifiers = ModifiersOf(event->modifiers());
  if (link_.Send(typed) == kNotHandled) {
    QLineEdit::keyPressEvent(event);
  }
}

CheckBoxControl::CheckBoxControl(ControlLink link, const QString& text, QWidget* parent)
    : QCheckBox(text, parent) {
  connect(this, &QCheckBox::clicked, this, [this, link] { link.SendClick(*this); });
}

ScrollBarControl::ScrollBarControl(ControlLink link, Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent), link_(link) {
  connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
    switch (action) {
      case SliderSingleStepSub:
        Report(kScrollLineUp, value());
        break;
      case SliderSingleStepAdd:
        Report(kScrollLineDown, value());
        break;
      case SliderPageStepSub:
        Report(kScrollPageUp, value());
        break;
      case SliderPageStepAdd:
        Report(kScrollPageDown, value());
        break;
      default:
        break;
    }
  });
  connect(this, &QAbstractSlider::sliderReleased, this,
          [this] { Report(kScrollThumb, sliderPosition()); });
}

void ScrollBarControl::Report(int code, int position) {
  // The bar stays where it is until the program moves it.
  if (code != kScrollThumb) {
    setSliderPosition(value());
  }
  Event scroll;
  scroll.kind = EventKind::kScroll;
  scroll.scrollCode = code;
  scroll.position = position;
  link_.Send(scroll);
}

PopupControl::PopupControl(ControlLink link, const QString& label, QWidget* parent)
    : QWidget(parent), link_(link), label_(new QLabel(label, this)), list_(new QComboBox(this)) {
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_->setTextFormat(Qt::PlainText);
  connect(list_, &QComboBox::activated, this, [this](int index) {
    Event select;
    select.kind = EventKind::kPopupSelect;
    select.selection = index + 1;
    link_.Send(select);
  });
  Layout();
}

void PopupControl::SetItems(const std::vector<std::string>& items) {
  list_->clear();
  for (const std::string& item : items) {
    list_->addItem(ToQString(item));
  }
  list_->setMaxVisibleItems(std::max(static_cast<int>(items.size()), 1));
  ShowItem(1);
}

void PopupControl::ShowItem(int selection) {
  const int index = selection - 1;
  list_->setCurrentIndex(index >= 0 && index < list_->count() ? index : -1);
}

void PopupControl::SetLabel(const QString& label) {
  label_->setText(label);
  Layout();
}

void PopupControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Layout();
}

// The label takes the width of its text; the list fills the rest.
void PopupControl::Layout() {
  const QString text = label_->text();
  const int labelWidth = text.isEmpty() ? 0 : label_->fontMetrics().horizontalAdvance(text) + 4;
  label_->setGeometry(0, kLabelTop, labelWidth, std::max(height() - kLabelTop, 0));
  list_->setGeometry(labelWidth, 0, std::max(width() - labelWidth, 0), height());
}

}  // namespace shell::qt
