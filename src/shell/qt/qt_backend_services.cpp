#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDate>
#include <QEventLoop>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QTime>
#include <QTimer>

#include "shell/qt/qt_backend.h"
#include "shell/qt/qt_convert.h"

namespace shell::qt {
namespace {

// Taking data wants the exact pixel: a cross with an open centre and a
// small ring, so the point clicked stays visible.
QCursor TakeDataCursor() {
  constexpr int kSize = 32;
  constexpr int kCentre = kSize / 2;
  constexpr int kGap = 3;
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  for (const auto& [colour, width] : {std::pair{Qt::white, 3}, std::pair{Qt::black, 1}}) {
    painter.setPen(QPen(colour, width));
    painter.drawLine(kCentre, 2, kCentre, kCentre - kGap - 2);
    painter.drawLine(kCentre, kCentre + kGap + 2, kCentre, kSize - 3);
    painter.drawLine(2, kCentre, kCentre - kGap - 2, kCentre);
    painter.drawLine(kCentre + kGap + 2, kCentre, kSize - 3, kCentre);
    painter.drawEllipse(QPoint(kCentre, kCentre), kGap + 1, kGap + 1);
  }
  return QCursor(pixmap, kCentre, kCentre);
}

QCursor CursorOf(Cursor cursor) {
  switch (cursor) {
    case Cursor::kArrow:
      return Qt::ArrowCursor;
    case Cursor::kCrosshairs:
      return Qt::CrossCursor;
    case Cursor::kTakeData:
      return TakeDataCursor();
    case Cursor::kHand:
      return Qt::PointingHandCursor;
    case Cursor::kWait:
      return Qt::WaitCursor;
  }
  return Qt::ArrowCursor;
}

}  // namespace

bool QtBackend::SetClipboardText(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) {
    return false;
  }
  clipboard->setText(ToQString(text));
  return true;
}

bool QtBackend::SetClipboardPicture(const Picture& picture) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr || picture.Empty()) {
    return false;
  }
  clipboard->setImage(ToQImage(picture));
  return true;
}

std::optional<std::string> QtBackend::ClipboardText() const {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
  if (data == nullptr || !data->hasText()) {
    return std::nullopt;
  }
  return ToStdString(data->text());
}

std::optional<Picture> QtBackend::ClipboardPicture() const {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) {
    return std::nullopt;
  }
  const QImage image = clipboard->image();
  if (image.isNull()) {
    return std::nullopt;
  }
  return ToPicture(image);
}

void QtBackend::StartTimer(WindowHandle window, int id, int milliseconds) {
  StopTimer(window, id);
  auto* timer = new QTimer(context_.get());  // owned by the context, dropped by StopTimer
  QObject::connect(timer, &QTimer::timeout, context_.get(), [this, window, id] {
    Event tick;
    tick.kind = EventKind::kTimer;
    tick.id = id;
    Deliver(window, tick);
  });
  timers_[{window, id}] = timer;
  timer->start(std::max(milliseconds, 0));
}

void QtBackend::StopTimer(WindowHandle window, int id) {
  auto timer = timers_.find({window, id});
  if (timer != timers_.end()) {
    DropTimer(timer);
  }
}

// A timer may be stopped from its own tick, so it is deleted afterwards.
void QtBackend::DropTimer(
    std::map<std::pair<WindowHandle, int>, QPointer<QTimer>>::iterator timer) {
  if (QTimer* stopped = timer->second.data()) {
    stopped->stop();
    stopped->deleteLater();
  }
  timers_.erase(timer);
}

void QtBackend::Post(std::function<void()> task) {
  QMetaObject::invokeMethod(context_.get(), std::move(task), Qt::QueuedConnection);
}

int QtBackend::Run() {
  if (pendingQuit_) {
    const int code = *pendingQuit_;
    pendingQuit_.reset();
    return code;
  }
  QEventLoop loop;
  programLoop_ = &loop;
  const int code = loop.exec();
  programLoop_ = nullptr;
  return code;
}

// Qt's application-wide exit is not used: asked for outside its loop it
// would make every later event loop of the process, modal dialogs
// included, return at once, and the loop itself would then forget it.
// A quit ends the modal dialogs still running (the program is ending and
// its loop cannot return before them), and ends Run, now or, when the
// frame closed before Run started, as soon as it is called.
void QtBackend::Quit(int code) {
  std::vector<WindowHandle> running;
  for (const auto& [dialog, loop] : modalLoops_) {
    running.push_back(dialog);
  }
  for (WindowHandle dialog : running) {
    EndModal(dialog);
  }
  if (programLoop_ != nullptr) {
    programLoop_->exit(code);
  } else {
    pendingQuit_ = code;
  }
}

void QtBackend::Beep() {
  QApplication::beep();
}

// The wait cursor covers the whole program while it is busy; the others
// belong to the window under the mouse.
void QtBackend::SetCursor(Cursor cursor) {
  if (cursor == Cursor::kWait) {
    if (!cursorOverridden_) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
      cursorOverridden_ = true;
    }
    return;
  }
  if (cursorOverridden_) {
    QApplication::restoreOverrideCursor();
    cursorOverridden_ = false;
  }
  if (QWidget* under = QApplication::widgetAt(QCursor::pos())) {
    under->setCursor(CursorOf(cursor));
  }
}

DateTimeText QtBackend::Now() const {
  const QLocale locale = QLocale::system();
  return DateTimeText{ToStdString(locale.toString(QDate::currentDate(), QLocale::ShortFormat)),
                      ToStdString(locale.toString(QTime::currentTime(), QLocale::ShortFormat))};
}

}  // namespace shell::qt
