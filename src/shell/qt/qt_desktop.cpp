#include "shell/qt/qt_desktop.h"

#include <QDesktopServices>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUrl>

#include "shell/qt/qt_convert.h"

namespace shell::qt {
namespace {

constexpr int kWaitMilliseconds = 2000;
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
  return QDesktopServices::openUrl(QUrl(ToQString(url)));
}

}  // namespace shell::qt
