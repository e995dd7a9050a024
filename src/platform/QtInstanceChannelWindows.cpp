#include "platform/QtInstanceChannel.h"

#ifdef Q_OS_WIN  // elsewhere: QtInstanceChannel.cpp

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QScopeGuard>
#include <QTimer>
#include <QtEndian>
#include <qt_windows.h>

#include <string>
#include <utility>

namespace {

constexpr int kConnectMs = InstanceChannel::ConnectMs;
constexpr int kAcknowledgeMs = InstanceChannel::AcknowledgeMs;
constexpr int kReceiveMs = InstanceChannel::ReceiveMs;
const QByteArray kAcknowledgement(InstanceChannel::Acknowledgement);

// The profile folder as this process's environment names it: Qt's home
// folder asks the system for the account's, which a test cannot move.
QByteArray userName() {
  const QByteArray profile = qEnvironmentVariable("USERPROFILE", QDir::homePath()).toUtf8();
  const QByteArray name = qgetenv("USERNAME");
  return name.isEmpty() ? profile : name + '\n' + profile;
}

// One connection on the listening side: reads one framed message within the
// limits, hands it on, answers, and closes once the sender has hung up.
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
    if (finished_ || answered_) return;
    const qsizetype room = 4 + InstanceChannel::MaxMessageBytes - received_.size();
    received_ += socket_->read(room);
    if (received_.size() < 4) return;
    const quint32 length = qFromBigEndian<quint32>(received_.constData());
    if (length > quint32(InstanceChannel::MaxMessageBytes)) return finish();
    if (received_.size() < 4 + qsizetype(length)) return;
    if (!receiver_ || !receiver_(received_.mid(4, length))) return finish();
    // Closing this end of a pipe throws away what the sender has not read
    // yet: the answer stands until the sender hangs up, or time runs out.
    answered_ = true;
    socket_->write(kAcknowledgement);
    socket_->flush();
    timer_.start(kAcknowledgeMs);
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
  bool answered_ = false;
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

QtInstanceChannel::~QtInstanceChannel() {
  server_.reset();
  if (serving_) CloseHandle(serving_);
}

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
  // Two servers may share a pipe's name on Windows. A named mutex, open
  // while this editor serves, makes the first of two starts at the same
  // moment the only one. The system closes it with its process, so a dead
  // editor leaves nothing behind (a lock file would, and the dead editor's
  // process number may by then belong to a live one).
  const std::wstring mutexName = (QStringLiteral("Local\\") + path_).toStdWString();
  HANDLE serving = CreateMutexW(nullptr, FALSE, mutexName.c_str());
  if (!serving) return false;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(serving);
    return false;
  }
  auto release = qScopeGuard([&serving] {
    if (serving) CloseHandle(serving);
  });
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
  serving_ = std::exchange(serving, nullptr);
  QLocalServer* raw = server.get();
  QObject::connect(raw, &QLocalServer::newConnection, raw, [this, raw] {
    while (QLocalSocket* socket = raw->nextPendingConnection()) new Connection(socket, receiver_, raw);
  });
  server_ = std::move(server);
  return true;
}

#endif  // Q_OS_WIN
