#include "launch/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "platform/CallersConsole.h"

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

LaunchRequest ParseCommandLine(const QStringList& arguments, const QString& startFolder) {
  QCommandLineParser parser;
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
  const QCommandLineOption version(QStringLiteral("version"), QString());
  parser.addOption(help);
  parser.addOption(version);
  LaunchRequest request;
  if (!parser.parse(arguments)) {
    request.action = LaunchRequest::UsageError;
    request.error = parser.errorText();
    return request;
  }
  if (parser.isSet(help)) {
    request.action = LaunchRequest::ShowHelp;
    return request;
  }
  if (parser.isSet(version)) {
    request.action = LaunchRequest::ShowVersion;
    return request;
  }
  const QDir start(startFolder);
  for (const QString& name : parser.positionalArguments())
    // In the system's own notation, as the open dialog gives names there: one
    // file has one caption however it was opened.
    request.files.append(QDir::toNativeSeparators(QDir::cleanPath(start.absoluteFilePath(name))));
  return request;
}

std::optional<LaunchRequest> EarlyRequest(int argc, char** argv, const QString& startFolder) {
  QStringList arguments;
#ifdef Q_OS_WIN
  // argv is in the ANSI code page there, which cannot name every file.
  Q_UNUSED(argc);
  Q_UNUSED(argv);
  int count = 0;
  if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 0; i < count; ++i) arguments.append(QString::fromWCharArray(wide[i]));
    LocalFree(wide);
  }
#else
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
#endif
  const LaunchRequest request = ParseCommandLine(arguments, startFolder);
  if (request.action == LaunchRequest::UsageError) return std::nullopt;  // perhaps an option of Qt's
  return request;
}

QString RequestedPlatform(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (argument == "--") break;
    if ((argument == "-platform" || argument == "--platform") && i + 1 < argc) return QString::fromLocal8Bit(argv[i + 1]);
    for (const char* prefix : {"-platform=", "--platform="})
      if (argument.startsWith(prefix)) return QString::fromLocal8Bit(argument.mid(qstrlen(prefix)));
  }
  return qEnvironmentVariable("QT_QPA_PLATFORM");
}

QString UsageText() {
  return QStringLiteral(
      "Usage: torvane-edit [OPTION]... [FILE]...\n"
      "Edit COG scripts and the other text files of the game Jedi Knight.\n"
      "\n"
      "Each FILE opens in a document window of its own, the last one active.\n"
      "When the editor is already running on this display, the files open there\n"
      "and this command ends at once.\n"
      "\n"
      "  -h, --help     show this help and exit\n"
      "      --version  show the version and exit\n"
      "      --         end of the options: every argument after it is a FILE\n"
      "\n"
      "Qt's own options (such as -platform NAME or -style NAME) work as well.\n"
      "Exit status: 0 when the editor ran or took the files, 2 for a wrong option.\n");
}

QString VersionText() {
  return QStringLiteral("torvane-edit %1\n").arg(QCoreApplication::applicationVersion());
}

int FinishWithoutWindow(const LaunchRequest& request) {
  if (request.action != LaunchRequest::Run) UseCallersConsole();
  switch (request.action) {
    case LaunchRequest::ShowHelp:
      std::fputs(qPrintable(UsageText()), stdout);
      return 0;
    case LaunchRequest::ShowVersion:
      std::fputs(qPrintable(VersionText()), stdout);
      return 0;
    case LaunchRequest::UsageError:
      std::fprintf(stderr, "torvane-edit: %s\n%s", qPrintable(request.error), qPrintable(UsageText()));
      return 2;
    case LaunchRequest::Run:
      break;
  }
  return 0;
}
