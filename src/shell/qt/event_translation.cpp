#include "shell/qt/event_translation.h"

namespace shell::qt {
namespace {

Point PointOf(const QMouseEvent& mouse) {
  const QPoint position = mouse.position().toPoint();
  return Point{position.x(), position.y()};
}

}  // namespace

Modifiers ModifiersOf(Qt::KeyboardModifiers modifiers) {
  Modifiers result;
  result.control = modifiers.testFlag(Qt::ControlModifier);
  result.shift = modifiers.testFlag(Qt::ShiftModifier);
  return result;
}

Key KeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return Key::kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::kReturn;
    case Qt::Key_Escape:
      return Key::kEscape;
    case Qt::Key_Backspace:
      return Key::kBackspace;
    case Qt::Key_Delete:
      return Key::kDelete;
    case Qt::Key_Left:
      return Key::kLeft;
    case Qt::Key_Right:
      return Key::kRight;
    case Qt::Key_Up:
      return Key::kUp;
    case Qt::Key_Down:
      return Key::kDown;
    default:
      return Key::kOther;
  }
}

std::optional<Event> MouseEvent(EventKind kind, const QMouseEvent& mouse) {
  const Qt::MouseButton button = mouse.button();
  if (button != Qt::LeftButton && button != Qt::RightButton) {
    return std::nullopt;
  }
  Event event;
  event.kind = kind;
  event.point = PointOf(mouse);
  event.modifiers = ModifiersOf(mouse.modifiers());
  event.modifiers.rightButton = button == Qt::RightButton;
  return event;
}

Event MouseMoveEvent(const QMouseEvent& mouse) {
  Event event;
  event.kind = EventKind::kMouseMove;
  event.point = PointOf(mouse);
  event.modifiers = ModifiersOf(mouse.modifiers());
  return event;
}

Event KeyDownEvent(const QKeyEvent& key) {
  Event event;
  event.kind = EventKind::kKeyDown;
  event.key = KeyOf(key.key());
  event.modifiers = ModifiersOf(key.modifiers());
  // Shift+Tab arrives as its own key; it is Tab with Shift held.
  if (key.key() == Qt::Key_Backtab) {
    event.modifiers.shift = true;
  }
  const QString text = key.text();
  event.character = text.isEmpty() ? 0 : static_cast<char32_t>(text.toUcs4().value(0));
  return event;
}

}  // namespace shell::qt
