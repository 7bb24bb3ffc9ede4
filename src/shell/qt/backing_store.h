#pragma once

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <memory>

#include "shell/qt/painter_surface.h"

namespace shell::qt {

// The pixels of a window that the program draws on. Drawing goes into an
// image at the screen's device pixel ratio (so it stays sharp on dense
// screens) and the widget shows the image. Exclusive-or drawing needs the
// previous pixels, which a widget's own paint cycle does not keep.
//
// The program redraws only what was invalidated (a resize, Invalidate);
// drawing outside a paint is kept and merely shown.
class BackingStore {
 public:
  explicit BackingStore(QWidget& widget);

  // A surface on the store. During a repaint it is clipped to the part
  // being repainted; otherwise the widget shows the result when it closes.
  std::unique_ptr<PainterSurface> Open(PainterSurface::IconLookup icons);
  void Invalidate(const QRegion& region);
  void InvalidateAll();
  // Erases the invalidated part, lets `draw` redraw it and shows the store.
  void Paint(const QRegion& exposed, const std::function<void()>& draw);

 private:
  struct State {
    QPointer<QWidget> widget;
    std::shared_ptr<QImage> image;
    QRegion dirty;
    QRegion painting;
    bool inPaint = false;
    int openSurfaces = 0;
  };

  void EnsureSize();

  std::shared_ptr<State> state_;
};

}  // namespace shell::qt
