// The frame window: its own menus, the turn-taking of the menu bars, the
// status bar and the client area.
#include <QtTest>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "TestEnv.h"
#include "resources/Pictures.h"
#include "windows/ClientArea.h"
#include "windows/StatusBar.h"
#include "windows/Toolbar.h"
#include "workspace/CloseDocuments.h"
#include "workspace/DocumentTable.h"

namespace {
// A clock the test sets; every other service is the real one.
class SetClock : public QtSystemServices {
 public:
  QDateTime Now() override { return now; }
  QDateTime now = QDateTime(QDate(2024, 3, 9), QTime(8, 5, 0));
};

void closeDocument(TestEnv& env, frmNotePad* document) {
  UnloadDocument(*env.program, *document);
  QCoreApplication::processEvents();
}

// One line per item of a menu: caption, shortcut and its states, so that a
// whole menu compares in one go. Hidden items are left out.
QStringList describe(const QMenu* menu) {
  QStringList lines;
  for (const QAction* a : menu->actions()) {
    if (!a->isVisible()) continue;
    if (a->isSeparator()) {
      lines.append(QStringLiteral("-"));
      continue;
    }
    QString line = a->text();
    if (!a->shortcut().isEmpty()) line += QStringLiteral(" [") + a->shortcut().toString() + QLatin1Char(']');
    if (!a->isEnabled()) line += QStringLiteral(" (disabled)");
    if (a->isCheckable()) line += a->isChecked() ? QStringLiteral(" (checked)") : QStringLiteral(" (unchecked)");
    if (a->menu()) line += QStringLiteral(" {") + describe(a->menu()).join(QStringLiteral(", ")) + QLatin1Char('}');
    lines.append(line);
  }
  return lines;
}

StatusBar* statusBarOf(TestEnv& env) { return qobject_cast<StatusBar*>(env.frame->statusBar()); }
}  // namespace

class FrameTest : public QObject {
  Q_OBJECT
 private slots:
  void ownMenus_data();
  void ownMenus();
  void menuBarsTakeTurns();
  void titleNeverChanges();
  void statusBarPanels();
  void widthGoesToTheFirstPanel();
  void clockPanelsKeepThemselvesCurrent();
  void clientAreaColourAndBanner();
};

void FrameTest::ownMenus_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QStringList>("items");
  QTest::newRow("File") << 0 << QStringLiteral("&File")
                        << QStringList{QStringLiteral("&New"), QStringLiteral("&Open"), QStringLiteral("E&xit"),
                                       QStringLiteral("-")};
  QTest::newRow("Edit") << 1 << QStringLiteral("&Edit")
                        << QStringList{QStringLiteral("Cut [Ctrl+X] (disabled)"),
                                       QStringLiteral("Copy [Ctrl+C] (disabled)"),
                                       QStringLiteral("Paste [Ctrl+V] (disabled)"),
                                       QStringLiteral("Delete (disabled)"),
                                       QStringLiteral("-"),
                                       QStringLiteral("Select All (disabled)"),
                                       QStringLiteral("Date/time (disabled)")};
  QTest::newRow("Tools") << 2 << QStringLiteral("&Tools")
                         << QStringList{QStringLiteral("Search (disabled) {Find Code, Find Next Code}"),
                                        QStringLiteral("Front (disabled)"), QStringLiteral("Toolbar (checked)"),
                                        QStringLiteral("-"), QStringLiteral("About Torv-Cog")};
  QTest::newRow("Window") << 3 << QStringLiteral("&Window")
                          << QStringList{QStringLiteral("Cascade (disabled)"), QStringLiteral("Title (disabled)")};
}

void FrameTest::ownMenus() {
  QFETCH(int, index);
  QFETCH(QString, title);
  QFETCH(QStringList, items);
  TestEnv env;
  closeDocument(env, env.doc(1));
  const QList<QAction*> bar = env.frame->menuBar()->actions();
  QCOMPARE(bar.size(), 4);
  QMenu* menu = bar[index]->menu();
  QCOMPARE(menu, env.frame->OwnMenus()[index]);
  QCOMPARE(menu->title(), title);
  QCOMPARE(describe(menu), items);
  if (index == 0) QVERIFY(!menu->separatorsCollapsible());  // the line after E&xit shows, last or not
}

void FrameTest::menuBarsTakeTurns() {
  TestEnv env;
  frmNotePad* first = env.doc(1);
  QCOMPARE(env.frame->ShownMenus(), first->Menus());
  CreateNewDocument(*env.program);
  frmNotePad* second = env.doc(2);
  QCOMPARE(env.frame->ShownMenus(), second->Menus());
  env.frame->Activate(first);
  QCOMPARE(env.frame->ShownMenus(), first->Menus());
  QList<QMenu*> inBar;
  for (QAction* a : env.frame->menuBar()->actions()) inBar.append(a->menu());
  QCOMPARE(inBar, first->Menus());

  closeDocument(env, first);
  QCOMPARE(env.frame->ShownMenus(), second->Menus());
  closeDocument(env, second);
  QCOMPARE(env.frame->ShownMenus(), env.frame->OwnMenus());
  inBar.clear();
  for (QAction* a : env.frame->menuBar()->actions()) inBar.append(a->menu());
  QCOMPARE(inBar, env.frame->OwnMenus());

  env.frame->mnuFileNew->trigger();
  QCoreApplication::processEvents();
  QCOMPARE(env.frame->ShownMenus(), env.doc(1)->Menus());
}

void FrameTest::titleNeverChanges() {
  TestEnv env;
  const QString title = QStringLiteral("Torv-Edit Test ver.1.0");
  QCOMPARE(env.frame->windowTitle(), title);
  CreateNewDocument(*env.program);
  env.frame->Activate(env.doc(1));
  QCOMPARE(env.frame->windowTitle(), title);
  closeDocument(env, env.doc(1));
  closeDocument(env, env.doc(2));
  QCOMPARE(env.frame->windowTitle(), title);
  QVERIFY(!env.frame->windowIcon().isNull());
}

void FrameTest::statusBarPanels() {
  TestEnv env;
  StatusBar* bar = statusBarOf(env);
  QVERIFY(bar);
  QCOMPARE(bar->objectName(), QStringLiteral("StatusBar1"));
  QCOMPARE(bar->height() * 15, 255);
  QCOMPARE(bar->textPanel->text(), QStringLiteral("Torvane Edit 1.00 (Test Mode)"));
  QCOMPARE(bar->picturePanel->width(), 2000 / 15);
  QCOMPARE(bar->timePanel->width(), 1000 / 15);
  QCOMPARE(bar->datePanel->width(), 1000 / 15);
  QCOMPARE(bar->font().pointSizeF(), 8.25);
  // Left to right in this order.
  QVERIFY(bar->textPanel->x() < bar->picturePanel->x());
  QVERIFY(bar->picturePanel->x() < bar->timePanel->x());
  QVERIFY(bar->timePanel->x() < bar->datePanel->x());

  // The picture panel shows the cloud bitmap from its left edge.
  const QImage shown = bar->picturePanel->grab().toImage();
  const QImage clouds = Pictures::statusBarClouds().toImage();
  QVERIFY(!clouds.isNull());
  QCOMPARE(shown.pixelColor(0, 0), clouds.pixelColor(0, 0));
  QCOMPARE(shown.pixelColor(shown.width() - 1, 5), clouds.pixelColor(shown.width() - 1, 5));
}

void FrameTest::widthGoesToTheFirstPanel() {
  TestEnv env;
  StatusBar* bar = statusBarOf(env);
  env.frame->resize(600, 400);
  QTRY_COMPARE(bar->width(), 600);
  const int text = bar->textPanel->width();
  env.frame->resize(900, 400);
  QTRY_COMPARE(bar->width(), 900);
  QCOMPARE(bar->textPanel->width(), text + 300);
  QCOMPARE(bar->picturePanel->width(), 2000 / 15);
  QCOMPARE(bar->timePanel->width(), 1000 / 15);
  QCOMPARE(bar->datePanel->width(), 1000 / 15);
  QVERIFY(bar->width() - (bar->datePanel->x() + bar->datePanel->width()) < 8);  // at the right end

  env.frame->resize(150, 400);
  QCoreApplication::processEvents();
  QVERIFY(bar->textPanel->width() * 15 >= 1440);
}

void FrameTest::clockPanelsKeepThemselvesCurrent() {
  SetClock clock;
  TestEnv env(true, &clock);
  StatusBar* bar = statusBarOf(env);
  const QLocale locale;
  QCOMPARE(bar->timePanel->text(), locale.toString(clock.now.time(), QLocale::ShortFormat));
  QCOMPARE(bar->datePanel->text(), locale.toString(clock.now.date(), QLocale::ShortFormat));
  clock.now = QDateTime(QDate(2025, 11, 30), QTime(23, 47, 0));
  QTRY_COMPARE(bar->timePanel->text(), locale.toString(clock.now.time(), QLocale::ShortFormat));
  QTRY_COMPARE(bar->datePanel->text(), locale.toString(clock.now.date(), QLocale::ShortFormat));
}

void FrameTest::clientAreaColourAndBanner() {
  TestEnv env;
  closeDocument(env, env.doc(1));
  env.frame->resize(1600, 560);
  QTRY_VERIFY(env.frame->mdiArea()->viewport()->width() > 1440);
  QWidget* area = env.frame->mdiArea()->viewport();
  QVERIFY(area->height() > 360);
  const QImage shown = area->grab().toImage();
  const QImage banner = Pictures::banner().toImage();
  QCOMPARE(banner.size(), QSize(1440, 360));
  const QColor lightBlue(0x80, 0x80, 0xFF);
  // The picture once, unscaled, from the top-left corner; the colour elsewhere.
  for (const QPoint p : {QPoint(0, 0), QPoint(700, 180), QPoint(1439, 359), QPoint(37, 301)})
    QCOMPARE(shown.pixelColor(p), banner.pixelColor(p));
  QCOMPARE(shown.pixelColor(1440, 10), lightBlue);
  QCOMPARE(shown.pixelColor(10, 360), lightBlue);
  QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1), lightBlue);
}

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
