#pragma once
// What the editor was asked to do by its command line:
//   torvane-edit [OPTION]... [FILE]...
// Qt's own options (-platform, -style, ...) are taken out by the application
// object before these arguments are read.
#include <QString>
#include <QStringList>
#include <optional>

struct LaunchRequest {
  enum Action { Run, ShowHelp, ShowVersion, UsageError };
  Action action = Run;
  QStringList files;  // absolute names, in the order given
  QString error;      // for UsageError: what was wrong, in a sentence
};

// arguments: the program's name first, as QCoreApplication::arguments() has
// them. Relative names are taken from startFolder, the folder the program was
// started in.
LaunchRequest ParseCommandLine(const QStringList& arguments, const QString& startFolder);

// The raw arguments, before the application object exists (and so before a
// display is needed, or its cost paid): the request when they hold none of
// Qt's own options; nullopt when they do, and must wait for the reading once
// Qt has taken those out.
std::optional<LaunchRequest> EarlyRequest(int argc, char** argv, const QString& startFolder);

// The windowing platform asked for: a -platform argument, else
// $QT_QPA_PLATFORM, else "" for Qt's own choice. Known before Qt starts.
QString RequestedPlatform(int argc, char** argv);

QString UsageText();
QString VersionText();

// For every action but Run: prints the help, the version, or the error and
// the usage (on standard error), and returns the exit status (0, or 2 for a
// usage error).
int FinishWithoutWindow(const LaunchRequest& request);
