#pragma once
// Files waiting to be opened, in the order they came. They are opened from
// the event loop, never inside the event that brought them (a drop, a message
// on the socket), and only while no modal window is up: files that arrive
// during one wait until it closes.
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

class Program;
class DesktopWindows;

class PendingFiles : public QObject {
  Q_OBJECT
 public:
  PendingFiles(Program& program, DesktopWindows& desktop, QObject* parent = nullptr);

  // bringToFront: the files came from outside the frame (another start), so
  // the frame comes to the front for them.
  void Add(const QStringList& files, bool bringToFront);
  bool Waiting() const { return !batches_.isEmpty(); }

  // How often a modal window is checked for while files wait on it.
  static constexpr int kModalPollMs = 100;

 signals:
  // Everything that had come has been opened (or reported).
  void Opened();

 private:
  struct Batch {
    QStringList files;
    bool bringToFront;
  };
  void openWaiting();

  Program& program_;
  DesktopWindows& desktop_;
  QList<Batch> batches_;
  QTimer retry_;
  bool opening_ = false;
};
