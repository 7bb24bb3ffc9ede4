#include "shell/qt/qt_desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTextBrowser>
#include <QUrl>

#include "shell/qt/qt_convert.h"

namespace shell::qt {
namespace {

constexpr int kWaitMilliseconds = 2000;
constexpr int kHelpWidth = 640;
constexpr int kHelpHeight = 520;
// A path handed over is one line; anything longer is not a request.
constexpr qint64 kLongestRequest = 4096;

// True when a running program answers at the door.
bool SomeoneListens(const QString& name) {
  QLocalSocket probe;
  probe.connectToServer(name);
  const bool answered = probe.waitForConnected(kWaitMilliseconds);
  probe.abort();
  return answered;
}

}  // namespace

QtDesktop::QtDesktop() = default;

QtDesktop::~QtDesktop() = default;

// A socket file left by a program that crashed answers nobody: it is
// removed and the door opened again.
bool QtDesktop::ListenForOpenRequests(const std::string& name, OpenRequest onRequest) {
  const QString door = ToQString(name);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(door)) {
    if (SomeoneListens(door) || !QLocalServer::removeServer(door) || !server_->listen(door)) {
      server_.reset();
      return false;
    }
  }
  onRequest_ = std::move(onRequest);
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                   [this] { AcceptRequests(); });
  return true;
}

void QtDesktop::AcceptRequests() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    // The socket belongs to the server; it goes once its line is read.
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
      if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kLongestRequest) {
          socket->abort();
        }
        return;
      }
      QByteArray line = socket->readLine(kLongestRequest);
      socket->disconnectFromServer();
      if (!line.endsWith('\n')) {
        return;
      }
      line.chop(1);
      if (onRequest_) {
        onRequest_(line.toStdString());
      }
    });
  }
}

bool QtDesktop::SendOpenRequest(const std::string& name, const std::string& path) {
  QLocalSocket socket;
  socket.connectToServer(ToQString(name));
  if (!socket.waitForConnected(kWaitMilliseconds)) {
    return false;
  }
  QByteArray line = QByteArray::fromStdString(path);
  line.replace('\n', ' ');
  line.append('\n');
  socket.write(line);
  socket.waitForBytesWritten(kWaitMilliseconds);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) {
    socket.waitForDisconnected(kWaitMilliseconds);
  }
  return true;
}

bool QtDesktop::OpenUrl(const std::string& url) {
  const QUrl page(ToQString(url));
  return QDesktopServices::openUrl(page) || ShowInHelpWindow(page);
}

bool QtDesktop::ShowInHelpWindow(const QUrl& page) {
  if (!page.isLocalFile() || !QFileInfo(page.toLocalFile()).isFile()) {
    return false;
  }
  if (helpWindow_ == nullptr) {
    helpWindow_ = std::make_unique<QTextBrowser>();
    helpWindow_->setWindowTitle(QStringLiteral("Kinovex Help"));
    helpWindow_->setOpenExternalLinks(true);
    helpWindow_->resize(kHelpWidth, kHelpHeight);
    QObject::connect(
        helpWindow_.get(), &QTextBrowser::sourceChanged, helpWindow_.get(),
        [browser = helpWindow_.get()] {
          browser->setWindowTitle(QStringLiteral("Kinovex Help - ") + browser->documentTitle());
        });
  }
  helpWindow_->setSource(page);
  helpWindow_->show();
  helpWindow_->raise();
  helpWindow_->activateWindow();
  return true;
}

}  // namespace shell::qt
