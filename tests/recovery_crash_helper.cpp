// An editor for the crash tests to kill: the real program objects with
// recovery on, copies under the folder given. It types a text with every kind
// of byte into Untitled:1 (and into a real file when one is named), waits
// until the copies are on disk, says "ready" and keeps running until killed.
//   recovery_crash_helper ROOT MARKER [FILE]
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <cstdio>

#include "RecoveryInstance.h"
#include "RecoveryScript.h"
#include "workspace/OpenFiles.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: recovery_crash_helper ROOT MARKER [FILE]\n");
    return 2;
  }
  RecoveryInstance editor(args[1], false);
  Program& program = editor.program();

  int expected = 1;
  for (const QByteArray& piece : typedPieces(args[2].toUtf8())) editor.env.doc(1)->Text1->SetSelText(piece);
  if (args.size() > 3) {
    if (!LoadDocumentFile(program, args[3])) return 3;
    TextBox* box = editor.env.doc(2)->Text1;
    box->SetSelStart(box->Length());
    box->SetSelText(appendedToFile());
    ++expected;
  }

  // The copies come from the gathering timer, as when typing for real.
  const QDeadlineTimer deadline(15000);
  QString set;
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    set = editor.folder.ownSet();
    if (!set.isEmpty() && QDir(QDir(args[1]).filePath(set)).entryList({QStringLiteral("*.copy")}).size() == expected)
      break;
  }
  if (deadline.hasExpired()) return 4;
  std::printf("ready %s\n", qPrintable(set));
  std::fflush(stdout);
  return app.exec();
}
