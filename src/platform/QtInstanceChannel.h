#pragma once
#include <QString>
#include <memory>

#include "platform/InstanceChannel.h"

class QLocalServer;
class QSocketNotifier;

// The channel as a local stream socket named for the user and the display,
// served from Qt's event loop. Every message travels as a 4-byte big-endian
// length and that many bytes; the listener answers "OK" to a message it took.
//
// On Linux and its kin a Unix-domain socket in a folder only the user can
// enter, on plain sockets rather than Qt Network: that module and the
// libraries it brings would be loaded by every start of the editor, and cost
// it more time than the whole channel does. On Windows a named pipe that only
// the user may open (Qt Network's local server, linked in statically there).
class QtInstanceChannel : public InstanceChannel {
 public:
  // platform: the windowing platform asked for ("xcb", "offscreen", ...; ""
  // for Qt's own choice), known before Qt starts so that a start can hand
  // its files over without starting Qt's windowing at all.
  explicit QtInstanceChannel(const QString& platform);
  ~QtInstanceChannel() override;

  Delivery Send(const QByteArray& message) override;
  bool Listen(Receiver receiver) override;

  // Where the socket lives (on Windows: the pipe's name); empty when no
  // private folder could be had, and then the channel never listens nor sends.
  const QString& SocketPath() const { return path_; }

 private:
  QString path_;
  Receiver receiver_;
#ifdef Q_OS_WIN
  void* serving_ = nullptr;  // a named mutex of the session's, open while this editor serves the pipe
  std::unique_ptr<QLocalServer> server_;
#else
  bool someoneListens() const;
  void acceptWaiting();

  int listener_ = -1;
  unsigned long listenerInode_ = 0;  // to remove only our own socket file
  std::unique_ptr<QSocketNotifier> notifier_;
#endif
};

// The socket's name for this user on this display: the same in every start
// of the editor there, different for another user or display.
QString instanceSocketName(const QString& platform);
// $XDG_RUNTIME_DIR when it is a folder of the user's that nobody else may
// enter, else a folder of that kind made in the temporary folder; empty when
// neither can be had.
QString privateRuntimeFolder();
