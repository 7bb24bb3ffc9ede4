#include "shell/qt/owner_drawn_control.h"

#include <QPaintEvent>
#include <QPainter>

namespace shell::qt {
namespace {

// How much of the background covers a disabled control's drawing.
constexpr int kGreyedAlpha = 170;

}  // namespace

OwnerDrawnControl::OwnerDrawnControl(ControlLink link, QWidget* parent)
    : QAbstractButton(parent), link_(link), store_(*this) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  // The control takes its parent's background before it is drawn.
  setPalette(parent != nullptr ? parent->palette() : palette());
  setBackgroundRole(QPalette::Window);
  connect(this, &QAbstractButton::clicked, this, [this] { link_.SendClick(*this); });
}

void OwnerDrawnControl::paintEvent(QPaintEvent* event) {
  store_.Paint(event->region(), [this] {
    Event draw;
    draw.kind = EventKind::kOwnerDraw;
    link_.Send(draw);
  });
  if (!isEnabled()) {
    QColor veil = palette().color(QPalette::Active, backgroundRole());
    veil.setAlpha(kGreyedAlpha);
    QPainter(this).fillRect(rect(), veil);
  }
}

void OwnerDrawnControl::changeEvent(QEvent* event) {
  QAbstractButton::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) {
    update();
  }
}

void OwnerDrawnControl::resizeEvent(QResizeEvent* event) {
  QAbstractButton::resizeEvent(event);
  store_.InvalidateAll();
}

}  // namespace shell::qt
