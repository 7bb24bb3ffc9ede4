#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>

#include "shell/qt/backing_store.h"
#include "shell/qt/qt_backend.h"
#include "shell/qt/qt_convert.h"
#include "shell/qt/qt_fonts.h"
#include "shell/qt/top_windows.h"

namespace shell::qt {
namespace {

// Top-level windows answer an outer rectangle made of their client area and
// the frame and caption sizes of Metrics, so the program's arithmetic with
// those metrics gives back the real client area whatever the desktop draws.
QMargins Decoration(const SystemMetrics& metrics) {
  return QMargins(metrics.dialogFrameWidth, metrics.dialogFrameHeight + metrics.captionHeight,
                  metrics.dialogFrameWidth, metrics.dialogFrameHeight);
}

}  // namespace

SystemMetrics QtBackend::Metrics() const {
  SystemMetrics metrics;
  const QStyle* style = QApplication::style();
  metrics.borderWidth = std::max(1, style->pixelMetric(QStyle::PM_DefaultFrameWidth));
  metrics.captionHeight = style->pixelMetric(QStyle::PM_TitleBarHeight);
  metrics.dialogFrameWidth = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
  metrics.dialogFrameHeight = metrics.dialogFrameWidth;
  metrics.dialogBaseUnits = DialogBaseUnits();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    metrics.workArea = ToRect(screen->availableGeometry());
  }
  return metrics;
}

void QtBackend::SetTitle(WindowHandle window, const std::string& title) {
  const Record* record = Find(window);
  if (record == nullptr) {
    return;
  }
  if (record->role == Role::kControl) {
    SetText(window, title);
    return;
  }
  record->outer->setWindowTitle(ToQString(title));
}

Rect QtBackend::OuterRect(WindowHandle window) const {
  const Record* record = Find(window);
  if (record == nullptr) {
    return Rect{};
  }
  QRect outer = record->outer->geometry();
  if (record->outer->isWindow()) {
    outer = outer.marginsAdded(Decoration(Metrics()));
  }
  return ToRect(outer);
}

void QtBackend::MoveWindow(WindowHandle window, const Rect& outer) {
  const Record* record = Find(window);
  if (record == nullptr) {
    return;
  }
  QRect geometry = ToQRect(outer);
  if (record->outer->isWindow()) {
    geometry = geometry.marginsRemoved(Decoration(Metrics()));
  }
  record->outer->setGeometry(geometry);
}

Size QtBackend::ClientSize(WindowHandle window) const {
  const Record* record = Find(window);
  if (record == nullptr || record->client == nullptr) {
    return Size{};
  }
  return Size{record->client->width(), record->client->height()};
}

void QtBackend::SetClientSize(WindowHandle window, Size size) {
  const Record* record = Find(window);
  if (record == nullptr || record->client == nullptr) {
    return;
  }
  const QSize extra = record->outer->size() - record->client->size();
  record->outer->resize(QSize(size.width, size.height) + extra);
}

void QtBackend::Show(WindowHandle window, ShowCommand command) {
  const Record* record = Find(window);
  if (record == nullptr) {
    return;
  }
  QWidget& outer = *record->outer;
  switch (command) {
    case ShowCommand::kHide:
      outer.hide();
      break;
    case ShowCommand::kShow:
      outer.show();
      break;
    case ShowCommand::kMaximize:
      outer.showMaximized();
      break;
    case ShowCommand::kMinimize:
      outer.showMinimized();
      break;
    case ShowCommand::kRestore:
      outer.showNormal();
      break;
  }
}

bool QtBackend::IsIconic(WindowHandle window) const {
  const Record* record = Find(window);
  return record != nullptr && record->outer->isMinimized();
}

void QtBackend::BringToTop(WindowHandle window) {
  const Record* record = Find(window);
  if (record == nullptr) {
    return;
  }
  if (auto* sub = qobject_cast<QMdiSubWindow*>(record->outer.data())) {
    if (QMdiArea* mdi = sub->mdiArea()) {
      mdi->setActiveSubWindow(sub);
    }
  }
  record->outer->raise();
  if (record->outer->isWindow()) {
    record->outer->activateWindow();
  }
}

void QtBackend::Enable(WindowHandle window, bool enabled) {
  if (const Record* record = Find(window)) {
    record->outer->setEnabled(enabled);
  }
}

void QtBackend::Invalidate(WindowHandle window, const std::optional<Rect>& rect) {
  const Record* record = Find(window);
  if (record == nullptr || record->client == nullptr) {
    return;
  }
  if (record->store == nullptr) {
    record->client->update();
  } else if (rect) {
    record->store->Invalidate(QRegion(ToQRect(*rect)));
  } else {
    record->store->InvalidateAll();
  }
}

// Minimised document windows line up along the bottom of the MDI area.
void QtBackend::ArrangeIcons(WindowHandle frame) {
  QMdiArea* mdi = MdiOf(frame);
  if (mdi == nullptr) {
    return;
  }
  int left = 0;
  for (QMdiSubWindow* sub : mdi->subWindowList(QMdiArea::CreationOrder)) {
    if (!sub->isMinimized()) {
      continue;
    }
    const QSize size = sub->size();
    sub->move(left, mdi->viewport()->height() - size.height());
    left += size.width();
  }
}

}  // namespace shell::qt
