// Opening the files that come from outside the frame's own menus: the shared
// procedure, the wait for a modal window, and the editor's side of the channel.
#include <QtTest>

#include "FakeLaunchPlatform.h"
#include "TestEnv.h"
#include "launch/HandOverMessage.h"
#include "launch/Launcher.h"
#include "launch/OpenFileList.h"
#include "launch/PendingFiles.h"
#include "windows/PictureButton.h"
#include "windows/Toolbar.h"

namespace {
QStringList storedRecent(TestEnv& env) {
  QStringList values;
  for (const auto& pair : env.settings.GetAllSettings(QStringLiteral("Zentopad"), QStringLiteral("Recent Files")))
    values.append(pair.second);
  return values;
}

QStringList captions(TestEnv& env) {
  QStringList shown;
  for (frmNotePad* window : env.documents()) shown.append(window->Caption());
  return shown;
}

QByteArray message(const QStringList& files) { return HandOverMessages(files).value(0); }
}  // namespace

class LaunchOpenTest : public QObject {
  Q_OBJECT
 private slots:
  void opensEachInOrderAndReportsTheMissing();
  void editButtonsComeBack();
  void waitsWhileAModalWindowIsUp();
  void startFilesOpenAfterStartUp();
  void handedFilesOpenAndBringTheFrameForward();
  void malformedMessageOpensNothing();
  void noListeningWhenSomeoneElseHoldsTheChannel();
};

void LaunchOpenTest::opensEachInOrderAndReportsTheMissing() {
  TestEnv env;
  const QByteArray mixed("one\r\ntwo\nthree\r\0\x80\xff", 19);
  const QByteArray large(70000, 'L');  // beyond the Open dialog's limit
  const QString a = env.writeFile(QStringLiteral("Mixed.cog"), mixed);
  const QString missing = env.path(QStringLiteral("gone.cog"));
  const QString b = env.writeFile(QStringLiteral("big file & more.dat"), large);
  const QString c = env.writeFile(QStringLiteral("last.txt"), "c");
  OpenFilesInOrder(*env.program, {a, missing, b, c});

  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, QStringLiteral("Can't find file: ") + missing);
  QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly);
  QCOMPARE(captions(env), (QStringList{QStringLiteral("Untitled:1"), env.realSystem.UCase(a),
                                       env.realSystem.UCase(b), env.realSystem.UCase(c)}));
  QCOMPARE(env.doc(2)->Text1->Text(), mixed);
  QCOMPARE(env.doc(2)->FileName, a);
  QCOMPARE(env.doc(3)->Text1->Text(), large);
  QCOMPARE(env.frame->ActiveForm(), env.doc(4));
  QCOMPARE(env.frame->ShownMenus(), env.doc(4)->Menus());
  // Remembered as the Open dialog does, newest first; the missing one is not.
  QCOMPARE(storedRecent(env), (QStringList{c, b, a}));
}

void LaunchOpenTest::editButtonsComeBack() {
  TestEnv env;
  const QString a = env.writeFile(QStringLiteral("a.cog"), "a");
  HideEditButtons(*env.program);
  env.program->EditButtonsHidden = True16;
  OpenFilesInOrder(*env.program, {a});
  QVERIFY(env.frame->picToolbar->imgCutButton->isVisibleTo(env.frame.get()));
  QVERIFY(env.frame->picToolbar->imgPasteButton->isVisibleTo(env.frame.get()));
  QVERIFY(!env.program->EditButtonsHidden);
}

void LaunchOpenTest::waitsWhileAModalWindowIsUp() {
  TestEnv env;
  FakeDesktopWindows desktop;
  PendingFiles pending(*env.program, desktop);
  const QString a = env.writeFile(QStringLiteral("a.cog"), "a");
  const QString b = env.writeFile(QStringLiteral("b.cog"), "b");
  QSignalSpy opened(&pending, &PendingFiles::Opened);
  desktop.modalOpen = true;
  pending.Add({a}, true);
  pending.Add({b}, false);
  QTest::qWait(3 * PendingFiles::kModalPollMs);
  QCOMPARE(env.documents().size(), 1);  // only Untitled:1
  QVERIFY(pending.Waiting());
  QCOMPARE(opened.size(), 0);
  desktop.modalOpen = false;
  QTRY_COMPARE(opened.size(), 1);
  QCOMPARE(captions(env).mid(1), (QStringList{env.realSystem.UCase(a), env.realSystem.UCase(b)}));
  QCOMPARE(desktop.broughtToFront, QList<QWidget*>{env.frame.get()});  // for the handed batch only
  QVERIFY(!pending.Waiting());
}

void LaunchOpenTest::startFilesOpenAfterStartUp() {
  TestEnv env;
  FakeInstanceChannel channel;
  FakeDesktopWindows desktop;
  const QString a = env.writeFile(QStringLiteral("a.cog"), "a");
  HandOverResult start;
  start.left = {a};
  Launcher launcher(*env.program, channel, desktop, start);
  QVERIFY(launcher.Listening());
  QCOMPARE(env.documents().size(), 1);  // not inside start-up: from the event loop
  QTRY_COMPARE(env.documents().size(), 2);
  QCOMPARE(env.frame->ActiveForm()->Caption(), env.realSystem.UCase(a));
  QVERIFY(desktop.broughtToFront.isEmpty());
}

void LaunchOpenTest::handedFilesOpenAndBringTheFrameForward() {
  TestEnv env;
  FakeInstanceChannel channel;
  FakeDesktopWindows desktop;
  Launcher launcher(*env.program, channel, desktop, HandOverResult{});
  QVERIFY(channel.receiver);
  const QString a = env.writeFile(QStringLiteral("a b&c.cog"), "abc");
  const QString b = env.writeFile(QStringLiteral("b.cog"), "b");
  QVERIFY(channel.receiver(message({a, b})));
  QTRY_COMPARE(env.documents().size(), 3);
  QCOMPARE(env.frame->ActiveForm()->Caption(), env.realSystem.UCase(b));
  QCOMPARE(desktop.broughtToFront, QList<QWidget*>{env.frame.get()});
  QCOMPARE(storedRecent(env), (QStringList{b, a}));
}

void LaunchOpenTest::malformedMessageOpensNothing() {
  TestEnv env;
  FakeInstanceChannel channel;
  FakeDesktopWindows desktop;
  Launcher launcher(*env.program, channel, desktop, HandOverResult{});
  const QString a = env.writeFile(QStringLiteral("a.cog"), "a");
  QVERIFY(!channel.receiver(QFile::encodeName(a) + '\0'));  // no tag
  QVERIFY(!channel.receiver(QByteArray("\xff\xfe garbage")));
  QVERIFY(channel.receiver(QByteArray("torvane-edit open\na.cog\0", 24)));  // taken, but names nothing usable
  QTest::qWait(50);
  QCOMPARE(env.documents().size(), 1);
  QVERIFY(env.runtime.messages.isEmpty());
  QVERIFY(desktop.broughtToFront.isEmpty());
}

void LaunchOpenTest::noListeningWhenSomeoneElseHoldsTheChannel() {
  TestEnv env;
  FakeInstanceChannel channel;
  FakeDesktopWindows desktop;
  HandOverResult start;
  start.mayListen = false;
  Launcher launcher(*env.program, channel, desktop, start);
  QCOMPARE(channel.listenCalls, 0);
  QVERIFY(!launcher.Listening());
}

QTEST_MAIN(LaunchOpenTest)
#include "tst_launchopen.moc"
