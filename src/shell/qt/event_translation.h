#pragma once

#include <QKeyEvent>
#include <QMouseEvent>
#include <optional>

#include "shell/backend_events.h"

namespace shell::qt {

Modifiers ModifiersOf(Qt::KeyboardModifiers modifiers);
Key KeyOf(int qtKey);

// The event of a left or right button press, release or double click;
// none for the other buttons.
std::optional<Event> MouseEvent(EventKind kind, const QMouseEvent& mouse);
Event MouseMoveEvent(const QMouseEvent& mouse);
Event KeyDownEvent(const QKeyEvent& key);

}  // namespace shell::qt
