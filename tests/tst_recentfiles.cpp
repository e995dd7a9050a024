// The recent-file list: its store, its order and the File menus that show it.
#include <QtTest>

#include "TestEnv.h"
#include "recent/RecentFiles.h"
#include "windows/PictureButton.h"
#include "windows/Toolbar.h"
#include "workspace/CloseDocuments.h"
#include "workspace/DocumentTable.h"
#include "workspace/Startup.h"

namespace {
const QString kApp = QStringLiteral("Zentopad");
const QString kSection = QStringLiteral("Recent Files");

QStringList storedValues(TestEnv& env) {
  QStringList values;
  const auto pairs = env.settings.GetAllSettings(kApp, kSection);
  for (int i = 0; i < pairs.size(); ++i) {
    if (pairs[i].first != QStringLiteral("RecentFile%1").arg(i + 1)) return {QStringLiteral("<bad key>")};
    values.append(pairs[i].second);
  }
  return values;
}

// The entries a File menu shows, in order; "" when the separator is hidden
// while an entry shows, so that a wrong separator cannot pass.
QStringList shownEntries(const QVector<QAction*>& items) {
  QStringList shown;
  for (int k = 1; k <= 5; ++k)
    if (items[k]->isVisible()) shown.append(RecentFileCaption(items[k]));
  if (!shown.isEmpty() && !items[0]->isVisible()) shown.prepend(QString());
  if (shown.isEmpty() && items[0]->isVisible()) shown.append(QStringLiteral("<separator alone>"));
  return shown;
}

QString settingsFile() {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kApp);
  return settings.fileName();
}

void closeDocument(TestEnv& env, frmNotePad* document) {
  UnloadDocument(*env.program, *document);
  QCoreApplication::processEvents();
}
}  // namespace

class RecentFilesTest : public QObject {
  Q_OBJECT
 private slots:
  void firstRunShowsNothing();
  void remember_data();
  void remember();
  void listSurvivesARestart();
  void newWindowWaitsForTheNextRefresh();
  void lastCloseShowsTheListInTheFrame();
  void choosingAnEntryKeepsTheOrder();
  void choosingAnEntryShowsHiddenEditButtons();
  void moreThanFivePairsShowsTheFirstFive();
  void ampersandIsShownNotTakenAsAccessKey();
  void damagedStoreShowsWhatIsReadable();
  void unreachableStoreStopsNothing();
};

void RecentFilesTest::firstRunShowsNothing() {
  TestEnv env;
  QCOMPARE(shownEntries(env.frame->mnuRecentFile), QStringList());
  QCOMPARE(shownEntries(env.doc(1)->mnuRecentFile), QStringList());
  QCOMPARE(storedValues(env), QStringList());
  QCOMPARE(RecentFileCaption(env.frame->mnuRecentFile[3]), QStringLiteral("RecentFile3"));
}

void RecentFilesTest::remember_data() {
  QTest::addColumn<QStringList>("remembered");
  QTest::addColumn<QStringList>("listed");  // newest first
  const QString a = QStringLiteral("/data/a.cog"), b = QStringLiteral("/data/b.cog"),
                c = QStringLiteral("/data/c.dat"), d = QStringLiteral("/data/d.mpc"),
                e = QStringLiteral("/data/e.txt");
  QTest::newRow("first file") << QStringList{a} << QStringList{a};
  QTest::newRow("newest first") << QStringList{a, b} << QStringList{b, a};
  QTest::newRow("five: the first is gone") << QStringList{a, b, c, d, e} << QStringList{e, d, c, b};
  QTest::newRow("listed file keeps its place") << QStringList{a, b, c, a} << QStringList{c, b, a};
  QTest::newRow("listed oldest does not move") << QStringList{a, b, c, d, a} << QStringList{d, c, b, a};
  QTest::newRow("dropped file comes back") << QStringList{a, b, c, d, e, a} << QStringList{a, e, d, c};
  QTest::newRow("letter case makes a new entry")
      << QStringList{QStringLiteral("/data/A.COG"), a} << QStringList{a, QStringLiteral("/data/A.COG")};
}

void RecentFilesTest::remember() {
  QFETCH(QStringList, remembered);
  QFETCH(QStringList, listed);
  TestEnv env;
  CreateNewDocument(*env.program);
  for (const QString& name : remembered) RememberRecentFile(*env.program, name);
  QCOMPARE(storedValues(env), listed);
  QCOMPARE(shownEntries(env.frame->mnuRecentFile), listed);
  for (frmNotePad* window : env.documents()) QCOMPARE(shownEntries(window->mnuRecentFile), listed);
  for (const QString& name : listed) QVERIFY(IsRecentFile(*env.program, name));
  QVERIFY(!IsRecentFile(*env.program, QStringLiteral("/data/never.cog")));
}

void RecentFilesTest::listSurvivesARestart() {
  TestEnv first;
  const QString a = first.writeFile(QStringLiteral("a.cog"), "a");
  const QString b = first.writeFile(QStringLiteral("b.cog"), "b");
  RememberRecentFile(*first.program, a);
  RememberRecentFile(*first.program, b);

  // A second program on the same store starts with the list in its menus.
  TestEnv second(false);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, first.settingsDir.path());
  MDIForm_Load(*second.program);
  QCOMPARE(shownEntries(second.frame->mnuRecentFile), (QStringList{b, a}));
  QCOMPARE(shownEntries(second.doc(1)->mnuRecentFile), (QStringList{b, a}));
}

void RecentFilesTest::newWindowWaitsForTheNextRefresh() {
  TestEnv env;
  RememberRecentFile(*env.program, QStringLiteral("/data/a.cog"));
  CreateNewDocument(*env.program);
  frmNotePad* fresh = env.doc(2);
  QCOMPARE(shownEntries(fresh->mnuRecentFile), QStringList());
  QCOMPARE(shownEntries(env.doc(1)->mnuRecentFile), QStringList{QStringLiteral("/data/a.cog")});
  RememberRecentFile(*env.program, QStringLiteral("/data/b.cog"));
  const QStringList both{QStringLiteral("/data/b.cog"), QStringLiteral("/data/a.cog")};
  QCOMPARE(shownEntries(fresh->mnuRecentFile), both);
  QCOMPARE(shownEntries(env.doc(1)->mnuRecentFile), both);
}

void RecentFilesTest::lastCloseShowsTheListInTheFrame() {
  TestEnv env;
  // Stored by an earlier run, after this one started: the menus do not know it yet.
  env.settings.SaveSetting(kApp, kSection, QStringLiteral("RecentFile1"), QStringLiteral("/data/z.cog"));
  CreateNewDocument(*env.program);
  closeDocument(env, env.doc(1));
  QCOMPARE(shownEntries(env.frame->mnuRecentFile), QStringList());
  closeDocument(env, env.doc(2));
  QCOMPARE(shownEntries(env.frame->mnuRecentFile), QStringList{QStringLiteral("/data/z.cog")});
  QCOMPARE(env.frame->ShownMenus(), env.frame->OwnMenus());
}

void RecentFilesTest::choosingAnEntryKeepsTheOrder() {
  TestEnv env;
  const QStringList names{env.writeFile(QStringLiteral("a.cog"), "a"), env.writeFile(QStringLiteral("b.cog"), "b"),
                          env.writeFile(QStringLiteral("c.cog"), "c")};
  for (const QString& name : names) RememberRecentFile(*env.program, name);
  const QStringList before = storedValues(env);
  env.doc(1)->mnuRecentFile[3]->trigger();  // the oldest
  env.frame->mnuRecentFile[2]->trigger();
  QCoreApplication::processEvents();
  QCOMPARE(storedValues(env), before);
  QCOMPARE(shownEntries(env.frame->mnuRecentFile), before);
}

// The choice made for this program: a recent open brings the edit buttons back.
void RecentFilesTest::choosingAnEntryShowsHiddenEditButtons() {
  TestEnv env;
  const QString a = env.writeFile(QStringLiteral("a.cog"), "a");
  RememberRecentFile(*env.program, a);
  closeDocument(env, env.doc(1));
  Toolbar* strip = env.frame->picToolbar;
  QVERIFY(strip->imgCutButton->isHidden());
  QCOMPARE(env.program->EditButtonsHidden, True16);
  env.frame->mnuRecentFile[1]->trigger();
  QCoreApplication::processEvents();
  QVERIFY(!strip->imgCutButton->isHidden());
  QVERIFY(!strip->imgCopyButton->isHidden());
  QVERIFY(!strip->imgPasteButton->isHidden());
  QCOMPARE(env.program->EditButtonsHidden, False16);
}

void RecentFilesTest::moreThanFivePairsShowsTheFirstFive() {
  TestEnv env(false);
  QStringList names;
  for (int k = 1; k <= 7; ++k) {
    names.append(QStringLiteral("/data/f%1.cog").arg(k));
    env.settings.SaveSetting(kApp, kSection, QStringLiteral("RecentFile%1").arg(k), names.last());
  }
  MDIForm_Load(*env.program);
  QCOMPARE(shownEntries(env.frame->mnuRecentFile), names.mid(0, 5));
  QCOMPARE(shownEntries(env.doc(1)->mnuRecentFile), names.mid(0, 5));
}

void RecentFilesTest::ampersandIsShownNotTakenAsAccessKey() {
  TestEnv env;
  const QString name = QStringLiteral("/data/R&D/a&&b.cog");
  RememberRecentFile(*env.program, name);
  QAction* entry = env.frame->mnuRecentFile[1];
  QCOMPARE(RecentFileCaption(entry), name);
  QCOMPARE(entry->text(), QStringLiteral("/data/R&&D/a&&&&b.cog"));
  QVERIFY(IsRecentFile(*env.program, name));
  RememberRecentFile(*env.program, name);
  QCOMPARE(storedValues(env), QStringList{name});
}

void RecentFilesTest::damagedStoreShowsWhatIsReadable() {
#ifdef Q_OS_WIN
  QSKIP("the store is the registry on Windows: there is no file to damage");
#endif
  TestEnv env(false);
  QFile file(settingsFile());
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("[Recent%20Files]\nRecentFile1=/data/kept.cog\n[broken\n\x01\x02=\n");
  file.close();
  MDIForm_Load(*env.program);
  QCOMPARE(shownEntries(env.frame->mnuRecentFile), QStringList{QStringLiteral("/data/kept.cog")});
  RememberRecentFile(*env.program, QStringLiteral("/data/new.cog"));
  QCOMPARE(shownEntries(env.frame->mnuRecentFile),
           (QStringList{QStringLiteral("/data/new.cog"), QStringLiteral("/data/kept.cog")}));
  QCOMPARE(env.runtime.messages.size(), 0);
}

void RecentFilesTest::unreachableStoreStopsNothing() {
#ifdef Q_OS_WIN
  QSKIP("the store is the registry on Windows: there is no file for a folder to take the place of");
#endif
  TestEnv env(false);
  // The store's file name taken by a folder: it can be neither read nor written.
  QVERIFY(QDir().mkpath(settingsFile()));
  QVERIFY(!env.settings.SaveSetting(kApp, kSection, QStringLiteral("RecentFile1"), QStringLiteral("/data/x.cog")));
  MDIForm_Load(*env.program);
  QVERIFY(env.doc(1));
  RememberRecentFile(*env.program, QStringLiteral("/data/a.cog"));
  CreateNewDocument(*env.program);
  closeDocument(env, env.doc(1));
  closeDocument(env, env.doc(2));
  QCOMPARE(shownEntries(env.frame->mnuRecentFile), QStringList());
  QCOMPARE(env.runtime.messages.size(), 0);
  QCOMPARE(env.runtime.ended, 0);
}

QTEST_MAIN(RecentFilesTest)
#include "tst_recentfiles.moc"
