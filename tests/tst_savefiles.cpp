// Saving files: Save and Save As, the names they propose, the exact bytes
// written, and what a cancelled dialog or a failed write leaves behind.
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>

#include "DocumentSteps.h"
#include "FaultySystem.h"
#include "TestEnv.h"
#include "recent/RecentFiles.h"
#include "workspace/DocumentTable.h"
#include "workspace/SaveFiles.h"

class SaveFilesTest : public QObject {
  Q_OBJECT
 private slots:
  void saveOfAnUntitledDocumentAsksForAName();
  void saveOfATitledDocumentWritesToItsRealFile();
  void saveAsProposes_data();
  void saveAsProposes();
  void cancelWritesNothing_data();
  void cancelWritesNothing();
  void openedAndSavedUnchangedIsTheSameFile_data();
  void openedAndSavedUnchangedIsTheSameFile();
  void failedWriteSaysWhyAndKeepsEverything_data();
  void failedWriteSaysWhyAndKeepsEverything();
  void deviceFailureLeavesTheOldFileAsItWas_data();
  void deviceFailureLeavesTheOldFileAsItWas();
  void systemFilesAreNeverReplaced_data();
  void systemFilesAreNeverReplaced();
  void savingKeepsPermissions();
  void savingWritesThroughASymbolicLink();
  void savedDocumentClosesWithoutAQuestion();
  void saveAsRemembersOnlyWrittenFiles();
};

static const QString kTitle = QStringLiteral("Torvane Edit");

static QStringList filesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void SaveFilesTest::saveOfAnUntitledDocumentAsksForAName() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  editText(doc, "line one\r\nline two");
  const QString path = env.path(QStringLiteral("New Level.cog"));
  env.runtime.fileAnswers.enqueue(path);
  QVERIFY(SaveDocument(*env.program, *doc));

  QCOMPARE(env.runtime.fileDialogs.size(), 1);
  const ShownFileDialog& shown = env.runtime.fileDialogs[0];
  QVERIFY(shown.save);
  QCOMPARE(shown.settings.FileName, QString());
  QCOMPARE(shown.settings.DialogTitle, QStringLiteral("Torv Cog "));
  QCOMPARE(shown.settings.DefaultExt, QStringLiteral("COG"));
  QCOMPARE(env.readFile(path), QByteArray("line one\r\nline two"));  // no line end added
  QCOMPARE(doc->Caption(), path.toUpper());
  QCOMPARE(doc->FileName, path);
  QCOMPARE(env.program->DocumentStates[1].Changed, False16);
  QCOMPARE(env.runtime.messages.size(), 0);
  QCOMPARE(env.runtime.pointerHistory.last(), MousePointer::Default);
  QVERIFY(env.runtime.pointerHistory.contains(MousePointer::Hourglass));
}

// On a case-sensitive file system the upper-case caption names another
// file: Save goes to the one that was opened.
void SaveFilesTest::saveOfATitledDocumentWritesToItsRealFile() {
  TestEnv env;
  const QString path = env.writeFile(QStringLiteral("lower case.cog"), "old");
  frmNotePad* doc = openThroughDialog(env, path);
  editText(doc, "new");
  QVERIFY(SaveDocument(*env.program, *doc));
  QCOMPARE(env.runtime.fileDialogs.size(), 1);  // the open only: Save asked nothing
  QCOMPARE(env.readFile(path), QByteArray("new"));
  QCOMPARE(filesIn(env.dir.path()), QStringList{QStringLiteral("lower case.cog")});
  QCOMPARE(doc->Caption(), path.toUpper());
  QCOMPARE(StateOf(*env.program, *doc).Changed, False16);
}

void SaveFilesTest::saveAsProposes_data() {
  QTest::addColumn<bool>("titled");
  QTest::newRow("untitled: Untitled.cog") << false;
  QTest::newRow("titled: its own file") << true;
}

void SaveFilesTest::saveAsProposes() {
  QFETCH(bool, titled);
  TestEnv env;
  const QString original = env.writeFile(QStringLiteral("Original.cog"), "text");
  frmNotePad* doc = titled ? openThroughDialog(env, original) : env.doc(1);
  env.runtime.fileDialogs.clear();
  const QString copy = env.path(QStringLiteral("Copy.cog"));
  env.runtime.fileAnswers.enqueue(copy);
  QVERIFY(SaveDocumentAs(*env.program, *doc));
  QCOMPARE(env.runtime.fileDialogs.size(), 1);
  QVERIFY(env.runtime.fileDialogs[0].save);
  QCOMPARE(env.runtime.fileDialogs[0].settings.FileName, titled ? original : QStringLiteral("Untitled.cog"));
  QCOMPARE(env.readFile(copy), titled ? QByteArray("text") : QByteArray());
  QCOMPARE(doc->Caption(), copy.toUpper());
  QCOMPARE(doc->FileName, copy);
  QCOMPARE(env.readFile(original), QByteArray("text"));
}

void SaveFilesTest::cancelWritesNothing_data() {
  QTest::addColumn<bool>("saveAs");
  QTest::addColumn<bool>("titled");
  QTest::newRow("Save, untitled") << false << false;
  QTest::newRow("Save As, untitled") << true << false;
  QTest::newRow("Save As, titled") << true << true;
}

void SaveFilesTest::cancelWritesNothing() {
  QFETCH(bool, saveAs);
  QFETCH(bool, titled);
  FaultySystem system;
  TestEnv env(true, &system);
  const QString path = env.writeFile(QStringLiteral("kept.cog"), "on disk");
  frmNotePad* doc = titled ? openThroughDialog(env, path) : env.doc(1);
  editText(doc, "edited");
  const QString caption = doc->Caption();
  env.runtime.fileAnswers.enqueue(std::nullopt);
  QVERIFY(!(saveAs ? SaveDocumentAs(*env.program, *doc) : SaveDocument(*env.program, *doc)));
  QCOMPARE(system.writes, QStringList());
  QCOMPARE(filesIn(env.dir.path()), QStringList{QStringLiteral("kept.cog")});  // no "Untittled."
  QCOMPARE(env.readFile(path), QByteArray("on disk"));
  QCOMPARE(doc->Caption(), caption);
  QCOMPARE(StateOf(*env.program, *doc).Changed, True16);
  QCOMPARE(env.runtime.messages.size(), 0);
}

void SaveFilesTest::openedAndSavedUnchangedIsTheSameFile_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::newRow("empty") << QByteArray();
  QTest::newRow("CR LF, final line end") << QByteArray("a\r\nb\r\n");
  QTest::newRow("no final line end") << QByteArray("a\r\nb");
  QTest::newRow("LF only") << QByteArray("a\nb\n");
  QTest::newRow("CR only") << QByteArray("a\rb\r");
  QTest::newRow("mixed") << QByteArray("\r\n\n\r\r\n x \n\r");
  QTest::newRow("NULs") << QByteArray("\0\0a\0", 4);
  QTest::newRow("every byte 0-255") << everyByte();
  QTest::newRow("the size limit") << QByteArray(65000, '\xE9');
}

void SaveFilesTest::openedAndSavedUnchangedIsTheSameFile() {
  QFETCH(QByteArray, bytes);
  TestEnv env;
  const QString path = env.writeFile(QStringLiteral("round.dat"), bytes);
  for (int cycle = 0; cycle < 3; ++cycle) {
    frmNotePad* doc = openThroughDialog(env, path);
    QVERIFY(SaveDocument(*env.program, *doc));
    QCOMPARE(env.readFile(path), bytes);
    closeDocument(env, doc);
  }
  QCOMPARE(env.runtime.messages.size(), 0);
}

void SaveFilesTest::failedWriteSaysWhyAndKeepsEverything_data() {
  QTest::addColumn<QString>("name");  // relative to the test folder
  QTest::addColumn<QString>("cause");  // %1 stands for the test folder
  QTest::newRow("a missing folder") << QStringLiteral("nowhere/a.cog")
                                    << QStringLiteral("the folder %1/nowhere does not exist.");
  QTest::newRow("missing folders") << QStringLiteral("no/where/a.cog")
                                   << QStringLiteral("the folder %1/no/where does not exist.");
  QTest::newRow("through a regular file") << QStringLiteral("plain.txt/a.cog")
                                          << QStringLiteral("%1/plain.txt is a file, not a folder.");
  QTest::newRow("deeper through a regular file") << QStringLiteral("plain.txt/sub/a.cog")
                                                 << QStringLiteral("%1/plain.txt is a file, not a folder.");
  QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("it is a folder, not a file.");
}

void SaveFilesTest::failedWriteSaysWhyAndKeepsEverything() {
#ifdef Q_OS_WIN
  QSKIP("the causes above name folders with '/'; tests/windows/tst_windowspaths checks them in Windows' notation");
#endif
  QFETCH(QString, name);
  QFETCH(QString, cause);
  TestEnv env;
  QDir(env.dir.path()).mkdir(QStringLiteral("folder"));
  env.writeFile(QStringLiteral("plain.txt"), "plain");
  frmNotePad* doc = env.doc(1);
  editText(doc, "unsaved work");
  const QString path = env.path(name);
  env.runtime.fileAnswers.enqueue(path);
  QVERIFY(!SaveDocumentAs(*env.program, *doc));

  QCOMPARE(env.runtime.messages.size(), 1);
  const QString expected = QStringLiteral("Can't save ") + path + QStringLiteral(": ") + cause.arg(env.dir.path());
  QCOMPARE(env.runtime.messages[0].text, expected);
  QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly | MsgBoxCode::Exclamation);
  QCOMPARE(env.runtime.messages[0].title, kTitle);
  QCOMPARE(doc->Caption(), QStringLiteral("Untitled:1"));
  QCOMPARE(env.program->DocumentStates[1].Changed, True16);
  QCOMPARE(doc->Text1->Text(), QByteArray("unsaved work"));
  QCOMPARE(env.readFile(QStringLiteral("plain.txt")), QByteArray("plain"));
  QVERIFY(QFileInfo(env.path(QStringLiteral("folder"))).isDir());
  QCOMPARE(env.runtime.MousePointer(), MousePointer::Default);
}

void SaveFilesTest::deviceFailureLeavesTheOldFileAsItWas_data() {
  QTest::addColumn<int>("errnum");
  QTest::addColumn<QString>("cause");
  QTest::newRow("full disk") << ENOSPC << QStringLiteral("there is no space left on the device.");
#ifdef EDQUOT  // not a code of Windows
  QTest::newRow("quota") << EDQUOT << QStringLiteral("there is no space left on the device.");
#endif
  QTest::newRow("permission denied") << EACCES << QStringLiteral("permission denied.");
  QTest::newRow("read-only disk") << EROFS << QStringLiteral("the disk is read-only.");
  QTest::newRow("device error") << EIO << QStringLiteral("the device reported an input/output error.");
}

// The write stops part-way: the old file stays byte for byte as it was.
void SaveFilesTest::deviceFailureLeavesTheOldFileAsItWas() {
  QFETCH(int, errnum);
  QFETCH(QString, cause);
  FaultySystem system;
  TestEnv env(true, &system);
  const QByteArray old = everyByte();
  const QString path = env.writeFile(QStringLiteral("full.cog"), old);
  frmNotePad* doc = openThroughDialog(env, path);
  editText(doc, QByteArray(4000, 'n'));
  system.writeErrno = errnum;
  QVERIFY(!SaveDocument(*env.program, *doc));
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, QStringLiteral("Can't save ") + path + QStringLiteral(": ") + cause);
  QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly | MsgBoxCode::Exclamation);
  QCOMPARE(env.runtime.messages[0].title, kTitle);
  QCOMPARE(env.readFile(path), old);
  QCOMPARE(filesIn(env.dir.path()), QStringList{QStringLiteral("full.cog")});  // no temporary left behind
  QCOMPARE(StateOf(*env.program, *doc).Changed, True16);
  QCOMPARE(doc->Caption(), path.toUpper());

  // Once the device takes it again the same Save goes through.
  system.writeErrno = 0;
  QVERIFY(SaveDocument(*env.program, *doc));
  QCOMPARE(env.readFile(path), QByteArray(4000, 'n'));
}

void SaveFilesTest::systemFilesAreNeverReplaced_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<QString>("cause");
  QTest::newRow("a pipe") << QStringLiteral("pipe") << QStringLiteral("it is not a regular file.");
  QTest::newRow("a folder that takes no new files")
      << QStringLiteral("/proc/version") << QStringLiteral("no file can be created in the folder /proc.");
}

// Failures that hold for root: a save must not swap a pipe or a device for
// a plain file, and some folders take no temporary file.
void SaveFilesTest::systemFilesAreNeverReplaced() {
  QFETCH(QString, path);
  QFETCH(QString, cause);
#ifdef Q_OS_WIN
  QSKIP("Windows has neither pipes in the file system nor /proc (under Wine the host's shows through drive Z:)");
#endif
  TestEnv env;
  if (!path.startsWith(QLatin1Char('/'))) {
    path = env.path(path);
#ifndef Q_OS_WIN
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
#endif
  }
  if (!QFileInfo::exists(path)) QSKIP("not on this system");
  const bool wasFile = QFileInfo(path).isFile();
  editText(env.doc(1), "x");
  env.runtime.fileAnswers.enqueue(path);
  QVERIFY(!SaveDocumentAs(*env.program, *env.doc(1)));
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, QStringLiteral("Can't save ") + path + QStringLiteral(": ") + cause);
  QCOMPARE(QFileInfo(path).isFile(), wasFile);
  QCOMPARE(env.doc(1)->Caption(), QStringLiteral("Untitled:1"));
}

void SaveFilesTest::savingKeepsPermissions() {
#ifdef Q_OS_WIN
  QSKIP("Windows files have no owner, group and execute bits: Qt maps only the read-only attribute onto them");
#endif
  TestEnv env;
  const QString path = env.writeFile(QStringLiteral("perm.cog"), "old");
  const QFile::Permissions wanted = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ExeOwner;
  QVERIFY(QFile::setPermissions(path, wanted));
  frmNotePad* doc = openThroughDialog(env, path);
  editText(doc, "new");
  QVERIFY(SaveDocument(*env.program, *doc));
  QCOMPARE(env.readFile(path), QByteArray("new"));
  QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), wanted);
}

void SaveFilesTest::savingWritesThroughASymbolicLink() {
#ifdef Q_OS_WIN
  QSKIP("QFile::link makes a shell shortcut on Windows, not a symbolic link; making those needs a privilege");
#endif
  TestEnv env;
  QDir(env.dir.path()).mkdir(QStringLiteral("real"));
  const QString target = env.writeFile(QStringLiteral("real/target.cog"), "old");
  const QString link = env.path(QStringLiteral("link.cog"));
  const QString linkToLink = env.path(QStringLiteral("link2.cog"));
  QVERIFY(QFile::link(QStringLiteral("real/target.cog"), link));  // relative, as users make them
  QVERIFY(QFile::link(link, linkToLink));
  frmNotePad* doc = openThroughDialog(env, linkToLink);
  QCOMPARE(doc->Text1->Text(), QByteArray("old"));
  editText(doc, "through the links");
  QVERIFY(SaveDocument(*env.program, *doc));
  QVERIFY(QFileInfo(link).isSymLink());
  QVERIFY(QFileInfo(linkToLink).isSymLink());
  QCOMPARE(env.readFile(target), QByteArray("through the links"));
  QCOMPARE(filesIn(env.path(QStringLiteral("real"))), QStringList{QStringLiteral("target.cog")});
  QCOMPARE(doc->Caption(), linkToLink.toUpper());
}

void SaveFilesTest::savedDocumentClosesWithoutAQuestion() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  editText(doc, "x");
  env.runtime.fileAnswers.enqueue(env.path(QStringLiteral("x.cog")));
  QVERIFY(SaveDocument(*env.program, *doc));
  closeDocument(env, doc);
  QCOMPARE(env.runtime.messages.size(), 0);
  QCOMPARE(env.program->DocumentStates[1].Deleted, True16);
}

// The recent-file list is kept by its own module; where it keeps nothing yet
// there is nothing to look at.
void SaveFilesTest::saveAsRemembersOnlyWrittenFiles() {
  const auto stored = [](TestEnv& env) {
    QStringList names;
    for (const auto& pair : env.settings.GetAllSettings(QStringLiteral("Zentopad"), QStringLiteral("Recent Files")))
      if (!pair.second.isEmpty()) names << pair.second;
    return names;
  };
  {
    TestEnv probe;
    RememberRecentFile(*probe.program, probe.path(QStringLiteral("probe.cog")));
    if (stored(probe).isEmpty()) QSKIP("the recent-file list is not kept yet");
  }
  TestEnv env;
  QDir(env.dir.path()).mkdir(QStringLiteral("folder"));
  frmNotePad* doc = env.doc(1);
  env.runtime.fileAnswers.enqueue(std::nullopt);                             // cancelled
  env.runtime.fileAnswers.enqueue(env.path(QStringLiteral("folder")));      // fails
  env.runtime.fileAnswers.enqueue(env.path(QStringLiteral("written.cog")));  // written
  QVERIFY(!SaveDocumentAs(*env.program, *doc));
  QVERIFY(!SaveDocumentAs(*env.program, *doc));
  QCOMPARE(stored(env), QStringList());
  QVERIFY(SaveDocumentAs(*env.program, *doc));
  QCOMPARE(stored(env), QStringList{env.path(QStringLiteral("written.cog"))});
  // Save writes but remembers nothing.
  editText(doc, "again");
  const QString other = env.path(QStringLiteral("other.cog"));
  CreateNewDocument(*env.program);
  env.runtime.fileAnswers.enqueue(other);
  QVERIFY(SaveDocument(*env.program, *env.frame->ActiveForm()));
  QCOMPARE(stored(env), QStringList{env.path(QStringLiteral("written.cog"))});
}

QTEST_MAIN(SaveFilesTest)
#include "tst_savefiles.moc"
