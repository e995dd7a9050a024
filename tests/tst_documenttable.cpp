// The document table: slots, captions and start-up.
#include <QtTest>

#include "TestEnv.h"
#include "workspace/CloseDocuments.h"
#include "workspace/DocumentTable.h"

class DocumentTableTest : public QObject {
  Q_OBJECT
 private slots:
  void startUpHasOneUntitledDocument();
  void newGrowsTheTablesByOneSlot();
  void newReusesTheLowestClosedSlot();
  void reusedSlotIsNotChanged();
  void anyDocumentsOpen();
  void slotNumbersAreSixteenBit();
};

static void closeSlot(TestEnv& env, int slot) {
  UnloadDocument(*env.program, *env.doc(slot));
  QCoreApplication::processEvents();
}

void DocumentTableTest::startUpHasOneUntitledDocument() {
  TestEnv env;
  QCOMPARE(env.program->Documents.size(), 2);
  QCOMPARE(env.program->DocumentStates.size(), 2);
  QVERIFY(env.program->Documents[0].isNull());
  frmNotePad* first = env.doc(1);
  QVERIFY(first);
  QCOMPARE(first->Caption(), QStringLiteral("Untitled:1"));
  QCOMPARE(first->Tag(), QStringLiteral("1"));
  QCOMPARE(env.program->DocumentStates[1].Changed, False16);
  QCOMPARE(env.program->DocumentStates[1].Deleted, False16);
  QCOMPARE(env.program->Search.SearchDirection, qint16(1));
  QCOMPARE(env.frame->ActiveForm(), first);
  QCOMPARE(env.realSystem.CurDir(), QDir::toNativeSeparators(env.dir.path()));
}

void DocumentTableTest::newGrowsTheTablesByOneSlot() {
  TestEnv env;
  CreateNewDocument(*env.program);
  CreateNewDocument(*env.program);
  CreateNewDocument(*env.program);
  QCOMPARE(env.program->Documents.size(), 5);
  QCOMPARE(env.program->DocumentStates.size(), 5);
  QCOMPARE(env.doc(4)->Caption(), QStringLiteral("Untitled:4"));
  QCOMPARE(env.doc(4)->Tag(), QStringLiteral("4"));
  QCOMPARE(env.frame->ActiveForm(), env.doc(4));
}

void DocumentTableTest::newReusesTheLowestClosedSlot() {
  TestEnv env;
  CreateNewDocument(*env.program);
  CreateNewDocument(*env.program);
  frmNotePad* one = env.doc(1);
  frmNotePad* two = env.doc(2);
  closeSlot(env, 3);
  closeSlot(env, 2);
  QCOMPARE(env.program->DocumentStates[2].Deleted, True16);
  QCOMPARE(env.program->DocumentStates[3].Deleted, True16);
  CreateNewDocument(*env.program);
  QCOMPARE(env.doc(2)->Caption(), QStringLiteral("Untitled:2"));
  QVERIFY(env.doc(2) != two || env.doc(2) == nullptr);
  CreateNewDocument(*env.program);
  QCOMPARE(env.doc(3)->Caption(), QStringLiteral("Untitled:3"));
  QCOMPARE(env.program->Documents.size(), 4);  // no growth
  QCOMPARE(env.doc(1), one);

  // Every document closed: slot 1 again.
  closeSlot(env, 1);
  closeSlot(env, 2);
  closeSlot(env, 3);
  QVERIFY(!AnyDocumentsOpen(*env.program));
  CreateNewDocument(*env.program);
  QCOMPARE(env.doc(1)->Caption(), QStringLiteral("Untitled:1"));
  QCOMPARE(env.program->Documents.size(), 4);
}

void DocumentTableTest::reusedSlotIsNotChanged() {
  TestEnv env;
  CreateNewDocument(*env.program);
  env.doc(2)->Text1->SetText("edited");
  QCOMPARE(env.program->DocumentStates[2].Changed, True16);
  env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::No);  // closed without saving
  closeSlot(env, 2);
  CreateNewDocument(*env.program);
  QCOMPARE(env.program->DocumentStates[2].Changed, False16);
  QCOMPARE(env.doc(2)->Text1->Text(), QByteArray());
}

void DocumentTableTest::anyDocumentsOpen() {
  TestEnv env;
  CreateNewDocument(*env.program);
  QVERIFY(AnyDocumentsOpen(*env.program));
  closeSlot(env, 1);
  QVERIFY(AnyDocumentsOpen(*env.program));
  closeSlot(env, 2);
  QVERIFY(!AnyDocumentsOpen(*env.program));
}

void DocumentTableTest::slotNumbersAreSixteenBit() {
  TestEnv env;
  env.program->maxSlot = 3;
  CreateNewDocument(*env.program);
  CreateNewDocument(*env.program);
  QCOMPARE(env.runtime.messages.size(), 0);
  CreateNewDocument(*env.program);  // would need slot 4
  QCOMPARE(env.program->Documents.size(), 4);
  QCOMPARE(env.documents().size(), 3);
  QCOMPARE(env.runtime.messages.size(), 1);
  QVERIFY(env.runtime.messages[0].text.contains(QStringLiteral("No more documents")));
  QCOMPARE(env.runtime.messages[0].title, QStringLiteral("Torvane Edit"));
  // A closed slot is still handed out at the bound.
  closeSlot(env, 2);
  CreateNewDocument(*env.program);
  QCOMPARE(env.doc(2)->Caption(), QStringLiteral("Untitled:2"));
  QCOMPARE(env.runtime.messages.size(), 1);
}

QTEST_MAIN(DocumentTableTest)
#include "tst_documenttable.moc"
