// The document window: menus, font menu, sizing, arranging, menu-bar turns.
#include <QtTest>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "TestEnv.h"
#include "workspace/CloseDocuments.h"
#include "workspace/DocumentTable.h"
#include "workspace/Startup.h"

class DocumentWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void menuBarInOrder();
  void menuBarTakesTurns();
  void fontMenuListsEveryScreenFont();
  void fontMenuWithOneFont();
  void fontChangeTouchesOneWindowOnly();
  void textBoxFillsTheWindow();
  void windowListNamesEveryDocument();
  void arrangeCascadeAndTile();
  void editKeysBelongToTheActiveDocumentsMenu();
};

static QStringList captions(const QList<QAction*>& actions) {
  QStringList list;
  for (QAction* a : actions) list << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return list;
}

void DocumentWindowTest::menuBarInOrder() {
  TestEnv env;
  frmNotePad* d = env.doc(1);
  QCOMPARE(captions(env.frame->menuBar()->actions()),
           QStringList({"&File", "&Edit", "&Tools", "&Window"}));
  QCOMPARE(captions(d->mnuFile->actions()),
           QStringList({"New", "Open...", "Close", "Save", "Save As...", "-", "Exit", "-", "RecentFile1",
                        "RecentFile2", "RecentFile3", "RecentFile4", "RecentFile5"}));
  for (int k = 0; k <= 5; ++k) QVERIFY(!d->mnuRecentFile[k]->isVisible());
  QCOMPARE(captions(d->mnuEdit->actions()),
           QStringList({"Cut", "Copy", "Paste", "Delete", "-", "Select &All", "Time/Date"}));
  QCOMPARE(d->mnuEditCut->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
  QCOMPARE(d->mnuEditCopy->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
  QCOMPARE(d->mnuEditPaste->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
  QCOMPARE(d->mnuEditDelete->shortcut(), QKeySequence(Qt::Key_Delete));
  QCOMPARE(captions(d->mnutools->actions()),
           QStringList({"Search", "&Font", "Toolbar", "-", "About Torv-Edit"}));
  QCOMPARE(captions(d->mnuSearch->actions()), QStringList({"Find Code", "Find Next Code"}));
  QVERIFY(d->mnuOptionsToolbar->isChecked());
  QCOMPARE(captions(d->mnuWindow->actions()).mid(0, 2), QStringList({"Cascade", "Tile"}));
}

void DocumentWindowTest::menuBarTakesTurns() {
  TestEnv env;
  frmNotePad* one = env.doc(1);
  QCOMPARE(env.frame->ShownMenus(), one->Menus());
  CreateNewDocument(*env.program);
  frmNotePad* two = env.doc(2);
  QCOMPARE(env.frame->ShownMenus(), two->Menus());
  env.frame->Activate(one);
  QCOMPARE(env.frame->ShownMenus(), one->Menus());
  // Each window keeps its own states.
  one->mnuOptionsToolbar->setChecked(false);
  env.frame->Activate(two);
  QCOMPARE(env.frame->menuBar()->actions().at(2)->menu(), two->mnutools);
  QVERIFY(two->mnuOptionsToolbar->isChecked());

  UnloadDocument(*env.program, *two);
  QCoreApplication::processEvents();
  QCOMPARE(env.frame->ShownMenus(), one->Menus());
  UnloadDocument(*env.program, *one);
  QCoreApplication::processEvents();
  QCOMPARE(env.frame->ShownMenus(), env.frame->OwnMenus());
  QCOMPARE(captions(env.frame->menuBar()->actions()), QStringList({"&File", "&Edit", "&Tools", "&Window"}));
  CreateNewDocument(*env.program);
  QCOMPARE(env.frame->ShownMenus(), env.doc(1)->Menus());
}

void DocumentWindowTest::fontMenuListsEveryScreenFont() {
  TestEnv env;
  QCOMPARE(captions(env.doc(1)->mnuFont->actions()), env.runtime.fonts);
}

void DocumentWindowTest::fontMenuWithOneFont() {
  TestEnv env(false);
  env.runtime.fonts = {QStringLiteral("Only Face")};
  MDIForm_Load(*env.program);
  QCOMPARE(captions(env.doc(1)->mnuFont->actions()), QStringList({"Only Face"}));
  QCOMPARE(env.doc(1)->mnuFontName.size(), 1);
}

void DocumentWindowTest::fontChangeTouchesOneWindowOnly() {
  TestEnv env;
  CreateNewDocument(*env.program);
  frmNotePad* one = env.doc(1);
  frmNotePad* two = env.doc(2);
  const QFont before = two->Text1->font();
  QCOMPARE(before.family(), QStringLiteral("Haettenschweiler"));
  QCOMPARE(before.pointSizeF(), 11.25);
  QCOMPARE(before.weight(), QFont::Weight(800));
  one->mnuFontName[2]->trigger();
  QCOMPARE(one->Text1->FontName(), env.runtime.fonts[2]);
  QCOMPARE(one->Text1->font().pointSizeF(), 11.25);
  QCOMPARE(one->Text1->font().weight(), QFont::Weight(800));
  QCOMPARE(two->Text1->font(), before);
  CreateNewDocument(*env.program);
  QCOMPARE(env.doc(3)->Text1->FontName(), QStringLiteral("Haettenschweiler"));
}

void DocumentWindowTest::textBoxFillsTheWindow() {
  TestEnv env;
  frmNotePad* d = env.doc(1);
  auto* sub = qobject_cast<QMdiSubWindow*>(d->parentWidget());
  for (QSize size : {QSize(400, 300), QSize(60, 40), QSize(700, 500)}) {
    sub->resize(size);
    QCoreApplication::processEvents();
    QCOMPARE(d->Text1->geometry(), QRect(QPoint(0, 0), d->size()));
  }
  sub->showMinimized();
  sub->showNormal();
  QCoreApplication::processEvents();
  QCOMPARE(d->Text1->geometry(), QRect(QPoint(0, 0), d->size()));
}

void DocumentWindowTest::windowListNamesEveryDocument() {
  TestEnv env;
  CreateNewDocument(*env.program);
  CreateNewDocument(*env.program);
  frmNotePad* one = env.doc(1);
  env.frame->Activate(env.doc(2));
  QMetaObject::invokeMethod(one->mnuWindow, "aboutToShow");
  QList<QAction*> items = one->mnuWindow->actions().mid(3);
  QCOMPARE(captions(items), QStringList({"&1 Untitled:1", "&2 Untitled:2", "&3 Untitled:3"}));
  QVERIFY(!items[0]->isChecked());
  QVERIFY(items[1]->isChecked());
  items[2]->trigger();
  QCOMPARE(env.frame->ActiveForm(), env.doc(3));
  QMetaObject::invokeMethod(one->mnuWindow, "aboutToShow");  // rebuilt, not appended
  QCOMPARE(one->mnuWindow->actions().size(), 2 + 1 + 3);
}

void DocumentWindowTest::arrangeCascadeAndTile() {
  TestEnv env;
  env.frame->resize(800, 600);
  env.frame->show();
  QCoreApplication::processEvents();
  env.doc(1)->mnuWindowTile->trigger();  // one window fills the client area
  const QRect area = env.frame->mdiArea()->viewport()->rect();
  QCOMPARE(qobject_cast<QWidget*>(env.doc(1)->parentWidget())->geometry(), area);

  CreateNewDocument(*env.program);
  CreateNewDocument(*env.program);
  env.doc(3)->mnuWindowTile->trigger();
  QList<QRect> rects;
  for (int slot = 1; slot <= 3; ++slot) rects << env.doc(slot)->parentWidget()->geometry();
  for (int i = 0; i < 3; ++i) {
    QCOMPARE(rects[i].width(), area.width());
    if (i > 0) QCOMPARE(rects[i].top(), rects[i - 1].bottom() + 1);
  }
  QCOMPARE(rects[2].bottom(), area.bottom());

  env.doc(1)->mnuWindowCascade->trigger();
  QList<QPoint> tops;
  for (QMdiSubWindow* sub : env.frame->mdiArea()->subWindowList(QMdiArea::StackingOrder)) tops << sub->pos();
  QCOMPARE(tops.size(), 3);
  QVERIFY(tops[1].x() > tops[0].x() && tops[1].y() > tops[0].y());
  QVERIFY(tops[2].x() > tops[1].x() && tops[2].y() > tops[1].y());
}

void DocumentWindowTest::editKeysBelongToTheActiveDocumentsMenu() {
  TestEnv env;
  CreateNewDocument(*env.program);
  frmNotePad* one = env.doc(1);
  frmNotePad* two = env.doc(2);
  env.frame->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(env.frame.get()));
  env.frame->Activate(one);
  one->Text1->setFocus();
  struct Key { QAction* mine; QAction* other; Qt::Key key; Qt::KeyboardModifiers mods; };
  const QList<Key> keys = {{one->mnuEditCut, two->mnuEditCut, Qt::Key_X, Qt::ControlModifier},
                           {one->mnuEditCopy, two->mnuEditCopy, Qt::Key_C, Qt::ControlModifier},
                           {one->mnuEditPaste, two->mnuEditPaste, Qt::Key_V, Qt::ControlModifier},
                           {one->mnuEditDelete, two->mnuEditDelete, Qt::Key_Delete, Qt::NoModifier}};
  for (const Key& k : keys) {
    QSignalSpy mine(k.mine, &QAction::triggered);
    QSignalSpy other(k.other, &QAction::triggered);
    QTest::keyClick(one->Text1, k.key, k.mods);
    QCOMPARE(mine.count(), 1);
    QCOMPARE(other.count(), 0);
  }
}

QTEST_MAIN(DocumentWindowTest)
#include "tst_documentwindow.moc"
