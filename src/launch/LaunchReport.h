#pragma once
// A hook for the tests that drive the real program from outside (and for
// anyone checking a start by hand). Off unless the environment names a file:
//
//   TORVANE_LAUNCH_REPORT=/some/file torvane-edit ...
//
// Then the program answers every message box as if OK (or the default
// button) had been pressed at once, and rewrites that file, whole, once
// start-up is over and again each time files it was given have been opened:
//
//   listening<TAB>yes|no            whether it took the channel for other starts
//   document<TAB>CAPTION<TAB>BYTES<TAB>MD5 HEX   one per open document, in slot order
//   active<TAB>CAPTION              the active document
//   recent<TAB>NAME                 the recent-file list, in order
//   editbuttons<TAB>shown|hidden
//   message<TAB>TEXT                every message box shown so far, in order
//   opened<TAB>N                    how many times files have been opened
//
// It changes nothing else: without the variable the program does not look.
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

class Program;
class PendingFiles;

class LaunchReport : public QObject {
  Q_OBJECT
 public:
  // Null unless TORVANE_LAUNCH_REPORT is set.
  static std::unique_ptr<LaunchReport> FromEnvironment(Program& program, PendingFiles& pending, bool listening);
  LaunchReport(Program& program, PendingFiles& pending, bool listening, const QString& path);

 private:
  void write();
  void answerMessageBox();

  Program& program_;
  QString path_;
  bool listening_;
  int opened_ = 0;
  int retries_ = 0;
  QStringList messages_;
  QTimer boxes_;
};
