#include "shell/qt/backing_store.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace shell::qt {

BackingStore::BackingStore(QWidget& widget) : state_(std::make_shared<State>()) {
  state_->widget = &widget;
  state_->image = std::make_shared<QImage>();
}

void BackingStore::EnsureSize() {
  State& state = *state_;
  if (state.widget == nullptr || state.openSurfaces > 0) {
    return;
  }
  const double ratio = state.widget->devicePixelRatioF();
  const QSize logical = state.widget->size();
  // A window without area (minimised, not laid out yet) still gets a pixel
  // to draw on, so that a surface on it always works.
  const QSize device(std::max(1, static_cast<int>(std::ceil(logical.width() * ratio))),
                     std::max(1, static_cast<int>(std::ceil(logical.height() * ratio))));
  if (state.image->size() == device && state.image->devicePixelRatio() == ratio) {
    return;
  }
  auto image = std::make_shared<QImage>(device, QImage::Format_RGB32);
  image->setDevicePixelRatio(ratio);
  image->fill(state.widget->palette().color(state.widget->backgroundRole()));
  state.image = std::move(image);
  state.dirty = QRegion(state.widget->rect());
}

std::unique_ptr<PainterSurface> BackingStore::Open(PainterSurface::IconLookup icons) {
  EnsureSize();
  std::shared_ptr<State> state = state_;
  ++state->openSurfaces;
  const QSize logical = state->widget != nullptr ? state->widget->size() : QSize();
  auto surface = std::make_unique<PainterSurface>(
      *state->image, state->image, Size{logical.width(), logical.height()}, std::move(icons),
      [state] {
        --state->openSurfaces;
        if (!state->inPaint && state->widget != nullptr) {
          state->widget->update();
        }
      });
  if (state->inPaint) {
    surface->ClipTo(state->painting);
  }
  return surface;
}

void BackingStore::Invalidate(const QRegion& region) {
  state_->dirty += region;
  if (state_->widget != nullptr) {
    state_->widget->update(region);
  }
}

void BackingStore::InvalidateAll() {
  if (state_->widget != nullptr) {
    Invalidate(QRegion(state_->widget->rect()));
  }
}

void BackingStore::Paint(const QRegion& exposed, const std::function<void()>& draw) {
  State& state = *state_;
  EnsureSize();
  if (!state.dirty.isEmpty() && state.openSurfaces == 0) {
    {
      QPainter eraser(state.image.get());
      const QColor background = state.widget->palette().color(state.widget->backgroundRole());
      for (const QRect& rect : state.dirty) {
        eraser.fillRect(rect, background);
      }
    }
    state.painting = state.dirty;
    state.dirty = QRegion();
    state.inPaint = true;
    draw();
    state.inPaint = false;
    state.painting = QRegion();
  }
  if (state.widget == nullptr) {
    return;
  }
  QPainter screen(state.widget);
  screen.setClipRegion(exposed);
  screen.drawImage(QPoint(0, 0), *state.image);
}

}  // namespace shell::qt
