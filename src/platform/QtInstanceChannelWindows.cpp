#include "platform/QtInstanceChannel.h"

#ifdef Q_OS_WIN  // elsewhere: QtInstanceChannel.cpp

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <QtEndian>

namespace {

constexpr int kConnectMs = InstanceChannel::ConnectMs;
constexpr int kAcknowledgeMs = InstanceChannel::AcknowledgeMs;
constexpr int kReceiveMs = InstanceChannel::ReceiveMs;
const QByteArray kAcknowledgement(InstanceChannel::Acknowledgement);

QByteArray userName() {
  const QByteArray name = qgetenv("USERNAME");
  return name.isEmpty() ? QDir::homePath().toUtf8() : name + '\n' + QDir::homePath().toUtf8();
}

// One connection on the listening side: reads one framed message within the
// limits, hands it on, answers, and closes.
class Connection : public QObject {
 public:
  Connection(QLocalSocket* socket, InstanceChannel::Receiver& receiver, QObject* parent)
      : QObject(parent), socket_(socket), receiver_(receiver) {
    socket_->setParent(this);
    connect(socket_, &QLocalSocket::readyRead, this, &Connection::readSome);
    connect(socket_, &QLocalSocket::disconnected, this, &Connection::finish);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Connection::finish);
    timer_.start(kReceiveMs);
    readSome();
  }

 private:
  void readSome() {
    if (finished_) return;
    const qsizetype room = 4 + InstanceChannel::MaxMessageBytes - received_.size();
    received_ += socket_->read(room);
    if (received_.size() < 4) return;
    const quint32 length = qFromBigEndian<quint32>(received_.constData());
    if (length > quint32(InstanceChannel::MaxMessageBytes)) return finish();
    if (received_.size() < 4 + qsizetype(length)) return;
    if (receiver_ && receiver_(received_.mid(4, length))) {
      socket_->write(kAcknowledgement);
      socket_->flush();
      socket_->waitForBytesWritten(kConnectMs);
    }
    finish();
  }
  void finish() {
    if (finished_) return;
    finished_ = true;
    timer_.stop();
    socket_->abort();
    deleteLater();
  }

  QLocalSocket* socket_;
  InstanceChannel::Receiver& receiver_;
  QTimer timer_;
  QByteArray received_;
  bool finished_ = false;
};

}  // namespace

// Named pipes live in one namespace for the whole machine: the user's own
// folder stands for the private folder, and the name carries the user.
QString privateRuntimeFolder() { return QDir::homePath(); }

QString instanceSocketName(const QString& platform) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(userName() + '\n' + platform.toUtf8() + '\n' + qgetenv("SESSIONNAME"));
  return QStringLiteral("torvane-edit-") + QString::fromLatin1(hash.result().toHex().left(16));
}

QtInstanceChannel::QtInstanceChannel(const QString& platform) : path_(instanceSocketName(platform)) {}

QtInstanceChannel::~QtInstanceChannel() = default;

InstanceChannel::Delivery QtInstanceChannel::Send(const QByteArray& message) {
  if (message.size() > MaxMessageBytes) return Delivery::NobodyListening;
  QLocalSocket socket;
  socket.connectToServer(path_);
  // A pipe nobody serves fails here at once.
  if (!socket.waitForConnected(kConnectMs))
    return socket.error() == QLocalSocket::ServerNotFoundError ? Delivery::NobodyListening
                                                                : Delivery::NotAcknowledged;
  QByteArray frame(4, '\0');
  qToBigEndian(quint32(message.size()), frame.data());
  frame += message;
  socket.write(frame);
  while (socket.bytesToWrite() > 0)
    if (!socket.waitForBytesWritten(kAcknowledgeMs)) return Delivery::NotAcknowledged;
  QByteArray answer;
  while (answer.size() < kAcknowledgement.size()) {
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(kAcknowledgeMs)) break;
    answer += socket.read(kAcknowledgement.size() - answer.size());
  }
  socket.abort();
  return answer == kAcknowledgement ? Delivery::Delivered : Delivery::NotAcknowledged;
}

bool QtInstanceChannel::Listen(Receiver receiver) {
  if (server_) return false;
  // Two servers may share a pipe's name on Windows. A lock file of the
  // user's, held while this editor serves, makes the first of two starts at
  // the same moment the only one; a dead editor's lock is taken over.
  auto lock = std::make_unique<QLockFile>(QDir::temp().filePath(path_ + QStringLiteral(".lock")));
  lock->setStaleLockTime(0);  // stale only when its process is gone
  if (!lock->tryLock(0)) return false;
  // A pipe goes with the process that served it: none is ever left behind,
  // so a pipe that answers belongs to a live editor.
  {
    QLocalSocket probe;
    probe.connectToServer(path_);
    if (probe.waitForConnected(kConnectMs) || probe.error() != QLocalSocket::ServerNotFoundError) return false;
  }
  auto server = std::make_unique<QLocalServer>();
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(path_)) return false;
  receiver_ = std::move(receiver);
  lock_ = std::move(lock);
  QLocalServer* raw = server.get();
  QObject::connect(raw, &QLocalServer::newConnection, raw, [this, raw] {
    while (QLocalSocket* socket = raw->nextPendingConnection()) new Connection(socket, receiver_, raw);
  });
  server_ = std::move(server);
  return true;
}

#endif  // Q_OS_WIN
