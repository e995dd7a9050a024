// The toolbar: its strip, the picture buttons' press and release, the edit
// buttons' hiding, the Quit button and the Toolbar items' check marks.
#include <QtTest>
#include <QMdiArea>
#include <QPushButton>

#include "MouseScript.h"
#include "TestEnv.h"
#include "windows/PictureButton.h"
#include "windows/Toolbar.h"
#include "workspace/CloseDocuments.h"
#include "workspace/DocumentTable.h"

namespace {
// Released and pressed widths in twips, as the buttons are designed.
struct Design {
  const char* name;
  const char* toolTip;
  int left, upWidth, dnWidth;
};
const Design kButtons[] = {
    {"imgFileNewButton", "New File", 0, 360, 375},  {"imgFileOpenButton", "Open File", 360, 360, 360},
    {"imgCutButton", "Cut", 840, 375, 375},         {"imgCopyButton", "Copy", 1200, 375, 375},
    {"imgPasteButton", "Paste", 1560, 375, 375},
};

PictureButton* button(TestEnv& env, const QString& name) {
  auto* found = env.frame->picToolbar->findChild<PictureButton*>(name);
  if (!found) qFatal("no picture button %s", qPrintable(name));
  return found;
}

// 'P' pressed, 'R' released; '?' for a picture that is neither, or a
// button whose size is not that of its picture.
QChar state(const PictureButton* b) {
  if (b->Up.isNull() || b->Dn.isNull() || b->size() != b->Picture().size()) return QLatin1Char('?');
  if (b->Picture().cacheKey() == b->Dn.cacheKey()) return QLatin1Char('P');
  if (b->Picture().cacheKey() == b->Up.cacheKey()) return QLatin1Char('R');
  return QLatin1Char('?');
}

void closeDocument(TestEnv& env, frmNotePad* document) {
  UnloadDocument(*env.program, *document);
  QCoreApplication::processEvents();
}

bool editButtonsShown(TestEnv& env) {
  Toolbar* strip = env.frame->picToolbar;
  const bool cut = !strip->imgCutButton->isHidden(), copy = !strip->imgCopyButton->isHidden(),
             paste = !strip->imgPasteButton->isHidden();
  if (cut != copy || copy != paste) qFatal("edit buttons out of step");
  return cut;
}
}  // namespace

class ToolbarTest : public QObject {
  Q_OBJECT
 private slots:
  void stripLayout();
  void buttonLayout_data();
  void buttonLayout();
  void stateTable_data();
  void stateTable();
  void quitButton();
  void editButtonsFollowTheDocuments();
  void frameItemTogglesTheStrip();
  void toggleAcrossTwoDocuments();
  void hiddenStripGivesItsHeightToTheClientArea();
};

void ToolbarTest::stripLayout() {
  TestEnv env;
  Toolbar* strip = env.frame->picToolbar;
  QCOMPARE(strip->objectName(), QStringLiteral("picToolbar"));
  QCOMPARE(strip->height() * 15, 615);
  QVERIFY(strip->isVisible());
  env.frame->resize(900, 500);
  QCoreApplication::processEvents();
  QCOMPARE(strip->width(), env.frame->width());
  QCOMPARE(strip->height() * 15, 615);
}

void ToolbarTest::buttonLayout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("toolTip");
  QTest::addColumn<int>("left");
  QTest::addColumn<int>("upWidth");
  QTest::addColumn<int>("dnWidth");
  for (const Design& d : kButtons)
    QTest::newRow(d.name) << QString::fromLatin1(d.name) << QString::fromLatin1(d.toolTip) << d.left << d.upWidth
                          << d.dnWidth;
}

void ToolbarTest::buttonLayout() {
  QFETCH(QString, name);
  QFETCH(QString, toolTip);
  QFETCH(int, left);
  QFETCH(int, upWidth);
  QFETCH(int, dnWidth);
  TestEnv env;
  PictureButton* b = button(env, name);
  QCOMPARE(b->toolTip(), toolTip);
  QCOMPARE(b->x() * 15, left);
  QCOMPARE(b->y() * 15, 120);
  QCOMPARE(state(b), QLatin1Char('R'));
  QCOMPARE(b->Width(), upWidth);
  QCOMPARE(b->Height(), 330);
  QCOMPARE(b->Dn.width() * 15, dnWidth);
  QCOMPARE(b->Dn.height() * 15, 330);
  QVERIFY(b->isVisible());
}

void ToolbarTest::stateTable_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("script");
  QTest::addColumn<QString>("states");  // after each step
  QTest::addColumn<int>("clicks");
  for (const Design& d : kButtons) {
    const QString n = QString::fromLatin1(d.name);
    const QString w = QString::number(d.dnWidth);
    const QString w1 = QString::number(d.dnWidth + 1);
    auto row = [&](const char* what, const QString& script, const char* states, int clicks) {
      QTest::addRow("%s: %s", d.name, what) << n << script << QString::fromLatin1(states) << clicks;
    };
    row("press and release over it", QStringLiteral("down L 150 150; up L 150 150"), "PR", 1);
    row("drag off, release outside", QStringLiteral("down L 150 150; move L 150 -15; up L 150 -15"), "PRR", 0);
    row("drag off and back", QStringLiteral("down L 150 150; move L 900 150; move L 150 150; up L 150 150"), "PRPR", 1);
    row("top-left edges are over it",
        QStringLiteral("down L 0 0; move L 0 0; move L -1 0; move L 0 0; move L 0 -1; up L 0 0"), "PPRPRR", 1);
    row("right and bottom edges are over it",
        QStringLiteral("down L 10 10; move L %1 330; move L %2 330; move L 10 10; move L %1 331; move L 10 10; "
                       "up L 10 10")
            .arg(w, w1),
        "PPRPRPR", 1);
    row("right button", QStringLiteral("down R 150 150; move R 900 150; move R 150 -60; up R 900 150"), "PPPR", 0);
    row("middle button", QStringLiteral("down M 150 150; move M 900 150; up M 150 150"), "PPR", 0);
    row("left with another button held",
        QStringLiteral("down L 150 150; move L 900 150; down R 900 150; move LR 150 150; move LR 900 150; "
                       "up R 900 150; move L 150 150; up L 150 150"),
        "PRPPPRPR", 1);
    row("moving with no button", QStringLiteral("move - 150 150; move - 900 900; move - -5 -5"), "RRR", 0);
    row("right release ends a left press", QStringLiteral("down L 150 150; down R 150 150; up R 150 150; up L 900 150"),
        "PPRR", 0);
  }
  // The New File button is one pixel wider while pressed: the bounds follow it.
  QTest::newRow("imgFileNewButton: bounds follow its size")
      << QStringLiteral("imgFileNewButton")
      << QStringLiteral("down L 150 150; move L 375 150; move L 376 150; move L 370 150; move L 360 150; "
                        "move L 370 150; up L 370 150")
      << QStringLiteral("PPRRPPR") << 1;
}

void ToolbarTest::stateTable() {
  QFETCH(QString, name);
  QFETCH(QString, script);
  QFETCH(QString, states);
  QFETCH(int, clicks);
  TestEnv env;
  PictureButton* b = button(env, name);
  const qsizetype before = env.documents().size();
  QString seen;
  runMouseScript(b, script, [&](int) { seen.append(state(b)); });
  QCOMPARE(seen, states);
  // A click runs the button's command; New's is seen in the document count.
  // The other commands are checked with the commands themselves.
  if (name == QLatin1String("imgFileNewButton")) QCOMPARE(env.documents().size() - before, clicks);
}

void ToolbarTest::quitButton() {
  TestEnv env;
  QPushButton* quit = env.frame->picToolbar->Command1;
  QCOMPARE(quit->text(), QStringLiteral("Quit"));
  QCOMPARE(quit->geometry(), QRect(6240 / 15, 120 / 15, 740 / 15, 375 / 15));
  QVERIFY(!quit->icon().isNull());
  QCOMPARE(quit->cursor().shape(), Qt::BitmapCursor);
  QCOMPARE(quit->cursor().hotSpot(), QPoint(12, 1));
  env.frame->resize(300, 400);
  QCoreApplication::processEvents();
  QCOMPARE(quit->pos(), QPoint(6240 / 15, 120 / 15));

  QTest::mouseClick(quit, Qt::LeftButton);
  QCoreApplication::processEvents();
  QCOMPARE(env.documents().size(), 0);
  QCOMPARE(env.runtime.ended, 1);
}

void ToolbarTest::editButtonsFollowTheDocuments() {
  TestEnv env;
  Toolbar* strip = env.frame->picToolbar;
  QVERIFY(editButtonsShown(env));
  CreateNewDocument(*env.program);  // while shown: nothing changes
  QVERIFY(editButtonsShown(env));
  QCOMPARE(env.program->EditButtonsHidden, False16);

  closeDocument(env, env.doc(2));
  QVERIFY(editButtonsShown(env));  // one document still open
  closeDocument(env, env.doc(1));
  QVERIFY(!editButtonsShown(env));
  QCOMPARE(env.program->EditButtonsHidden, True16);
  QVERIFY(!strip->imgFileNewButton->isHidden());
  QVERIFY(!strip->imgFileOpenButton->isHidden());

  // A new document shows them again and leaves the flag as it was.
  QTest::mouseClick(strip->imgFileNewButton, Qt::LeftButton, {}, QPoint(5, 5));
  QCoreApplication::processEvents();
  QCOMPARE(env.documents().size(), 1);
  QVERIFY(editButtonsShown(env));
  QCOMPARE(env.program->EditButtonsHidden, True16);
}

void ToolbarTest::frameItemTogglesTheStrip() {
  TestEnv env;
  closeDocument(env, env.doc(1));
  QAction* item = env.frame->mnuOptionsToolbar;
  QCOMPARE(env.frame->ShownMenus(), env.frame->OwnMenus());
  item->trigger();
  QVERIFY(!item->isChecked());
  QVERIFY(env.frame->picToolbar->isHidden());
  item->trigger();
  QVERIFY(item->isChecked());
  QVERIFY(!env.frame->picToolbar->isHidden());
}

void ToolbarTest::toggleAcrossTwoDocuments() {
  TestEnv env;
  CreateNewDocument(*env.program);
  frmNotePad* a = env.doc(1);
  frmNotePad* b = env.doc(2);
  QAction* frameItem = env.frame->mnuOptionsToolbar;
  Toolbar* strip = env.frame->picToolbar;

  a->mnuOptionsToolbar->trigger();
  QVERIFY(!a->mnuOptionsToolbar->isChecked());
  QVERIFY(!frameItem->isChecked());
  QVERIFY(b->mnuOptionsToolbar->isChecked());
  QVERIFY(strip->isHidden());

  b->mnuOptionsToolbar->trigger();  // checked, so this unchecks it: the strip stays hidden
  QVERIFY(!b->mnuOptionsToolbar->isChecked());
  QVERIFY(!frameItem->isChecked());
  QVERIFY(strip->isHidden());

  b->mnuOptionsToolbar->trigger();
  QVERIFY(b->mnuOptionsToolbar->isChecked());
  QVERIFY(frameItem->isChecked());
  QVERIFY(!strip->isHidden());
  QVERIFY(!a->mnuOptionsToolbar->isChecked());

  // The strip's visibility leaves the buttons' own as they are.
  b->mnuOptionsToolbar->trigger();
  QVERIFY(strip->isHidden());
  QVERIFY(editButtonsShown(env));
  // A window made later starts checked, whatever the strip shows.
  CreateNewDocument(*env.program);
  QVERIFY(env.doc(3)->mnuOptionsToolbar->isChecked());
  QVERIFY(strip->isHidden());
}

void ToolbarTest::hiddenStripGivesItsHeightToTheClientArea() {
  TestEnv env;
  QCoreApplication::processEvents();
  const int shown = env.frame->mdiArea()->height();
  env.doc(1)->mnuOptionsToolbar->trigger();
  QCoreApplication::processEvents();
  QTRY_COMPARE(env.frame->mdiArea()->height(), shown + 615 / 15);
  env.doc(1)->mnuOptionsToolbar->trigger();
  QTRY_COMPARE(env.frame->mdiArea()->height(), shown);
}

QTEST_MAIN(ToolbarTest)
#include "tst_toolbar.moc"
