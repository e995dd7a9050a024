// The commands the toolbar buttons and the frame's menus reach in other
// parts of the program: opening, the clipboard commands and the about box.
#include <QtTest>

#include "TestEnv.h"
#include "windows/PictureButton.h"
#include "windows/Toolbar.h"
#include "workspace/CloseDocuments.h"

namespace {
void click(PictureButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  QCoreApplication::processEvents();
}
}  // namespace

class FrameCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void openButtonOpensAndShowsEditButtons();
  void clipboardButtons_data();
  void clipboardButtons();
  void aboutItemShowsTheAboutBox();
};

void FrameCommandsTest::openButtonOpensAndShowsEditButtons() {
  TestEnv env;
  UnloadDocument(*env.program, *env.doc(1));
  QCoreApplication::processEvents();
  QCOMPARE(env.program->EditButtonsHidden, True16);
  Toolbar* strip = env.frame->picToolbar;

  env.runtime.fileAnswers.enqueue(std::nullopt);  // Cancel: nothing changes
  click(strip->imgFileOpenButton);
  QCOMPARE(env.runtime.fileDialogs.size(), 1);
  QVERIFY(strip->imgCutButton->isHidden());

  const QString name = env.writeFile(QStringLiteral("Opened.cog"), "text");
  env.runtime.fileAnswers.enqueue(name);
  click(strip->imgFileOpenButton);
  QVERIFY(env.frame->ActiveForm());
  QCOMPARE(env.frame->ActiveForm()->Caption(), env.realSystem.UCase(name));
  QVERIFY(!strip->imgCutButton->isHidden());
  QVERIFY(!strip->imgCopyButton->isHidden());
  QVERIFY(!strip->imgPasteButton->isHidden());
  QCOMPARE(env.program->EditButtonsHidden, False16);
}

void FrameCommandsTest::clipboardButtons_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("text");       // after the click
  QTest::addColumn<QString>("clipboard");     // after the click
  QTest::newRow("cut") << QStringLiteral("imgCutButton") << QByteArray(" world") << QStringLiteral("hello");
  QTest::newRow("copy") << QStringLiteral("imgCopyButton") << QByteArray("hello world") << QStringLiteral("hello");
  QTest::newRow("paste") << QStringLiteral("imgPasteButton") << QByteArray("XY world") << QStringLiteral("XY");
}

void FrameCommandsTest::clipboardButtons() {
  QFETCH(QString, name);
  QFETCH(QByteArray, text);
  QFETCH(QString, clipboard);
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  doc->Text1->SetText("hello world");
  doc->Text1->SetSelStart(0);
  doc->Text1->SetSelLength(5);
  env.runtime.clipboard = QStringLiteral("XY");
  click(env.frame->picToolbar->findChild<PictureButton*>(name));
  QCOMPARE(doc->Text1->Text(), text);
  QCOMPARE(env.runtime.clipboard, std::optional<QString>(clipboard));
}

void FrameCommandsTest::aboutItemShowsTheAboutBox() {
  TestEnv env;
  UnloadDocument(*env.program, *env.doc(1));
  QCoreApplication::processEvents();
  env.frame->cmdAbout->trigger();
  env.frame->cmdAbout->trigger();
  QCOMPARE(env.runtime.modalWindows, (QList<QString>{QStringLiteral("frmAbout1"), QStringLiteral("frmAbout1")}));
}

QTEST_MAIN(FrameCommandsTest)
#include "tst_framecommands.moc"
