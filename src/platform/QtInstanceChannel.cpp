#include "platform/QtInstanceChannel.h"

#ifndef Q_OS_WIN  // Windows: QtInstanceChannelWindows.cpp

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kConnectMs = InstanceChannel::ConnectMs;
constexpr int kAcknowledgeMs = InstanceChannel::AcknowledgeMs;
constexpr int kReceiveMs = InstanceChannel::ReceiveMs;
const QByteArray kAcknowledgement(InstanceChannel::Acknowledgement);

bool isPrivateFolder(const QByteArray& path) {
  struct stat st;
  if (::lstat(path.constData(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

// ":0.0" and ":0" are one display: the screen after the number goes.
QByteArray displayName(const QByteArray& display) {
  const qsizetype colon = display.lastIndexOf(':');
  const qsizetype dot = display.lastIndexOf('.');
  if (colon < 0 || dot < colon + 2) return display;
  return display.left(dot);
}

bool addressOf(const QString& path, sockaddr_un& address) {
  const QByteArray name = QFile::encodeName(path);
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
  return true;
}

void setTimeout(int fd, int option, int ms) {
  timeval tv{ms / 1000, (ms % 1000) * 1000};
  ::setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv);
}

// A connected stream socket to the path, or -1 with errno set.
int connectTo(const QString& path) {
  sockaddr_un address;
  if (!addressOf(path, address)) {
    errno = ENAMETOOLONG;
    return -1;
  }
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  setTimeout(fd, SO_SNDTIMEO, kConnectMs);  // also bounds the connect itself
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

bool peerIsThisUser(int fd) {
  struct ucred peer;
  socklen_t length = sizeof peer;
  if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0) return false;
  return peer.uid == ::getuid();
}

// One connection on the listening side: reads one framed message within the
// limits, hands it on, answers, and closes.
class Connection : public QObject {
 public:
  Connection(int fd, InstanceChannel::Receiver& receiver, QObject* parent)
      : QObject(parent), fd_(fd), receiver_(receiver), notifier_(fd, QSocketNotifier::Read) {
    connect(&notifier_, &QSocketNotifier::activated, this, &Connection::readSome);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Connection::finish);
    timer_.start(kReceiveMs);
  }
  ~Connection() override { ::close(fd_); }

 private:
  void readSome() {
    char chunk[16384];
    const qsizetype room = 4 + InstanceChannel::MaxMessageBytes - received_.size();
    const ssize_t n = ::recv(fd_, chunk, size_t(qMin<qsizetype>(room, qsizetype(sizeof chunk))), 0);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (n <= 0) return finish();  // closed before a whole message came
    received_.append(chunk, n);
    if (received_.size() < 4) return;
    const quint32 length = qFromBigEndian<quint32>(received_.constData());
    if (length > quint32(InstanceChannel::MaxMessageBytes)) return finish();
    if (received_.size() < 4 + qsizetype(length)) return;
    if (receiver_ && receiver_(received_.mid(4, length)))
      ::send(fd_, kAcknowledgement.constData(), size_t(kAcknowledgement.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    finish();
  }
  void finish() {
    notifier_.setEnabled(false);
    timer_.stop();
    deleteLater();
  }

  int fd_;
  InstanceChannel::Receiver& receiver_;
  QSocketNotifier notifier_;
  QTimer timer_;
  QByteArray received_;
};

}  // namespace

QString privateRuntimeFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && isPrivateFolder(runtime)) return QFile::decodeName(runtime);
  const QByteArray own = QFile::encodeName(QDir::tempPath()) + "/torvane-edit-" + QByteArray::number(::getuid());
  if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST) return QString();
  return isPrivateFolder(own) ? QFile::decodeName(own) : QString();
}

QString instanceSocketName(const QString& platform) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QByteArray::number(::getuid()) + '\n' + platform.toUtf8() + '\n' +
               displayName(qgetenv("DISPLAY")) + '\n' + qgetenv("WAYLAND_DISPLAY"));
  return QStringLiteral("torvane-edit-") + QString::fromLatin1(hash.result().toHex().left(16));
}

QtInstanceChannel::QtInstanceChannel(const QString& platform) {
  const QString folder = privateRuntimeFolder();
  sockaddr_un address;
  if (folder.isEmpty()) return;
  const QString path = folder + QLatin1Char('/') + instanceSocketName(platform);
  if (addressOf(path, address)) path_ = path;  // a folder too deep for a socket name: no channel
}

QtInstanceChannel::~QtInstanceChannel() {
  notifier_.reset();
  if (listener_ < 0) return;
  ::close(listener_);
  // Removed only while it is still ours: a later editor may have replaced it.
  struct stat st;
  const QByteArray name = QFile::encodeName(path_);
  if (::lstat(name.constData(), &st) == 0 && st.st_ino == listenerInode_) ::unlink(name.constData());
}

InstanceChannel::Delivery QtInstanceChannel::Send(const QByteArray& message) {
  if (path_.isEmpty() || message.size() > MaxMessageBytes) return Delivery::NobodyListening;
  // A missing socket, or one nobody accepts on, fails here at once.
  const int fd = connectTo(path_);
  if (fd < 0)
    return errno == ENOENT || errno == ECONNREFUSED ? Delivery::NobodyListening : Delivery::NotAcknowledged;
  setTimeout(fd, SO_SNDTIMEO, kAcknowledgeMs);
  setTimeout(fd, SO_RCVTIMEO, kAcknowledgeMs);
  QByteArray frame(4, '\0');
  qToBigEndian(quint32(message.size()), frame.data());
  frame += message;
  qsizetype sent = 0;
  while (sent < frame.size()) {
    const ssize_t n = ::send(fd, frame.constData() + sent, size_t(frame.size() - sent), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    sent += n;
  }
  QByteArray answer;
  while (sent == frame.size() && answer.size() < kAcknowledgement.size()) {
    char chunk[8];
    const ssize_t n = ::recv(fd, chunk, size_t(kAcknowledgement.size() - answer.size()), 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    answer.append(chunk, n);
  }
  ::close(fd);
  return answer == kAcknowledgement ? Delivery::Delivered : Delivery::NotAcknowledged;
}

bool QtInstanceChannel::someoneListens() const {
  const int fd = connectTo(path_);
  if (fd < 0) return errno != ENOENT && errno != ECONNREFUSED;  // busy counts as live
  ::close(fd);
  return true;
}

bool QtInstanceChannel::Listen(Receiver receiver) {
  if (path_.isEmpty() || listener_ >= 0) return false;
  const QByteArray name = QFile::encodeName(path_);
  struct stat st;
  // Only a socket nobody answers on is replaced: a live editor keeps its own.
  if (::lstat(name.constData(), &st) == 0) {
    if (someoneListens()) return false;
    ::unlink(name.constData());
  }
  sockaddr_un address;
  addressOf(path_, address);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return false;
  // The folder keeps everyone else out already; the socket says so as well.
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::chmod(name.constData(), 0600) != 0 ||
      ::listen(fd, 16) != 0 || ::lstat(name.constData(), &st) != 0) {
    ::close(fd);
    return false;
  }
  listener_ = fd;
  listenerInode_ = st.st_ino;
  receiver_ = std::move(receiver);
  notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { acceptWaiting(); });
  return true;
}

void QtInstanceChannel::acceptWaiting() {
  for (;;) {
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) return;  // none left (EAGAIN), or the call failed: try at the next
    if (!peerIsThisUser(fd)) {
      ::close(fd);
      continue;
    }
    new Connection(fd, receiver_, notifier_.get());
  }
}

#endif  // !Q_OS_WIN
