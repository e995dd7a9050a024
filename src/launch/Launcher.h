#pragma once
// What the editor does for the world outside its own windows once the frame
// is up: opens the files it was started with, takes the files later starts
// hand over, and opens files dropped on the frame.
#include <QObject>
#include <QStringList>
#include <memory>

#include "launch/FileDrops.h"
#include "launch/HandOver.h"
#include "launch/PendingFiles.h"

class Program;
class DesktopWindows;
class InstanceChannel;
class LaunchReport;

class Launcher : public QObject {
  Q_OBJECT
 public:
  // start: what handing over this start's own files left to do.
  Launcher(Program& program, InstanceChannel& channel, DesktopWindows& desktop, const HandOverResult& start);
  ~Launcher() override;

  bool Listening() const { return listening_; }
  PendingFiles& Pending() { return pending_; }

 private:
  bool receive(const QByteArray& message);

  Program& program_;
  PendingFiles pending_;
  FileDrops drops_;
  bool listening_ = false;
  std::unique_ptr<LaunchReport> report_;
};
