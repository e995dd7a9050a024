#include "platform/QtInstanceChannel.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTimer>
#include <QtEndian>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kConnectMs = 1000;
// A running editor answers from its event loop; a long file open there
// delays the answer, a hung one never gives it.
constexpr int kAcknowledgeMs = 5000;
// A sender that stops half-way loses its connection after this long.
constexpr int kReceiveMs = 3000;
const QByteArray kAcknowledgement = QByteArrayLiteral("OK");

bool isPrivateFolder(const QByteArray& path) {
  struct stat st;
  if (::lstat(path.constData(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

// ":0.0" and ":0" are one display.
QByteArray displayName(QByteArray display) {
  static const QRegularExpression screen(QStringLiteral("(:\\d+)\\.\\d+$"));
  return QString::fromLocal8Bit(display).replace(screen, QStringLiteral("\\1")).toLocal8Bit();
}

bool peerIsThisUser(QLocalSocket* connection) {
#ifdef SO_PEERCRED
  struct ucred peer;
  socklen_t length = sizeof peer;
  if (::getsockopt(int(connection->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0) return false;
  return peer.uid == ::getuid();
#else
  Q_UNUSED(connection);
  return true;  // the folder's permissions alone keep others out
#endif
}

}  // namespace

QString privateRuntimeFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && isPrivateFolder(runtime)) return QFile::decodeName(runtime);
  const QByteArray own = QFile::encodeName(QDir::tempPath()) + "/torvane-edit-" + QByteArray::number(::getuid());
  if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST) return QString();
  return isPrivateFolder(own) ? QFile::decodeName(own) : QString();
}

QString instanceSocketName(const QString& platformName) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QByteArray::number(::getuid()) + '\n' + platformName.toUtf8() + '\n' +
               displayName(qgetenv("DISPLAY")) + '\n' + qgetenv("WAYLAND_DISPLAY"));
  return QStringLiteral("torvane-edit-") + QString::fromLatin1(hash.result().toHex().left(16));
}

QtInstanceChannel::QtInstanceChannel(const QString& platformName) {
  const QString folder = privateRuntimeFolder();
  if (!folder.isEmpty()) path_ = folder + QLatin1Char('/') + instanceSocketName(platformName);
}

QtInstanceChannel::~QtInstanceChannel() {
  if (server_) server_->close();  // removes the socket file
}

InstanceChannel::Delivery QtInstanceChannel::Send(const QByteArray& message) {
  if (path_.isEmpty() || message.size() > MaxMessageBytes) return Delivery::NobodyListening;
  QLocalSocket socket;
  // A missing socket or one nobody accepts on fails here at once, without waiting.
  socket.connectToServer(path_);
  if (socket.state() != QLocalSocket::ConnectedState && !socket.waitForConnected(kConnectMs)) {
    const auto error = socket.error();
    return error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError
               ? Delivery::NobodyListening
               : Delivery::NotAcknowledged;
  }
  QByteArray frame(4, '\0');
  qToBigEndian(quint32(message.size()), frame.data());
  frame += message;
  socket.write(frame);
  const QDeadlineTimer deadline(kAcknowledgeMs);
  while (socket.bytesToWrite() > 0)
    if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) return Delivery::NotAcknowledged;
  QByteArray answer;
  while (answer.size() < kAcknowledgement.size()) {
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(deadline.remainingTime()))) break;
    answer += socket.read(kAcknowledgement.size() - answer.size());
  }
  return answer == kAcknowledgement ? Delivery::Delivered : Delivery::NotAcknowledged;
}

bool QtInstanceChannel::someoneListens() const {
  QLocalSocket probe;
  probe.connectToServer(path_);
  const bool live = probe.state() == QLocalSocket::ConnectedState || probe.waitForConnected(kConnectMs);
  probe.abort();
  return live;
}

bool QtInstanceChannel::Listen(Receiver receiver) {
  if (path_.isEmpty() || server_) return false;
  // Only a socket nobody answers on is replaced: a live editor keeps its own.
  if (QFileInfo(path_).exists() || QFileInfo(path_).isSymLink()) {
    if (someoneListens()) return false;
    QLocalServer::removeServer(path_);
  }
  auto server = std::make_unique<QLocalServer>();
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(path_)) return false;
  server_ = std::move(server);
  receiver_ = std::move(receiver);
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
    while (QLocalSocket* connection = server_->nextPendingConnection()) serve(connection);
  });
  return true;
}

void QtInstanceChannel::serve(QLocalSocket* connection) {
  QObject::connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
  if (!peerIsThisUser(connection)) {
    connection->abort();
    connection->deleteLater();
    return;
  }
  auto* timer = new QTimer(connection);
  timer->setSingleShot(true);
  QObject::connect(timer, &QTimer::timeout, connection, [connection] { connection->abort(); });
  timer->start(kReceiveMs);
  auto received = std::make_shared<QByteArray>();
  QObject::connect(connection, &QLocalSocket::readyRead, connection, [this, connection, received, timer] {
    if (!timer->isActive()) return;  // answered or given up on already
    *received += connection->read(4 + MaxMessageBytes - received->size());
    if (received->size() < 4) return;
    const quint32 length = qFromBigEndian<quint32>(received->constData());
    if (length > quint32(MaxMessageBytes)) {
      timer->stop();
      connection->abort();
      return;
    }
    if (received->size() < 4 + qsizetype(length)) return;
    timer->stop();
    const QByteArray message = received->mid(4, length);
    if (receiver_ && receiver_(message)) {
      connection->write(kAcknowledgement);
      connection->disconnectFromServer();
    } else {
      connection->abort();
    }
  });
  if (connection->bytesAvailable() > 0) emit connection->readyRead();
}
