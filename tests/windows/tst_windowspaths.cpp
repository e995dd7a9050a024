// File names as Windows users give them: drive letters, backslashes, and a
// file system that ignores case, through open, save, the recent list and the
// captions; and the open dialog's initial folder on the current drive.
#include <QtTest>

#include "DocumentSteps.h"
#include "TestEnv.h"
#include "platform/QtRuntime.h"
#include "recent/RecentFiles.h"
#include "workspace/SaveFiles.h"

namespace {
QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

QStringList recentEntries(TestEnv& env) {
  QStringList shown;
  for (int k = 1; k <= 4; ++k)
    if (env.frame->mnuRecentFile[k]->isVisible()) shown << RecentFileCaption(env.frame->mnuRecentFile[k]);
  return shown;
}
}  // namespace

class WindowsPathsTest : public QObject {
  Q_OBJECT
 private slots:
  void openAndSaveWithDriveLetterAndBackslashes();
  void otherCaseNamesTheSameFile();
  void saveAsIntoAFolderWithBackslashes();
  void failedSaveShowsTheNameWithBackslashes_data();
  void failedSaveShowsTheNameWithBackslashes();
  void initialFolderIsOnTheCurrentDrive();
};

void WindowsPathsTest::openAndSaveWithDriveLetterAndBackslashes() {
  TestEnv env;
  const QString name = QDir::toNativeSeparators(env.writeFile(QStringLiteral("Mixed Case.Cog"), "old\r\ntext"));
  QVERIFY(name.at(1) == QLatin1Char(':') && name.contains(QLatin1Char('\\')));
  frmNotePad* doc = openThroughDialog(env, name);
  QVERIFY(env.runtime.messages.isEmpty());
  QCOMPARE(doc->Text1->Text(), QByteArray("old\r\ntext"));
  QCOMPARE(doc->Caption(), name.toUpper());
  QCOMPARE(doc->FileName, name);
  QCOMPARE(recentEntries(env), QStringList{name});

  editText(doc, "new\r\ntext");
  QVERIFY(SaveDocument(*env.program, *doc));
  QCOMPARE(env.readFile(name), QByteArray("new\r\ntext"));
  QCOMPARE(filesIn(env.dir.path()), QStringList{QStringLiteral("Mixed Case.Cog")});
  QCOMPARE(env.runtime.messages.size(), 0);
}

// The caption is the name in capitals; on this file system that name, and
// any other spelling of it, is the same file: opening and saving through it
// reads and replaces that file, never a second one.
void WindowsPathsTest::otherCaseNamesTheSameFile() {
  TestEnv env;
  const QString name = QDir::toNativeSeparators(env.writeFile(QStringLiteral("level.cog"), "first"));
  frmNotePad* lower = openThroughDialog(env, name);
  frmNotePad* upper = openThroughDialog(env, lower->Caption());
  QVERIFY(env.runtime.messages.isEmpty());
  QVERIFY(upper != lower);
  QCOMPARE(upper->Text1->Text(), QByteArray("first"));
  QCOMPARE(upper->Caption(), lower->Caption());
  editText(upper, "through the capitals");
  QVERIFY(SaveDocument(*env.program, *upper));
  QCOMPARE(filesIn(env.dir.path()).size(), 1);
  QCOMPARE(filesIn(env.dir.path()).constFirst().toLower(), QStringLiteral("level.cog"));
  QCOMPARE(env.readFile(name), QByteArray("through the capitals"));
  // The list keeps names as they were given, as on every system.
  QCOMPARE(recentEntries(env), (QStringList{name.toUpper(), name}));
}

void WindowsPathsTest::saveAsIntoAFolderWithBackslashes() {
  TestEnv env;
  QVERIFY(QDir(env.dir.path()).mkdir(QStringLiteral("Levels")));
  const QString name = QDir::toNativeSeparators(env.path(QStringLiteral("Levels"))) + QStringLiteral("\\door.cog");
  frmNotePad* doc = env.doc(1);
  editText(doc, "symbols\r\nend");
  env.runtime.fileAnswers.enqueue(name);
  QVERIFY(SaveDocumentAs(*env.program, *doc));
  QCOMPARE(env.readFile(env.path(QStringLiteral("Levels/door.cog"))), QByteArray("symbols\r\nend"));
  QCOMPARE(doc->Caption(), name.toUpper());
  QCOMPARE(recentEntries(env), QStringList{name});
}

void WindowsPathsTest::failedSaveShowsTheNameWithBackslashes_data() {
  QTest::addColumn<QString>("name");   // below the test folder
  QTest::addColumn<QString>("cause");  // %1 stands for the test folder
  QTest::newRow("a missing folder") << QStringLiteral("nowhere\\a.cog")
                                    << QStringLiteral("the folder %1\\nowhere does not exist.");
  QTest::newRow("through a regular file") << QStringLiteral("plain.txt\\a.cog")
                                          << QStringLiteral("%1\\plain.txt is a file, not a folder.");
  QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("it is a folder, not a file.");
}

void WindowsPathsTest::failedSaveShowsTheNameWithBackslashes() {
  QFETCH(QString, name);
  QFETCH(QString, cause);
  TestEnv env;
  QVERIFY(QDir(env.dir.path()).mkdir(QStringLiteral("folder")));
  env.writeFile(QStringLiteral("plain.txt"), "plain");
  const QString folder = QDir::toNativeSeparators(env.dir.path());
  const QString path = folder + QLatin1Char('\\') + name;
  editText(env.doc(1), "unsaved work");
  env.runtime.fileAnswers.enqueue(path);
  QVERIFY(!SaveDocumentAs(*env.program, *env.doc(1)));
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, QStringLiteral("Can't save ") + path + QStringLiteral(": ") + cause.arg(folder));
  QCOMPARE(env.doc(1)->Text1->Text(), QByteArray("unsaved work"));
  QCOMPARE(env.readFile(QStringLiteral("plain.txt")), QByteArray("plain"));
}

// "\jediknight" is the folder of that name at the top of the current drive,
// whichever drive that is.
void WindowsPathsTest::initialFolderIsOnTheCurrentDrive() {
  QTemporaryDir work;  // on the drive of the temporary folder
  const QString before = QDir::currentPath();
  QVERIFY(QDir::setCurrent(work.path()));
  const QString drive = QDir::currentPath().left(2);
  QVERIFY(drive.at(1) == QLatin1Char(':'));
  const QString folder = drive + QStringLiteral("/jediknight");
  const bool made = !QFileInfo(folder).isDir();
  if (made && !QDir().mkdir(folder)) {
    QDir::setCurrent(before);
    QSKIP("no folder can be made at the top of the drive by this user");
  }
  const QString resolved = resolveInitialFolder(QStringLiteral("\\jediknight"));
  if (made) QDir().rmdir(folder);
  QDir::setCurrent(before);
  QCOMPARE(resolved.toLower(), folder.toLower());
}

QTEST_MAIN(WindowsPathsTest)
#include "tst_windowspaths.moc"
