// Closing documents and quitting: the save question and its answers, the
// frame's unload that asks every document first, and the quit window.
#include <QtTest>

#include <QPushButton>

#include "DocumentSteps.h"
#include "FaultySystem.h"
#include "TestEnv.h"
#include "windows/Form1.h"
#include "workspace/CloseDocuments.h"
#include "workspace/DocumentTable.h"

class CloseQuitTest : public QObject {
  Q_OBJECT
 private slots:
  void unchangedDocumentClosesWithoutAQuestion();
  void saveQuestionIsExact_data();
  void saveQuestionIsExact();
  void cancelKeepsTheDocument();
  void noDiscardsTheChanges();
  void yesOnAnUntitledDocumentAsksForAName();
  void yesThenCancelInTheDialogKeepsTheDocument();
  void yesOnATitledDocumentWritesItsRealFile();
  void yesWithAFailedWriteKeepsTheDocument();
  void closingTheLastDocumentHidesTheEditButtons();
  void everyQuitShowsAFreshQuitWindowFirst_data();
  void everyQuitShowsAFreshQuitWindowFirst();
  void quitWithoutChangesEnds();
  void oneCancelStopsTheWholeQuit();
  void aFailedSaveStopsTheQuit_data();
  void aFailedSaveStopsTheQuit();
  void yesDuringAQuitSavesEachDocumentsOwnText();
  void closeBoxSkipsTheQuitWindow();
};

static const QString kFrameTitle = QStringLiteral("Torv-Edit Test ver.1.0");

// Dismisses the quit window with its Quit button.
static void pressQuit(QDialog& window) {
  auto& quit = static_cast<Form1&>(window);
  QTest::mouseClick(quit.Command1, Qt::LeftButton);
}

static void expectSaveQuestion(const ShownMessage& m, const QString& caption) {
  QCOMPARE(m.text, QStringLiteral("The text in [") + caption +
                       QStringLiteral("] has changed.\r\nDo you want to save the changes?"));
  QCOMPARE(m.buttons, 51);
  QCOMPARE(m.title, kFrameTitle);
}

void CloseQuitTest::unchangedDocumentClosesWithoutAQuestion() {
  TestEnv env;
  CreateNewDocument(*env.program);
  closeDocument(env, env.doc(1));
  QCOMPARE(env.runtime.messages.size(), 0);
  QCOMPARE(env.program->DocumentStates[1].Deleted, True16);
  QCOMPARE(env.documents().size(), 1);
  CreateNewDocument(*env.program);
  QCOMPARE(env.frame->ActiveForm()->Caption(), QStringLiteral("Untitled:1"));
}

void CloseQuitTest::saveQuestionIsExact_data() {
  QTest::addColumn<bool>("titled");
  QTest::newRow("untitled") << false;
  QTest::newRow("titled") << true;
}

void CloseQuitTest::saveQuestionIsExact() {
  QFETCH(bool, titled);
  TestEnv env;
  CreateNewDocument(*env.program);
  frmNotePad* doc = titled ? openThroughDialog(env, env.writeFile(QStringLiteral("Q.cog"), "q")) : env.doc(2);
  editText(doc, "changed");
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Cancel);
  closeDocument(env, doc);
  QCOMPARE(env.runtime.messages.size(), 1);
  expectSaveQuestion(env.runtime.messages[0], titled ? env.path(QStringLiteral("Q.cog")).toUpper()
                                                      : QStringLiteral("Untitled:2"));
}

void CloseQuitTest::cancelKeepsTheDocument() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  editText(doc, "keep me");
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Cancel);
  closeDocument(env, doc);
  QCOMPARE(env.documents(), QList<frmNotePad*>{doc});
  QCOMPARE(env.program->DocumentStates[1].Changed, True16);
  QCOMPARE(env.program->DocumentStates[1].Deleted, False16);
  QCOMPARE(doc->Caption(), QStringLiteral("Untitled:1"));
  QCOMPARE(doc->Text1->Text(), QByteArray("keep me"));
  QCOMPARE(env.runtime.fileDialogs.size(), 0);
}

void CloseQuitTest::noDiscardsTheChanges() {
  FaultySystem system;
  TestEnv env(true, &system);
  const QString path = env.writeFile(QStringLiteral("n.cog"), "on disk");
  frmNotePad* doc = openThroughDialog(env, path);
  editText(doc, "thrown away");
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::No);
  closeDocument(env, doc);
  QCOMPARE(env.program->DocumentStates[2].Deleted, True16);
  QCOMPARE(system.writes, QStringList());
  QCOMPARE(env.readFile(path), QByteArray("on disk"));
  CreateNewDocument(*env.program);
  QCOMPARE(env.program->DocumentStates[2].Changed, False16);
}

void CloseQuitTest::yesOnAnUntitledDocumentAsksForAName() {
  TestEnv env;
  CreateNewDocument(*env.program);
  editText(env.doc(2), "saved on closing");
  const QString path = env.path(QStringLiteral("chosen.txt"));
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
  env.runtime.fileAnswers.enqueue(path);
  closeDocument(env, env.doc(2));
  QCOMPARE(env.runtime.fileDialogs.size(), 1);
  QVERIFY(env.runtime.fileDialogs[0].save);
  QCOMPARE(env.runtime.fileDialogs[0].settings.FileName, QStringLiteral("untitled.txt"));
  QCOMPARE(env.readFile(path), QByteArray("saved on closing"));
  QCOMPARE(env.program->DocumentStates[2].Deleted, True16);
}

// Cancelling the dialog that Yes opened means the user has not saved yet.
void CloseQuitTest::yesThenCancelInTheDialogKeepsTheDocument() {
  FaultySystem system;
  TestEnv env(true, &system);
  frmNotePad* doc = env.doc(1);
  editText(doc, "not yet saved");
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
  env.runtime.fileAnswers.enqueue(std::nullopt);
  closeDocument(env, doc);
  QCOMPARE(env.documents(), QList<frmNotePad*>{doc});
  QCOMPARE(env.program->DocumentStates[1].Changed, True16);
  QCOMPARE(doc->Caption(), QStringLiteral("Untitled:1"));
  QCOMPARE(system.writes, QStringList());
  QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("Untittled."))));
}

void CloseQuitTest::yesOnATitledDocumentWritesItsRealFile() {
  TestEnv env;
  const QString path = env.writeFile(QStringLiteral("mixed Case.cog"), "old");
  frmNotePad* doc = openThroughDialog(env, path);
  editText(doc, "new\r\n");
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
  closeDocument(env, doc);
  QCOMPARE(env.runtime.fileDialogs.size(), 1);  // the open only
  QCOMPARE(env.readFile(path), QByteArray("new\r\n"));
  QCOMPARE(env.program->DocumentStates[2].Deleted, True16);
  QCOMPARE(env.runtime.messages.size(), 1);
}

// The unsaved text is never thrown away because a write failed.
void CloseQuitTest::yesWithAFailedWriteKeepsTheDocument() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  editText(doc, "precious");
  const QString path = env.path(QStringLiteral("missing/a.txt"));
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
  env.runtime.fileAnswers.enqueue(path);
  closeDocument(env, doc);
  QCOMPARE(env.runtime.messages.size(), 2);
  QCOMPARE(env.runtime.messages[1].text, QStringLiteral("Can't save ") + path + QStringLiteral(": the folder ") +
                                             env.path(QStringLiteral("missing")) + QStringLiteral(" does not exist."));
  QCOMPARE(env.runtime.messages[1].buttons, MsgBoxCode::OKOnly | MsgBoxCode::Exclamation);
  QCOMPARE(env.runtime.messages[1].title, QStringLiteral("Torvane Edit"));
  QCOMPARE(env.documents(), QList<frmNotePad*>{doc});
  QCOMPARE(doc->Text1->Text(), QByteArray("precious"));
  QCOMPARE(env.program->DocumentStates[1].Changed, True16);
}

void CloseQuitTest::closingTheLastDocumentHidesTheEditButtons() {
  TestEnv env;
  CreateNewDocument(*env.program);
  closeDocument(env, env.doc(1));
  QCOMPARE(env.program->EditButtonsHidden, False16);
  closeDocument(env, env.doc(2));
  QCOMPARE(env.program->EditButtonsHidden, True16);
  QVERIFY(!AnyDocumentsOpen(*env.program));
  QCOMPARE(env.runtime.ended, 0);  // the frame stays, alone
  QVERIFY(env.frame->isVisible());
}

void CloseQuitTest::everyQuitShowsAFreshQuitWindowFirst_data() {
  QTest::addColumn<int>("caller");
  QTest::newRow("frame's Exit") << 0;
  QTest::newRow("toolbar's Quit") << 1;
  QTest::newRow("document's Exit") << 2;
}

void CloseQuitTest::everyQuitShowsAFreshQuitWindowFirst() {
  QFETCH(int, caller);
  TestEnv env;
  editText(env.doc(1), "changed");
  QList<QDialog*> seen;
  int questionsWhileShown = -1;
  const auto dismiss = [&](QDialog& w) {
    seen.append(&w);
    questionsWhileShown = int(env.runtime.messages.size());
    QVERIFY(w.isVisible());
    QVERIFY(w.isModal());
    QVERIFY(w.parentWidget() == nullptr);
    pressQuit(w);
  };
  const auto quit = [&] {
    if (caller == 0) env.frame->mnuFileExit_Click();
    if (caller == 1) env.frame->Command1_Click();
    if (caller == 2) env.doc(1)->mnuFileExit_Click();
    QCoreApplication::processEvents();
  };
  // First quit: stopped by the document's Cancel.
  env.runtime.modalActions.enqueue(dismiss);
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Cancel);
  quit();
  QCOMPARE(env.runtime.modalWindows, QList<QString>{QStringLiteral("Form1")});
  QCOMPARE(questionsWhileShown, 0);  // the question comes after the quit window
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.ended, 0);
  QCOMPARE(env.documents().size(), 1);
  QVERIFY(env.frame->isVisible());

  // Second quit: a new quit window, then No, and the program ends.
  env.runtime.modalActions.enqueue(dismiss);
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::No);
  quit();
  QCOMPARE(env.runtime.modalWindows.size(), 2);
  QCOMPARE(env.runtime.ended, 1);
  QCOMPARE(env.documents().size(), 0);
  QCOMPARE(env.runtime.unscripted, 0);
}

void CloseQuitTest::quitWithoutChangesEnds() {
  TestEnv env;
  CreateNewDocument(*env.program);
  openThroughDialog(env, env.writeFile(QStringLiteral("u.cog"), "u"));
  // Closing the quit window by its close box quits all the same.
  env.runtime.modalActions.enqueue([](QDialog& w) { w.close(); });
  env.frame->mnuFileExit_Click();
  QCoreApplication::processEvents();
  QCOMPARE(env.runtime.messages.size(), 0);
  QCOMPARE(env.documents().size(), 0);
  QCOMPARE(env.runtime.ended, 1);
  QCOMPARE(env.runtime.unscripted, 0);
}

// Every document is asked before any is unloaded; one Cancel keeps them all,
// and a document saved by Yes on the way stays open, saved.
void CloseQuitTest::oneCancelStopsTheWholeQuit() {
  TestEnv env;
  const QString path = env.writeFile(QStringLiteral("first.cog"), "old");
  frmNotePad* first = openThroughDialog(env, path);
  CreateNewDocument(*env.program);
  frmNotePad* second = env.frame->ActiveForm();
  editText(first, "first, saved");
  editText(second, "second, kept");
  env.runtime.modalActions.enqueue(pressQuit);
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Cancel);
  env.frame->mnuFileExit_Click();
  QCoreApplication::processEvents();
  QCOMPARE(env.runtime.messages.size(), 2);
  expectSaveQuestion(env.runtime.messages[0], path.toUpper());
  expectSaveQuestion(env.runtime.messages[1], QStringLiteral("Untitled:3"));
  QCOMPARE(env.documents(), (QList<frmNotePad*>{env.doc(1), first, second}));
  QCOMPARE(env.readFile(path), QByteArray("first, saved"));
  QCOMPARE(StateOf(*env.program, *first).Changed, False16);
  QCOMPARE(StateOf(*env.program, *second).Changed, True16);
  QCOMPARE(env.runtime.ended, 0);
  QVERIFY(env.frame->isVisible());
}

void CloseQuitTest::aFailedSaveStopsTheQuit_data() {
  QTest::addColumn<bool>("dialogCancelled");
  QTest::newRow("the save dialog cancelled") << true;
  QTest::newRow("the write failed") << false;
}

void CloseQuitTest::aFailedSaveStopsTheQuit() {
  QFETCH(bool, dialogCancelled);
  TestEnv env;
  editText(env.doc(1), "unsaved");
  env.runtime.modalActions.enqueue(pressQuit);
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
  if (dialogCancelled)
    env.runtime.fileAnswers.enqueue(std::nullopt);
  else
    env.runtime.fileAnswers.enqueue(env.path(QStringLiteral("gone/a.txt")));
  env.doc(1)->mnuFileExit_Click();
  QCoreApplication::processEvents();
  QCOMPARE(env.runtime.ended, 0);
  QCOMPARE(env.documents().size(), 1);
  QCOMPARE(env.doc(1)->Text1->Text(), QByteArray("unsaved"));
  QCOMPARE(env.program->DocumentStates[1].Changed, True16);
  QCOMPARE(env.runtime.messages.size(), dialogCancelled ? 1 : 2);
}

void CloseQuitTest::yesDuringAQuitSavesEachDocumentsOwnText() {
  TestEnv env;
  const QString pathA = env.writeFile(QStringLiteral("a.cog"), "a");
  const QString pathB = env.writeFile(QStringLiteral("b.cog"), "b");
  frmNotePad* a = openThroughDialog(env, pathA);
  frmNotePad* b = openThroughDialog(env, pathB);
  editText(a, "text of a");
  editText(b, "text of b");
  env.frame->Activate(b);
  QCOMPARE(env.frame->ActiveForm(), b);
  env.runtime.modalActions.enqueue(pressQuit);
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
  env.frame->mnuFileExit_Click();
  QCoreApplication::processEvents();
  QCOMPARE(env.readFile(pathA), QByteArray("text of a"));
  QCOMPARE(env.readFile(pathB), QByteArray("text of b"));
  QCOMPARE(env.runtime.ended, 1);
}

void CloseQuitTest::closeBoxSkipsTheQuitWindow() {
  TestEnv env;
  editText(env.doc(1), "changed");
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Cancel);
  QVERIFY(!env.frame->close());
  QCOMPARE(env.runtime.modalWindows.size(), 0);
  QCOMPARE(env.runtime.messages.size(), 1);
  expectSaveQuestion(env.runtime.messages[0], QStringLiteral("Untitled:1"));
  QCOMPARE(env.runtime.ended, 0);
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::No);
  QVERIFY(env.frame->close());
  QCoreApplication::processEvents();
  QCOMPARE(env.runtime.modalWindows.size(), 0);
  QCOMPARE(env.runtime.ended, 1);
}

QTEST_MAIN(CloseQuitTest)
#include "tst_closequit.moc"
