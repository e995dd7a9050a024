// Opening files: the open dialog, the size limit, reading a file whole into a
// new document window, and what a failure tells the user.
#include <QtTest>

#include <sys/stat.h>

#include "DocumentSteps.h"
#include "FaultySystem.h"
#include "TestEnv.h"
#include "platform/QtRuntime.h"
#include "workspace/DocumentTable.h"
#include "workspace/OpenFiles.h"

class OpenFilesTest : public QObject {
  Q_OBJECT
 private slots:
  void dialogHasTheDesignedSettings();
  void dialogFiltersAndInitialFolder();
  void cancelChangesNothing();
  void sizeLimit_data();
  void sizeLimit();
  void textArrivesByteForByte_data();
  void textArrivesByteForByte();
  void unreachableNameOpensNothing_data();
  void unreachableNameOpensNothing();
  void unreadableLengthIsNotCalledTooLarge();
  void failedReadOpensNoWindow();
  void failedReadOnARealDevice();
  void everyOpenGetsANewWindow();
  void openReusesTheClosedSlot();
  void loadAppliesNoLimit();
  void editButtonsComeBackAfterAnOpen_data();
  void editButtonsComeBackAfterAnOpen();
  void hourglassIsResetWhateverHappens_data();
  void hourglassIsResetWhateverHappens();
};

static const QString kTitle = QStringLiteral("Torvane Edit");
static const QString kTooLarge = QStringLiteral("This File is to large to open at this time.");

void OpenFilesTest::dialogHasTheDesignedSettings() {
  TestEnv env;
  env.frame->CMDialog1.FileName = QStringLiteral("left over from an earlier dialog");
  env.runtime.fileAnswers.enqueue(std::nullopt);
  PromptOpenFile(*env.program);
  QCOMPARE(env.runtime.fileDialogs.size(), 1);
  const ShownFileDialog& shown = env.runtime.fileDialogs[0];
  QVERIFY(!shown.save);
  QCOMPARE(shown.settings.FileName, QString());
  QCOMPARE(shown.settings.DialogTitle, QStringLiteral("Torv Cog "));
  QCOMPARE(shown.settings.DefaultExt, QStringLiteral("COG"));
  QCOMPARE(shown.settings.InitDir, QStringLiteral("\\jediknight"));
  QCOMPARE(shown.settings.Filter,
           QStringLiteral("Cog Files (*.cog)|*.cog|DAT Files (*.dat)|*.dat|Multi Player Files (*.mpc)|*.mpc|"
                          "Single Player Files (*.plr)|*.plr|Text Files (*.txt)|*.txt|All Files (*.*)|*.*"));
}

void OpenFilesTest::dialogFiltersAndInitialFolder() {
  TestEnv env;
  const QStringList filters = nameFiltersFromPipeFilter(env.frame->CMDialog1.Filter);
  QCOMPARE(filters, (QStringList{QStringLiteral("Cog Files (*.cog)"), QStringLiteral("DAT Files (*.dat)"),
                                 QStringLiteral("Multi Player Files (*.mpc)"),
                                 QStringLiteral("Single Player Files (*.plr)"), QStringLiteral("Text Files (*.txt)"),
                                 QStringLiteral("All Files (*.*)")}));
  // A folder that exists is used as it is; one that does not falls back home.
  QCOMPARE(resolveInitialFolder(env.dir.path()), QFileInfo(env.dir.path()).absoluteFilePath());
  QCOMPARE(resolveInitialFolder(QStringLiteral("\\no-such-folder-") + QFileInfo(env.dir.path()).fileName()),
           QDir::homePath());
}

void OpenFilesTest::cancelChangesNothing() {
  TestEnv env;
  closeDocument(env, env.doc(1));
  QCOMPARE(env.program->EditButtonsHidden, True16);
  env.runtime.fileAnswers.enqueue(std::nullopt);
  PromptOpenFile(*env.program);
  QCOMPARE(env.runtime.messages.size(), 0);
  QCOMPARE(env.documents().size(), 0);
  QCOMPARE(env.program->Documents.size(), 2);
  QCOMPARE(env.program->EditButtonsHidden, True16);
  QCOMPARE(env.runtime.unscripted, 0);
}

void OpenFilesTest::sizeLimit_data() {
  QTest::addColumn<int>("size");
  QTest::addColumn<bool>("opens");
  QTest::newRow("empty") << 0 << true;
  QTest::newRow("one byte") << 1 << true;
  QTest::newRow("exactly the limit") << 65000 << true;
  QTest::newRow("one byte over") << 65001 << false;
  QTest::newRow("far over") << 200000 << false;
}

void OpenFilesTest::sizeLimit() {
  QFETCH(int, size);
  QFETCH(bool, opens);
  TestEnv env;
  const QByteArray bytes(size, 'x');
  const QString path = env.writeFile(QStringLiteral("Level.cog"), bytes);
  openThroughDialog(env, path);
  if (opens) {
    QCOMPARE(env.runtime.messages.size(), 0);
    QCOMPARE(env.documents().size(), 2);
    frmNotePad* doc = env.doc(2);
    QCOMPARE(doc->Text1->Text(), bytes);
    QCOMPARE(doc->Caption(), path.toUpper());
    QCOMPARE(env.program->DocumentStates[2].Changed, False16);
    QCOMPARE(env.frame->ActiveForm(), doc);
  } else {
    QCOMPARE(env.runtime.messages.size(), 1);
    QCOMPARE(env.runtime.messages[0].text, kTooLarge);
    QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly);
    QCOMPARE(env.runtime.messages[0].title, kTitle);
    QCOMPARE(env.documents().size(), 1);
    QCOMPARE(env.program->Documents.size(), 2);  // no slot taken
  }
}

void OpenFilesTest::textArrivesByteForByte_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n");
  QTest::newRow("LF only") << QByteArray("one\ntwo\n");
  QTest::newRow("CR only") << QByteArray("one\rtwo\r");
  QTest::newRow("mixed, no final line end") << QByteArray("a\r\nb\nc\rd\n\r\r\ne");
  QTest::newRow("NULs") << QByteArray("a\0b\0\0c", 6);
  QTest::newRow("every byte 0-255") << everyByte();
  QTest::newRow("every byte, twice reversed") << [] {
    QByteArray b = everyByte();
    std::reverse(b.begin(), b.end());
    return b + b;
  }();
}

void OpenFilesTest::textArrivesByteForByte() {
  QFETCH(QByteArray, bytes);
  TestEnv env;
  const QString path = env.writeFile(QStringLiteral("mixed Case.dat"), bytes);
  frmNotePad* doc = openThroughDialog(env, path);
  QVERIFY(doc);
  QCOMPARE(doc->Text1->Text(), bytes);
  QCOMPARE(doc->Text1->Length(), int(bytes.size()));
  QCOMPARE(doc->Caption(), path.toUpper());
  QCOMPARE(doc->FileName, path);  // the real name beside the upper-case caption
  QCOMPARE(StateOf(*env.program, *doc).Changed, False16);
}

void OpenFilesTest::unreachableNameOpensNothing_data() {
  QTest::addColumn<QString>("name");  // relative to the test folder
  QTest::newRow("a folder") << QStringLiteral("folder");
  QTest::newRow("a missing file") << QStringLiteral("missing.cog");
  QTest::newRow("a name in a missing folder") << QStringLiteral("nowhere/a.cog");
  QTest::newRow("a path through a regular file") << QStringLiteral("plain.txt/a.cog");
  QTest::newRow("a pipe, which would block the read") << QStringLiteral("pipe");
}

void OpenFilesTest::unreachableNameOpensNothing() {
  QFETCH(QString, name);
  TestEnv env;
  QDir(env.dir.path()).mkdir(QStringLiteral("folder"));
  env.writeFile(QStringLiteral("plain.txt"), "text");
#ifdef Q_OS_WIN
  if (name == QStringLiteral("pipe")) QSKIP("Windows keeps its pipes outside the file system: no name in a folder is one");
#else
  QCOMPARE(::mkfifo(QFile::encodeName(env.path(QStringLiteral("pipe"))).constData(), 0644), 0);
#endif
  const QString path = env.path(name);

  // Through the dialog: the length cannot be read.
  openThroughDialog(env, path);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, QStringLiteral("Can't find file: ") + path);
  QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly);
  QCOMPARE(env.runtime.messages[0].title, kTitle);

  // Straight to the load, as a recent-file entry does: the open fails.
  QVERIFY(!LoadDocumentFile(*env.program, path));
  QCOMPARE(env.runtime.messages.size(), 2);
  QCOMPARE(env.runtime.messages[1].text, QStringLiteral("Can't find file: ") + path);
  QCOMPARE(env.runtime.messages[1].buttons, MsgBoxCode::OKOnly);
  QCOMPARE(env.runtime.messages[1].title, kTitle);

  QCOMPARE(env.documents().size(), 1);
  QCOMPARE(env.program->Documents.size(), 2);
}

void OpenFilesTest::unreadableLengthIsNotCalledTooLarge() {
  FaultySystem system;
  system.fileLenFails = true;
  TestEnv env(true, &system);
  const QString path = env.writeFile(QStringLiteral("small.cog"), "small");
  openThroughDialog(env, path);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, QStringLiteral("Can't find file: ") + path);
  QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly);
  QCOMPARE(env.runtime.messages[0].title, kTitle);
  QCOMPARE(env.documents().size(), 1);
}

void OpenFilesTest::failedReadOpensNoWindow() {
  FaultySystem system;
  FileReadResult failure;
  failure.status = FileReadResult::ReadFailed;
  failure.error = QStringLiteral("Can't read the file: the device reported an input/output error.");
  system.readResult = failure;
  TestEnv env(true, &system);
  const QString path = env.writeFile(QStringLiteral("has content.cog"), "content that must not be saved over");
  openThroughDialog(env, path);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, failure.error);
  QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly | MsgBoxCode::Exclamation);
  QCOMPARE(env.runtime.messages[0].title, kTitle);
  QCOMPARE(env.documents().size(), 1);
  QCOMPARE(env.program->Documents.size(), 2);  // no slot taken
  QCOMPARE(env.readFile(path), QByteArray("content that must not be saved over"));
}

// A file that opens but cannot be read: the kernel refuses reads of this
// process's own memory at offset 0, even for root.
void OpenFilesTest::failedReadOnARealDevice() {
#ifdef Q_OS_WIN
  QSKIP("/proc is Linux's (under Wine the host's shows through drive Z:, read by Wine's rules)");
#endif
  const QString path = QStringLiteral("/proc/self/mem");
  if (!QFileInfo(path).isFile()) QSKIP("no /proc/self/mem on this system");
  TestEnv env;
  QVERIFY(!LoadDocumentFile(*env.program, path));
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, describeReadFailure(EIO, path));
  QCOMPARE(env.runtime.messages[0].text,
           QStringLiteral("Can't read /proc/self/mem: the device reported an input/output error."));
  QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly | MsgBoxCode::Exclamation);
  QCOMPARE(env.documents().size(), 1);
}

void OpenFilesTest::everyOpenGetsANewWindow() {
  TestEnv env;
  frmNotePad* first = env.doc(1);
  const QString path = env.writeFile(QStringLiteral("twice.cog"), "same");
  frmNotePad* a = openThroughDialog(env, path);
  frmNotePad* b = openThroughDialog(env, path);
  QCOMPARE(env.documents(), (QList<frmNotePad*>{first, a, b}));
  QCOMPARE(a->Tag(), QStringLiteral("2"));
  QCOMPARE(b->Tag(), QStringLiteral("3"));
  QCOMPARE(a->Caption(), b->Caption());
  QCOMPARE(first->Caption(), QStringLiteral("Untitled:1"));
  QCOMPARE(env.frame->ActiveForm(), b);
}

void OpenFilesTest::openReusesTheClosedSlot() {
  TestEnv env;
  closeDocument(env, env.doc(1));
  const QString path = env.writeFile(QStringLiteral("slot.cog"), "x");
  frmNotePad* doc = openThroughDialog(env, path);
  QCOMPARE(doc->Tag(), QStringLiteral("1"));
  QCOMPARE(env.program->DocumentStates[1].Deleted, False16);
  QCOMPARE(env.program->DocumentStates[1].Changed, False16);
  CreateNewDocument(*env.program);
  QCOMPARE(env.frame->ActiveForm()->Caption(), QStringLiteral("Untitled:2"));
}

void OpenFilesTest::loadAppliesNoLimit() {
  TestEnv env;
  const QByteArray bytes(70000, 'y');
  const QString path = env.writeFile(QStringLiteral("big.cog"), bytes);
  QVERIFY(LoadDocumentFile(*env.program, path));
  QCOMPARE(env.runtime.messages.size(), 0);
  QCOMPARE(env.doc(2)->Text1->Text(), bytes);
}

void OpenFilesTest::editButtonsComeBackAfterAnOpen_data() {
  QTest::addColumn<bool>("readable");
  QTest::newRow("opened") << true;
  QTest::newRow("found, but the open failed") << false;
}

// After the dialog gave a file, the buttons come back even when the open
// itself failed: the dialog's choice is what counts.
void OpenFilesTest::editButtonsComeBackAfterAnOpen() {
  QFETCH(bool, readable);
  FaultySystem system;
  if (!readable) {
    FileReadResult failure;
    failure.status = FileReadResult::OpenFailed;
    system.readResult = failure;
  }
  TestEnv env(true, &system);
  closeDocument(env, env.doc(1));
  QCOMPARE(env.program->EditButtonsHidden, True16);
  const QString path = env.writeFile(QStringLiteral("b.cog"), "b");
  openThroughDialog(env, path);
  QCOMPARE(env.program->EditButtonsHidden, False16);
  QCOMPARE(env.documents().size(), readable ? 1 : 0);
  QCOMPARE(env.runtime.messages.size(), readable ? 0 : 1);
}

void OpenFilesTest::hourglassIsResetWhateverHappens_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("opens");
  QTest::newRow("opened") << QStringLiteral("there.cog") << true;
  QTest::newRow("missing") << QStringLiteral("gone.cog") << false;
}

void OpenFilesTest::hourglassIsResetWhateverHappens() {
  QFETCH(QString, name);
  QFETCH(bool, opens);
  TestEnv env;
  env.writeFile(QStringLiteral("there.cog"), "here");
  QCOMPARE(LoadDocumentFile(*env.program, env.path(name)), opens);
  QVERIFY(env.runtime.pointerHistory.contains(MousePointer::Hourglass));
  QCOMPARE(env.runtime.pointerHistory.last(), MousePointer::Default);
  QCOMPARE(env.runtime.MousePointer(), MousePointer::Default);
}

QTEST_MAIN(OpenFilesTest)
#include "tst_openfiles.moc"
