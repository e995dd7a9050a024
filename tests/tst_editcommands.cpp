// Cut, copy, paste, delete, select all and date-and-time on the active document.
#include <QMenu>
#include <QtTest>

#include "DocumentText.h"
#include "FixedClock.h"
#include "TestEnv.h"
#include "editing/EditCommands.h"
#include "workspace/CloseDocuments.h"

class EditCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void deleteKey_data();
  void deleteKey();
  void copyPutsTheSelectionOnTheClipboard_data();
  void copyPutsTheSelectionOnTheClipboard();
  void cutMovesTheSelection();
  void cutWithNothingSelectedLeavesTheDocument();
  void cutKeepsTheTextWhenTheClipboardFails();
  void paste_data();
  void paste();
  void selectAll_data();
  void selectAll();
  void timeDateReplacesTheSelection();
  void timeDateUsesItsOwnWindow();
  void editsMarkTheDocumentChanged_data();
  void editsMarkTheDocumentChanged();
  void clipboardCommandsWithNoDocumentDoNothing();
  void keysRunTheMenuCommands_data();
  void keysRunTheMenuCommands();
};

void EditCommandsTest::deleteKey_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<int>("selStart");
  QTest::addColumn<int>("selLength");
  QTest::addColumn<QByteArray>("after");
  QTest::addColumn<bool>("changed");

  QTest::newRow("caret at the end") << QByteArray("abc") << 3 << 0 << QByteArray("abc") << false;
  QTest::newRow("empty document") << QByteArray() << 0 << 0 << QByteArray() << false;
  QTest::newRow("one character") << QByteArray("abc") << 1 << 0 << QByteArray("ac") << true;
  QTest::newRow("before CR LF") << QByteArray("a\r\nb") << 1 << 0 << QByteArray("ab") << true;
  QTest::newRow("between CR and LF") << QByteArray("a\r\nb") << 2 << 0 << QByteArray("a\rb") << true;
  QTest::newRow("lone LF") << QByteArray("a\nb") << 1 << 0 << QByteArray("ab") << true;
  QTest::newRow("lone CR takes the next one") << QByteArray("a\rxb") << 1 << 0 << QByteArray("ab") << true;
  QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << 1 << 0 << QByteArray("a\nb") << true;
  QTest::newRow("last character a CR") << QByteArray("ab\r") << 2 << 0 << QByteArray("ab") << true;
  QTest::newRow("last character a LF") << QByteArray("ab\n") << 2 << 0 << QByteArray("ab") << true;
  QTest::newRow("selection across a line break and NUL")
      << QByteArray("x\r\ny\0z", 6) << 1 << 4 << QByteArray("xz") << true;
  QTest::newRow("selection of part of a CR LF") << QByteArray("ab\r\n") << 2 << 1 << QByteArray("ab\n") << true;
  QTest::newRow("selection starting at a CR keeps its length")
      << QByteArray("a\r\nbc") << 1 << 1 << QByteArray("a\nbc") << true;
  QTest::newRow("high bytes") << QByteArray("\xe9\x80\xff") << 0 << 0 << QByteArray("\x80\xff") << true;
  QTest::newRow("whole text selected") << QByteArray("abc") << 0 << 3 << QByteArray() << true;
}

void EditCommandsTest::deleteKey() {
  QFETCH(QByteArray, text);
  QFETCH(int, selStart);
  QFETCH(int, selLength);
  QFETCH(QByteArray, after);
  QFETCH(bool, changed);
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, text, selStart, selLength);
  doc->mnuEditDelete->trigger();
  QCOMPARE(doc->Text1->Text(), after);
  QCOMPARE(doc->Text1->SelStart(), qMin(selStart, int(after.size())));
  QCOMPARE(doc->Text1->SelLength(), 0);
  QCOMPARE(isChanged(*env.program, *doc), changed);
}

void EditCommandsTest::copyPutsTheSelectionOnTheClipboard_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<int>("selStart");
  QTest::addColumn<int>("selLength");
  QTest::addColumn<QString>("clipboard");
  QTest::newRow("plain") << QByteArray("one two") << 4 << 3 << QStringLiteral("two");
  QTest::newRow("code page letters")
      << QByteArray("x\x80\xe9\x8a\r\n") << 1 << 5 << QStringLiteral(u"\u20ac\u00e9\u0160\r\n");
  QTest::newRow("empty selection empties it") << QByteArray("abc") << 1 << 0 << QString();
}

void EditCommandsTest::copyPutsTheSelectionOnTheClipboard() {
  QFETCH(QByteArray, text);
  QFETCH(int, selStart);
  QFETCH(int, selLength);
  QFETCH(QString, clipboard);
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, text, selStart, selLength);
  env.runtime.clipboard = QStringLiteral("before");
  doc->mnuEditCopy->trigger();
  QCOMPARE(env.runtime.clipboard, std::optional<QString>(clipboard));
  QCOMPARE(doc->Text1->Text(), text);
  QCOMPARE(doc->Text1->SelStart(), selStart);
  QCOMPARE(doc->Text1->SelLength(), selLength);
  QVERIFY(!isChanged(*env.program, *doc));
}

void EditCommandsTest::cutMovesTheSelection() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "a\r\n\xe9z", 1, 3);
  doc->mnuEditCut->trigger();
  QCOMPARE(env.runtime.clipboard, std::optional<QString>(QStringLiteral(u"\r\n\u00e9")));
  QCOMPARE(doc->Text1->Text(), QByteArray("az"));
  QCOMPARE(doc->Text1->SelStart(), 1);
  QVERIFY(isChanged(*env.program, *doc));
}

void EditCommandsTest::cutWithNothingSelectedLeavesTheDocument() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "abc", 2, 0);
  env.runtime.clipboard = QStringLiteral("before");
  CutSelection(*env.program);
  QCOMPARE(env.runtime.clipboard, std::optional<QString>(QString()));
  QCOMPARE(doc->Text1->Text(), QByteArray("abc"));
  QVERIFY(!isChanged(*env.program, *doc));
}

void EditCommandsTest::cutKeepsTheTextWhenTheClipboardFails() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "abc", 0, 2);
  env.runtime.clipboardFails = true;
  CutSelection(*env.program);
  QCOMPARE(doc->Text1->Text(), QByteArray("abc"));
  QCOMPARE(doc->Text1->SelLength(), 2);
  QVERIFY(!isChanged(*env.program, *doc));
}

void EditCommandsTest::paste_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<int>("selStart");
  QTest::addColumn<int>("selLength");
  QTest::addColumn<bool>("clipboardFails");
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QByteArray>("after");
  QTest::addColumn<int>("caret");

  QTest::newRow("at the caret") << QByteArray("ad") << 1 << 0 << false << QStringLiteral("bc")
                                << QByteArray("abcd") << 3;
  QTest::newRow("over the selection") << QByteArray("aXXd") << 1 << 2 << false << QStringLiteral("bc")
                                      << QByteArray("abcd") << 3;
  QTest::newRow("code page letters and line ends kept")
      << QByteArray("[]") << 1 << 0 << false << QStringLiteral(u"\u20ac\n\u00ff\r\n")
      << QByteArray("[\x80\n\xff\r\n]") << 6;
  QTest::newRow("no text removes the selection") << QByteArray("abcd") << 1 << 2 << false << QString()
                                                 << QByteArray("ad") << 1;
  QTest::newRow("no text and no selection") << QByteArray("abcd") << 1 << 0 << false << QString()
                                            << QByteArray("abcd") << 1;
  QTest::newRow("text the code page lacks is refused") << QByteArray("abcd") << 1 << 2 << false
                                                       << QStringLiteral(u"x\u0436y") << QByteArray("abcd") << 1;
  QTest::newRow("unreadable clipboard") << QByteArray("abcd") << 1 << 2 << true << QStringLiteral("zz")
                                        << QByteArray("abcd") << 1;
}

void EditCommandsTest::paste() {
  QFETCH(QByteArray, text);
  QFETCH(int, selStart);
  QFETCH(int, selLength);
  QFETCH(bool, clipboardFails);
  QFETCH(QString, clipboard);
  QFETCH(QByteArray, after);
  QFETCH(int, caret);
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, text, selStart, selLength);
  env.runtime.clipboard = clipboard;
  env.runtime.clipboardFails = clipboardFails;
  doc->mnuEditPaste->trigger();
  QCOMPARE(doc->Text1->Text(), after);
  QCOMPARE(doc->Text1->SelStart(), caret);
  QCOMPARE(isChanged(*env.program, *doc), after != text);
  if (after == text) QCOMPARE(doc->Text1->SelLength(), selLength);
}

void EditCommandsTest::selectAll_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<int>("caret");
  QTest::newRow("empty") << QByteArray() << 0;
  QTest::newRow("lines and NUL") << QByteArray("ab\r\ncd\0e", 8) << 3;
}

void EditCommandsTest::selectAll() {
  QFETCH(QByteArray, text);
  QFETCH(int, caret);
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, text, caret);
  doc->mnuEditSelectAll->trigger();
  QCOMPARE(doc->Text1->SelStart(), 0);
  QCOMPARE(doc->Text1->SelLength(), int(text.size()));
  QCOMPARE(doc->Text1->SelText(), text);
  QVERIFY(!isChanged(*env.program, *doc));
}

void EditCommandsTest::timeDateReplacesTheSelection() {
  FixedClock clock;
  // A narrow no-break space, as some locales put before AM/PM, is no 1252
  // character: it becomes a blank.
  clock.text = QStringLiteral(u"10.12.2026 10:18:15\u202fAM");
  TestEnv env(true, &clock);
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "[old]", 1, 3);
  doc->mnuEditTime->trigger();
  QCOMPARE(clock.converted, QList<QDateTime>{clock.now});
  QCOMPARE(doc->Text1->Text(), QByteArray("[10.12.2026 10:18:15 AM]"));
  QCOMPARE(doc->Text1->SelStart(), 23);
  QCOMPARE(doc->Text1->SelLength(), 0);
  QVERIFY(isChanged(*env.program, *doc));
}

void EditCommandsTest::timeDateUsesItsOwnWindow() {
  FixedClock clock;
  clock.text = QStringLiteral("12/10/2026 10:18:15");
  TestEnv env(true, &clock);
  frmNotePad* first = env.doc(1);
  CreateNewDocument(*env.program);
  frmNotePad* second = env.doc(2);
  QCOMPARE(env.frame->ActiveForm(), second);
  first->mnuEditTime->trigger();
  QCOMPARE(first->Text1->Text(), clock.text.toLatin1());
  QCOMPARE(second->Text1->Text(), QByteArray());
}

void EditCommandsTest::editsMarkTheDocumentChanged_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<bool>("changes");
  QTest::newRow("Cut") << QStringLiteral("Cut") << true;
  QTest::newRow("Paste") << QStringLiteral("Paste") << true;
  QTest::newRow("Delete") << QStringLiteral("Delete") << true;
  QTest::newRow("Time/Date") << QStringLiteral("Time/Date") << true;
  QTest::newRow("typing") << QStringLiteral("typing") << true;
  QTest::newRow("Copy") << QStringLiteral("Copy") << false;
  QTest::newRow("Select All") << QStringLiteral("Select &All") << false;
}

void EditCommandsTest::editsMarkTheDocumentChanged() {
  QFETCH(QString, command);
  QFETCH(bool, changes);
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  // A second document, to see that only the edited one is marked.
  CreateNewDocument(*env.program);
  frmNotePad* other = env.doc(2);
  env.frame->Activate(doc);
  QCOMPARE(env.frame->ActiveForm(), doc);
  setDocument(*env.program, *doc, "abcdef", 1, 2);
  setDocument(*env.program, *other, "other");
  env.runtime.clipboard = QStringLiteral("pasted");
  if (command == QLatin1String("typing")) {
    QTest::keyClicks(doc->Text1, QStringLiteral("q"));
  } else {
    QAction* item = nullptr;
    for (QAction* a : doc->mnuEdit->actions())
      if (a->text() == command) item = a;
    QVERIFY2(item, qPrintable(command));
    item->trigger();
  }
  QCOMPARE(isChanged(*env.program, *doc), changes);
  QCOMPARE(doc->Text1->Text() != QByteArray("abcdef"), changes);
  QVERIFY(!isChanged(*env.program, *other));
}

void EditCommandsTest::clipboardCommandsWithNoDocumentDoNothing() {
  TestEnv env;
  UnloadDocument(*env.program, *env.doc(1));
  QCoreApplication::processEvents();
  QVERIFY(!env.frame->ActiveForm());
  env.runtime.clipboard = QStringLiteral("kept");
  CutSelection(*env.program);
  CopySelection(*env.program);
  PasteClipboard(*env.program);
  DeleteSelection(*env.program);
  SelectAll(*env.program);
  QCOMPARE(env.runtime.clipboard, std::optional<QString>(QStringLiteral("kept")));
  QVERIFY(env.runtime.messages.isEmpty());
}

void EditCommandsTest::keysRunTheMenuCommands_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<int>("selStart");
  QTest::addColumn<int>("selLength");
  QTest::addColumn<QByteArray>("after");
  QTest::addColumn<QString>("clipboard");

  // The scripted clipboard only sees what the menu commands put there, and
  // the text box's own Del would take a lone CR alone.
  QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << QByteArray("abcd") << 1 << 2
                          << QByteArray("ad") << QStringLiteral("bc");
  QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << QByteArray("abcd") << 1 << 2
                          << QByteArray("abcd") << QStringLiteral("bc");
  QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << QByteArray("abcd") << 1 << 2
                          << QByteArray("a\x80z" "d") << QStringLiteral(u"\u20acz");
  QTest::newRow("Del") << int(Qt::Key_Delete) << int(Qt::NoModifier) << QByteArray("a\rxb") << 1 << 0
                       << QByteArray("ab") << QStringLiteral(u"\u20acz");
}

void EditCommandsTest::keysRunTheMenuCommands() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QByteArray, text);
  QFETCH(int, selStart);
  QFETCH(int, selLength);
  QFETCH(QByteArray, after);
  QFETCH(QString, clipboard);
  TestEnv env;
  env.frame->show();
  QVERIFY(QTest::qWaitForWindowActive(env.frame.get()));
  frmNotePad* doc = env.doc(1);
  QCOMPARE(env.frame->ActiveForm(), doc);
  doc->Text1->setFocus();
  setDocument(*env.program, *doc, text, selStart, selLength);
  env.runtime.clipboard = QStringLiteral(u"\u20acz");
  QTest::keyClick(doc->Text1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(doc->Text1->Text(), after);
  QCOMPARE(env.runtime.clipboard, std::optional<QString>(clipboard));
  QCOMPARE(isChanged(*env.program, *doc), after != text);
}

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
