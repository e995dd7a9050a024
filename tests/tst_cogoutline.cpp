// Go To: the outline of a script, filtered by typing, and the caret put at
// the chosen entry, in view.
#include <QtTest>
#include <QLineEdit>
#include <QTreeWidget>

#include "CogSteps.h"
#include "DocumentText.h"
#include "cog/Script.h"
#include "windows/frmCogOutline.h"

class CogOutlineTest : public QObject {
  Q_OBJECT
 private slots:
  void listsEveryHandlerLabelAndSymbol();
  void choosingAnEntryPutsTheCaretThereInView();
  void typingFiltersHundredsOfSymbols();
  void cancelledLeavesTheCaret();
  void untitledAndBinaryScripts();
};

namespace {
frmCogOutline& outlineOf(QDialog& window) { return static_cast<frmCogOutline&>(window); }

QStringList names(const QList<QTreeWidgetItem*>& rows) {
  QStringList list;
  for (QTreeWidgetItem* row : rows) list << row->text(0);
  return list;
}

bool caretInView(TextBox* box) {
  const long line = box->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                       static_cast<unsigned long>(box->SelStart()));
  const long visible = box->SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line));
  const long first = box->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
  const long shown = box->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
  return visible >= first && visible < first + shown;
}

// The lift script with hundreds of symbols more, declared before its own.
QByteArray manySymbols(int count) {
  QByteArray script = liftScript();
  QByteArray extra;
  for (int i = 0; i < count; ++i) extra += "thing       door" + QByteArray::number(i) + "    local\r\n";
  script.insert(int(script.indexOf("thing       lift")), extra);
  return script;
}
}  // namespace

void CogOutlineTest::listsEveryHandlerLabelAndSymbol() {
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("lift.cog"), liftScript());
  QStringList shown, kinds;
  c.env.runtime.modalActions.enqueue([&](QDialog& window) {
    for (QTreeWidgetItem* row : outlineOf(window).VisibleEntries()) {
      shown << row->text(0);
      kinds << row->text(1) + QLatin1Char(' ') + row->text(2);
    }
  });
  c.menu(d).goTo->trigger();
  QCOMPARE(c.env.runtime.modalWindows, QList<QString>({QStringLiteral("frmCogOutline")}));
  QCOMPARE(c.env.runtime.unscripted, 1);  // closed by the script without a choice

  const std::vector<cog::OutlineEntry> expected = cog::outlineOf(liftScript().toStdString());
  QCOMPARE(shown.size(), qsizetype(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) QCOMPARE(shown[int(i)], QString::fromStdString(expected[i].name));
  for (const char* name : {"startup", "activated", "arrived", "timer", "light_on", "lift", "speed", "sparks"})
    QVERIFY2(shown.contains(QString::fromLatin1(name)), name);
  QVERIFY(kinds.contains(QStringLiteral("handler 41")));  // activated:
  QVERIFY(kinds.contains(QStringLiteral("label 67")));    // light_on:
  QVERIFY(kinds.contains(QStringLiteral("thing 19")));    // lift
}

void CogOutlineTest::choosingAnEntryPutsTheCaretThereInView() {
  CogEnv c;
  // Far below the first page, so that the jump has to scroll.
  QByteArray text = liftScript();
  text.insert(int(text.indexOf("code\r\n")), QByteArray(300, '#').replace("#", "#\r\n"));
  frmNotePad* d = c.open(QStringLiteral("lift.cog"), text);
  TextBox* box = d->Text1;
  box->resize(400, 200);
  QVERIFY(!caretInView(box) || box->SelStart() == 0);
  c.env.runtime.modalActions.enqueue([](QDialog& window) {
    QTest::keyClicks(outlineOf(window).txtFilter, "light_");
    QTest::keyClick(outlineOf(window).txtFilter, Qt::Key_Return);
  });
  c.menu(d).goTo->trigger();
  QCOMPARE(c.env.runtime.unscripted, 0);  // the choice closed it
  QCOMPARE(box->SelStart(), int(text.indexOf("light_on:")));
  QCOMPARE(box->SelLength(), 0);
  QVERIFY(caretInView(box));
  QVERIFY(!isChanged(*c.env.program, *d));

  // A double click (activation) on a row chooses it too.
  c.env.runtime.modalActions.enqueue([](QDialog& window) {
    frmCogOutline& outline = outlineOf(window);
    for (QTreeWidgetItem* row : outline.VisibleEntries())
      if (row->text(0) == QStringLiteral("arrived") && row->text(1) == QStringLiteral("handler"))
        emit outline.lstEntries->itemActivated(row, 0);
  });
  c.menu(d).goTo->trigger();
  QCOMPARE(box->SelStart(), int(text.indexOf("arrived:")));
  QVERIFY(caretInView(box));
}

void CogOutlineTest::typingFiltersHundredsOfSymbols() {
  CogEnv c;
  const QByteArray text = manySymbols(600);
  QVERIFY(text.size() <= 65000);
  frmNotePad* d = c.open(QStringLiteral("doors.cog"), text);
  QStringList all, filtered, fewer;
  c.env.runtime.modalActions.enqueue([&](QDialog& window) {
    frmCogOutline& outline = outlineOf(window);
    all = names(outline.VisibleEntries());
    QTest::keyClicks(outline.txtFilter, "DOOR59");  // any case
    filtered = names(outline.VisibleEntries());
    QTest::keyClick(outline.txtFilter, Qt::Key_Backspace);
    QTest::keyClicks(outline.txtFilter, "9");
    fewer = names(outline.VisibleEntries());
    QTest::keyClick(outline.txtFilter, Qt::Key_Down);  // from door59 to door590
    QTest::keyClick(outline.txtFilter, Qt::Key_Return);
  });
  c.menu(d).goTo->trigger();
  QVERIFY(all.size() > 600);
  QCOMPARE(filtered, QStringList({"door59", "door590", "door591", "door592", "door593", "door594", "door595",
                                  "door596", "door597", "door598", "door599"}));
  QCOMPARE(fewer, filtered);
  QCOMPARE(d->Text1->SelStart(), int(text.indexOf("door590 ")));
}

void CogOutlineTest::cancelledLeavesTheCaret() {
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("lift.cog"), liftScript());
  d->Text1->SetSelStart(100);
  c.env.runtime.modalActions.enqueue([](QDialog& window) {
    QTest::keyClicks(outlineOf(window).txtFilter, "nothing-is-called-this");
    QVERIFY(outlineOf(window).VisibleEntries().isEmpty());
    QTest::keyClick(outlineOf(window).txtFilter, Qt::Key_Return);  // nothing to choose
    QVERIFY(window.isVisible());
    window.reject();
  });
  c.menu(d).goTo->trigger();
  QCOMPARE(d->Text1->SelStart(), 100);
}

void CogOutlineTest::untitledAndBinaryScripts() {
  CogEnv c;
  frmNotePad* d = c.env.doc(1);
  setDocument(*c.env.program, *d, liftScript());
  c.env.runtime.modalActions.enqueue([](QDialog& window) {
    QTest::keyClicks(outlineOf(window).txtFilter, "timer");
    QTest::keyClick(outlineOf(window).txtFilter, Qt::Key_Return);
  });
  c.menu(d).goTo->trigger();
  QCOMPARE(d->Text1->SelStart(), int(liftScript().indexOf("timer")));

  QByteArray bytes;
  for (int i = 0; i < 20; ++i) bytes += everyByte();
  frmNotePad* binary = c.open(QStringLiteral("binary.cog"), bytes);
  c.env.runtime.modalActions.enqueue([](QDialog& window) {
    for (QTreeWidgetItem* row : outlineOf(window).VisibleEntries())
      for (QChar ch : row->text(0)) QVERIFY(ch.unicode() >= 0x20);
    QTest::keyClick(outlineOf(window).txtFilter, Qt::Key_Return);
  });
  c.menu(binary).goTo->trigger();
  QCOMPARE(binary->Text1->Text(), bytes);
  QVERIFY(!isChanged(*c.env.program, *binary));
}

QTEST_MAIN(CogOutlineTest)
#include "tst_cogoutline.moc"
