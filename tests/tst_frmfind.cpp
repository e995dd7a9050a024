// The find dialog: its layout, its handlers and how the document menus open it.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "DocumentText.h"
#include "TestEnv.h"
#include "editing/Search.h"
#include "editing/frmFind.h"

namespace {
QRect twips(int left, int top, int width, int height) {
  auto px = [](int t) { return qRound(t / 15.0); };
  return QRect(px(left), px(top), px(width), px(height));
}

QWidget* control(frmFind& f, const QString& name) {
  if (name == QLatin1String("Label1")) return f.Label1;
  if (name == QLatin1String("Text1")) return f.Text1;
  if (name == QLatin1String("chkCase")) return f.chkCase;
  if (name == QLatin1String("cmdFind")) return f.cmdFind;
  if (name == QLatin1String("cmdcancel")) return f.cmdcancel;
  if (name == QLatin1String("Frame1")) return f.Frame1;
  if (name == QLatin1String("optDirection(1)")) return f.optDirection[1];
  if (name == QLatin1String("optDirection(0)")) return f.optDirection[0];
  return nullptr;
}

// Runs `act` inside the dialog the next modal show opens.
void inDialog(TestEnv& env, std::function<void(frmFind&)> act) {
  env.runtime.modalActions.enqueue([act](QDialog& dialog) {
    auto* find = qobject_cast<frmFind*>(&dialog);
    QVERIFY(find);
    act(*find);
  });
}
}  // namespace

class FindDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void layout_data();
  void layout();
  void window();
  void toolTips_data();
  void toolTips();
  void tabOrder();
  void loadTakesTheDirection_data();
  void loadTakesTheDirection();
  void openingPrefills_data();
  void openingPrefills();
  void openingChecksMatchCase();
  void findStepsWhileTheDialogStaysOpen();
  void enterFindsAndEscapeCancels();
  void optionsAreStoredAtOnce();
  void editingTheTextMakesTheSearchFresh();
  void cancelKeepsTextAndCaseForFindNext();
  void cancelWithNoTextEmptiesFindText();
  void reopeningOnTheMatchFindsItAgain();
  void textTheCodePageLacksCannotBeTyped();
};

void FindDialogTest::layout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("rect");
  QTest::newRow("Label1") << QStringLiteral("Label1") << twips(120, 240, 975, 255);
  QTest::newRow("Text1") << QStringLiteral("Text1") << twips(1200, 120, 2415, 375);
  QTest::newRow("chkCase") << QStringLiteral("chkCase") << twips(120, 720, 1335, 495);
  QTest::newRow("cmdFind") << QStringLiteral("cmdFind") << twips(3720, 120, 1092, 372);
  QTest::newRow("cmdcancel") << QStringLiteral("cmdcancel") << twips(3720, 600, 1092, 372);
  QTest::newRow("Frame1") << QStringLiteral("Frame1") << twips(1560, 600, 2052, 615);
  QTest::newRow("optDirection(1)") << QStringLiteral("optDirection(1)") << twips(960, 240, 852, 252);
  QTest::newRow("optDirection(0)") << QStringLiteral("optDirection(0)") << twips(240, 240, 612, 252);
}

void FindDialogTest::layout() {
  QFETCH(QString, name);
  QFETCH(QRect, rect);
  TestEnv env;
  frmFind dialog(*env.program);
  QWidget* w = control(dialog, name);
  QVERIFY(w);
  QCOMPARE(w->geometry(), rect);
  const bool inFrame = name.startsWith(QLatin1String("optDirection"));
  QCOMPARE(w->parentWidget(), inFrame ? static_cast<QWidget*>(dialog.Frame1) : &dialog);
}

void FindDialogTest::window() {
  TestEnv env;
  frmFind dialog(*env.program, env.frame.get());
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Find Code"));
  QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
  QCOMPARE(dialog.size(), twips(0, 0, 4950, 1395).size());
  QCOMPARE(dialog.font().family(), QStringLiteral("MS Sans Serif"));
  QCOMPARE(dialog.font().pixelSize(), 11);  // 8.25 pt at 96 dots per inch
  QVERIFY(dialog.font().bold());
  QCOMPARE(dialog.cmdcancel->font(), dialog.font());
  QCOMPARE(dialog.Label1->text(), QStringLiteral("Find Code:"));
  QVERIFY(!dialog.Label1->autoFillBackground());
  QCOMPARE(dialog.chkCase->text(), QStringLiteral("Match Case"));
  QVERIFY(dialog.chkCase->isCheckable());
  QVERIFY(!dialog.chkCase->isChecked());
  QCOMPARE(dialog.cmdFind->text(), QStringLiteral("&Find"));
  QVERIFY(dialog.cmdFind->isDefault());
  QVERIFY(!dialog.cmdFind->isEnabled());
  QCOMPARE(dialog.cmdcancel->text(), QStringLiteral("Cancel"));
  QCOMPARE(dialog.Frame1->title(), QStringLiteral("Direction"));
  QCOMPARE(dialog.optDirection[1]->text(), QStringLiteral("&Down"));
  QCOMPARE(dialog.optDirection[0]->text(), QStringLiteral("&Up"));
  for (QWidget* grey : {static_cast<QWidget*>(dialog.Frame1), static_cast<QWidget*>(dialog.optDirection[0]),
                        static_cast<QWidget*>(dialog.optDirection[1])}) {
    QVERIFY(grey->autoFillBackground());
    QCOMPARE(grey->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
  }
  QCOMPARE(dialog.optDirection[0]->palette().color(QPalette::WindowText), QColor(Qt::black));
  QVERIFY(dialog.Text1->text().isEmpty());
}

void FindDialogTest::toolTips_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("tip");
  QTest::newRow("Text1") << QStringLiteral("Text1") << QStringLiteral("Text to Find");
  QTest::newRow("chkCase") << QStringLiteral("chkCase") << QStringLiteral("Case Sensitivity");
  QTest::newRow("cmdFind") << QStringLiteral("cmdFind") << QStringLiteral("Start Search");
  QTest::newRow("cmdcancel") << QStringLiteral("cmdcancel") << QStringLiteral("Return to Notepad");
  QTest::newRow("optDirection(1)") << QStringLiteral("optDirection(1)") << QStringLiteral("Search to End of Document");
  QTest::newRow("optDirection(0)") << QStringLiteral("optDirection(0)")
                                   << QStringLiteral("Search to Beginning of Document");
}

void FindDialogTest::toolTips() {
  QFETCH(QString, name);
  QFETCH(QString, tip);
  TestEnv env;
  frmFind dialog(*env.program);
  QCOMPARE(control(dialog, name)->toolTip(), tip);
}

void FindDialogTest::tabOrder() {
  TestEnv env;
  frmFind dialog(*env.program);
  QList<QWidget*> order;
  QWidget* w = dialog.Text1;
  for (int i = 0; i < 6; ++i) {
    order.append(w);
    w = w->nextInFocusChain();
    while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
  }
  const QList<QWidget*> expected = {dialog.Text1,     dialog.chkCase,         dialog.cmdFind,
                                    dialog.cmdcancel, dialog.optDirection[1], dialog.optDirection[0]};
  QCOMPARE(order, expected);
}

void FindDialogTest::loadTakesTheDirection_data() {
  QTest::addColumn<int>("direction");
  QTest::newRow("up") << 0;
  QTest::newRow("down") << 1;
}

void FindDialogTest::loadTakesTheDirection() {
  QFETCH(int, direction);
  TestEnv env;
  env.program->Search.SearchDirection = qint16(direction);
  frmFind dialog(*env.program);
  QVERIFY(dialog.optDirection[direction]->isChecked());
  QVERIFY(!dialog.optDirection[1 - direction]->isChecked());
  QCOMPARE(env.program->Search.SearchDirection, qint16(direction));
}

void FindDialogTest::openingPrefills_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<int>("selStart");
  QTest::addColumn<int>("selLength");
  QTest::addColumn<QString>("findText");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<bool>("findEnabled");
  QTest::newRow("selection") << QByteArray("say \x80uro") << 4 << 4 << QStringLiteral("old")
                             << QStringLiteral(u"\u20acuro") << true;
  QTest::newRow("selection across a line break") << QByteArray("ab\r\ncd") << 1 << 4 << QString()
                                                << QStringLiteral("b\r\nc") << true;
  QTest::newRow("no selection: FindText") << QByteArray("abc") << 1 << 0 << QStringLiteral("old")
                                          << QStringLiteral("old") << true;
  QTest::newRow("selection longer than a line edit's default limit")
      << QByteArray(40000, 'a') << 0 << 40000 << QString() << QString(40000, QLatin1Char('a')) << true;
  QTest::newRow("no selection, no FindText") << QByteArray("abc") << 1 << 0 << QString() << QString() << false;
}

void FindDialogTest::openingPrefills() {
  QFETCH(QByteArray, text);
  QFETCH(int, selStart);
  QFETCH(int, selLength);
  QFETCH(QString, findText);
  QFETCH(QString, shown);
  QFETCH(bool, findEnabled);
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, text, selStart, selLength);
  env.program->Search.FindText = findText;
  env.program->Search.NewSearch = false;
  QString seen;
  bool enabled = !findEnabled;
  bool fresh = false;
  inDialog(env, [&](frmFind& f) {
    seen = f.Text1->text();
    enabled = f.cmdFind->isEnabled();
    fresh = env.program->Search.NewSearch;
    QVERIFY(f.isVisible());
    f.cmdcancel->click();
  });
  doc->mnuSearchFind->trigger();
  QCOMPARE(env.runtime.modalWindows, QList<QString>{QStringLiteral("frmFind")});
  QCOMPARE(env.runtime.unscripted, 0);
  QCOMPARE(seen, shown);
  QCOMPARE(enabled, findEnabled);
  QVERIFY(fresh);
}

void FindDialogTest::openingChecksMatchCase() {
  TestEnv env;
  env.program->Search.MatchCase = 1;
  bool checked = false;
  inDialog(env, [&](frmFind& f) {
    checked = f.chkCase->isChecked();
    f.cmdcancel->click();
  });
  env.doc(1)->mnuSearchFind->trigger();
  QVERIFY(checked);
  QCOMPARE(env.program->Search.MatchCase, qint16(1));
}

void FindDialogTest::findStepsWhileTheDialogStaysOpen() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "Sleep(1); sleep(2); SLEEP(3);", 0);
  QList<int> starts;
  bool stayedOpen = true;
  inDialog(env, [&](frmFind& f) {
    QTest::keyClicks(f.Text1, QStringLiteral("sleep"));
    QVERIFY(f.cmdFind->isEnabled());
    for (int i = 0; i < 4; ++i) {
      f.cmdFind->click();
      stayedOpen = stayedOpen && f.isVisible();
      starts.append(doc->Text1->SelStart());
    }
    f.cmdcancel->click();
  });
  doc->mnuSearchFind->trigger();
  QVERIFY(stayedOpen);
  QCOMPARE(starts, (QList<int>{0, 10, 20, 20}));
  QCOMPARE(doc->Text1->SelLength(), 5);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, QStringLiteral("Cannot find \"sleep\""));
  QCOMPARE(env.runtime.messages[0].title, QStringLiteral("Torvane Edit"));
}

void FindDialogTest::enterFindsAndEscapeCancels() {
  TestEnv env;
  env.frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(env.frame.get()));
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "one two", 0);
  bool closedByEscape = false;
  inDialog(env, [&](frmFind& f) {
    f.activateWindow();
    f.Text1->setFocus();
    QTest::keyClicks(f.Text1, QStringLiteral("two"));
    QTest::keyClick(f.Text1, Qt::Key_Return);
    QTest::keyClick(f.Text1, Qt::Key_Escape);
    closedByEscape = !f.isVisible();
  });
  doc->mnuSearchFind->trigger();
  QCOMPARE(doc->Text1->SelStart(), 4);
  QCOMPARE(doc->Text1->SelLength(), 3);
  QVERIFY(closedByEscape);
  QCOMPARE(env.program->Search.FindText, QStringLiteral("two"));
  QCOMPARE(env.runtime.unscripted, 0);
}

void FindDialogTest::optionsAreStoredAtOnce() {
  TestEnv env;
  QList<int> seen;
  inDialog(env, [&](frmFind& f) {
    f.optDirection[0]->click();
    seen << env.program->Search.SearchDirection;
    f.chkCase->click();
    seen << env.program->Search.MatchCase;
    f.optDirection[1]->click();
    seen << env.program->Search.SearchDirection;
    f.chkCase->click();
    seen << env.program->Search.MatchCase;
    f.chkCase->click();
    f.cmdcancel->click();
  });
  env.doc(1)->mnuSearchFind->trigger();
  QCOMPARE(seen, (QList<int>{0, 1, 1, 0}));
  QCOMPARE(env.program->Search.MatchCase, qint16(1));
}

void FindDialogTest::editingTheTextMakesTheSearchFresh() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "abab", 0);
  QList<int> starts;
  inDialog(env, [&](frmFind& f) {
    QTest::keyClicks(f.Text1, QStringLiteral("ab"));
    f.cmdFind->click();
    starts << doc->Text1->SelStart();
    // Changing the direction or the case does not start afresh ...
    f.chkCase->click();
    f.cmdFind->click();
    starts << doc->Text1->SelStart();
    // ... editing the text does: the match at the selection start is found again.
    f.optDirection[0]->click();
    f.Text1->setText(QStringLiteral("a"));
    f.optDirection[1]->click();
    f.cmdFind->click();
    starts << doc->Text1->SelStart();
    f.cmdcancel->click();
  });
  doc->mnuSearchFind->trigger();
  QCOMPARE(starts, (QList<int>{0, 2, 2}));
  QCOMPARE(doc->Text1->SelLength(), 1);
}

void FindDialogTest::cancelKeepsTextAndCaseForFindNext() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "Key key KEY", 1);
  inDialog(env, [&](frmFind& f) {
    QTest::keyClicks(f.Text1, QStringLiteral("KEY"));
    f.chkCase->setChecked(true);
    f.cmdcancel->click();
  });
  doc->mnuSearchFind->trigger();
  QCOMPARE(env.program->Search.FindText, QStringLiteral("KEY"));
  QCOMPARE(env.program->Search.MatchCase, qint16(1));
  QCOMPARE(doc->Text1->SelStart(), 1);  // nothing searched yet
  doc->mnuSearchFindNext->trigger();
  QCOMPARE(env.runtime.modalWindows.size(), 1);
  QCOMPARE(doc->Text1->SelStart(), 8);
  QCOMPARE(doc->Text1->SelLength(), 3);
}

void FindDialogTest::cancelWithNoTextEmptiesFindText() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  env.program->Search.FindText = QStringLiteral("old");
  inDialog(env, [&](frmFind& f) {
    QCOMPARE(f.Text1->text(), QStringLiteral("old"));
    f.Text1->clear();
    QVERIFY(!f.cmdFind->isEnabled());
    f.cmdcancel->click();
  });
  doc->mnuSearchFind->trigger();
  QVERIFY(env.program->Search.FindText.isEmpty());
  inDialog(env, [](frmFind& f) { f.cmdcancel->click(); });
  doc->mnuSearchFindNext->trigger();
  QCOMPARE(env.runtime.modalWindows.size(), 2);
  QCOMPARE(env.runtime.unscripted, 0);
}

void FindDialogTest::reopeningOnTheMatchFindsItAgain() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "x then then", 0);
  env.program->Search.FindText = QStringLiteral("then");
  doc->mnuSearchFindNext->trigger();
  QCOMPARE(doc->Text1->SelStart(), 2);
  QString shown;
  inDialog(env, [&](frmFind& f) {
    shown = f.Text1->text();
    f.cmdFind->click();
    f.cmdcancel->click();
  });
  doc->mnuSearchFind->trigger();
  QCOMPARE(shown, QStringLiteral("then"));
  QCOMPARE(doc->Text1->SelStart(), 2);
  QCOMPARE(doc->Text1->SelLength(), 4);
  QVERIFY(env.runtime.messages.isEmpty());
}

void FindDialogTest::textTheCodePageLacksCannotBeTyped() {
  TestEnv env;
  frmFind dialog(*env.program);
  for (QChar c : QStringLiteral(u"a\u0436\u20ac")) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(dialog.Text1, &press);
  }
  QCOMPARE(dialog.Text1->text(), QStringLiteral(u"a\u20ac"));
}

QTEST_MAIN(FindDialogTest)
#include "tst_frmfind.moc"
