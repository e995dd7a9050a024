// The Cog menu: where it sits, what the other menus keep, and the choices
// that outlive the program.
#include <QtTest>
#include <QActionGroup>
#include <QMenuBar>
#include <QSettings>

#include "CogSteps.h"
#include "cogedit/CogLexer.h"
#include "workspace/CloseDocuments.h"
#include "workspace/DocumentTable.h"

class CogMenuTest : public QObject {
  Q_OBJECT
 private slots:
  void cogMenuSitsBetweenToolsAndWindow();
  void otherMenusKeepTheirItems();
  void framesOwnMenusStayAsTheyAre();
  void withoutTheCogEditingNothingChanges();
  void choicesAreOffAndJediKnightAtFirst();
  void choicesSurviveARestart();
  void everyWindowShowsTheSameChoices();
  void unreadableChoicesReadAsDefaults();
};

static QStringList captions(const QList<QAction*>& actions) {
  QStringList list;
  for (QAction* a : actions) list << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return list;
}

static QStringList barOf(const TestEnv& env) { return captions(env.frame->menuBar()->actions()); }

void CogMenuTest::cogMenuSitsBetweenToolsAndWindow() {
  CogEnv c;
  frmNotePad* d = c.env.doc(1);
  QCOMPARE(barOf(c.env), QStringList({"&File", "&Edit", "&Tools", "&Cog", "&Window"}));
  QCOMPARE(c.env.frame->ShownMenus(), d->Menus());
  QCOMPARE(d->Menus().at(3), c.menu(d).menu);
  QCOMPARE(captions(c.menu(d).menu->actions()),
           QStringList({"&Check Script", "&Go To...", "-", "C&olours", "-", "&Jedi Knight", "&Mysteries of the Sith"}));
  QVERIFY(c.menu(d).colours->isCheckable());
  QVERIFY(c.menu(d).jediKnight->actionGroup() && c.menu(d).jediKnight->actionGroup()->isExclusive());
  QCOMPARE(c.menu(d).jediKnight->actionGroup(), c.menu(d).mysteries->actionGroup());
  // Each document window has its own.
  CreateNewDocument(*c.env.program);
  frmNotePad* two = c.env.doc(2);
  QVERIFY(c.menu(two).menu != c.menu(d).menu);
  QCOMPARE(barOf(c.env), QStringList({"&File", "&Edit", "&Tools", "&Cog", "&Window"}));
  QCOMPARE(c.env.frame->menuBar()->actions().at(3)->menu(), c.menu(two).menu);
}

// The same lists the document window has always had, word for word.
void CogMenuTest::otherMenusKeepTheirItems() {
  CogEnv c;
  frmNotePad* d = c.env.doc(1);
  QCOMPARE(captions(d->mnuFile->actions()),
           QStringList({"New", "Open...", "Close", "Save", "Save As...", "-", "Exit", "-", "RecentFile1",
                        "RecentFile2", "RecentFile3", "RecentFile4", "RecentFile5"}));
  QCOMPARE(captions(d->mnuEdit->actions()),
           QStringList({"Cut", "Copy", "Paste", "Delete", "-", "Select &All", "Time/Date"}));
  QCOMPARE(captions(d->mnutools->actions()), QStringList({"Search", "&Font", "Toolbar", "-", "About Torv-Edit"}));
  QCOMPARE(captions(d->mnuSearch->actions()), QStringList({"Find Code", "Find Next Code"}));
  QCOMPARE(captions(d->mnuWindow->actions()).mid(0, 2), QStringList({"Cascade", "Tile"}));
  QCOMPARE(d->Menus().at(0), d->mnuFile);
  QCOMPARE(d->Menus().at(1), d->mnuEdit);
  QCOMPARE(d->Menus().at(2), d->mnutools);
  QCOMPARE(d->Menus().at(4), d->mnuWindow);
  // The Window menu still lists the windows below its own items.
  QMetaObject::invokeMethod(d->mnuWindow, "aboutToShow");
  QCOMPARE(captions(d->mnuWindow->actions()), QStringList({"Cascade", "Tile", "-", "&1 Untitled:1"}));
}

void CogMenuTest::framesOwnMenusStayAsTheyAre() {
  CogEnv c;
  closeDocument(c.env, c.env.doc(1));
  QCOMPARE(c.env.frame->ShownMenus(), c.env.frame->OwnMenus());
  QCOMPARE(barOf(c.env), QStringList({"&File", "&Edit", "&Tools", "&Window"}));
  CreateNewDocument(*c.env.program);
  QCOMPARE(barOf(c.env), QStringList({"&File", "&Edit", "&Tools", "&Cog", "&Window"}));
}

void CogMenuTest::withoutTheCogEditingNothingChanges() {
  TestEnv env;
  QVERIFY(!env.program->cog);
  QVERIFY(!env.doc(1)->mnuCog);
  QCOMPARE(barOf(env), QStringList({"&File", "&Edit", "&Tools", "&Window"}));
}

void CogMenuTest::choicesAreOffAndJediKnightAtFirst() {
  CogEnv c;
  frmNotePad* d = c.env.doc(1);
  QVERIFY(!c.menu(d).colours->isChecked());
  QVERIFY(c.menu(d).jediKnight->isChecked());
  QVERIFY(!c.menu(d).mysteries->isChecked());
  QVERIFY(!d->Text1->lexer());
}

// Quits and starts again on the same settings store (a real one, in a
// temporary folder): colours stay on and the game stays chosen.
void CogMenuTest::choicesSurviveARestart() {
  CogEnv c;
  c.env.settings.SaveSetting(QStringLiteral("Zentopad"), QStringLiteral("Recent Files"), QStringLiteral("RecentFile1"),
                             QStringLiteral("/levels/x.cog"));
  frmNotePad* d = c.env.doc(1);
  c.menu(d).colours->trigger();
  c.menu(d).mysteries->trigger();
  QVERIFY(c.menu(d).colours->isChecked());
  QVERIFY(c.menu(d).mysteries->isChecked());
  const QString app = QStringLiteral("Zentopad");
  QCOMPARE(c.env.settings.GetSetting(app, QStringLiteral("Cog"), QStringLiteral("Colours")), QStringLiteral("1"));
  QCOMPARE(c.env.settings.GetSetting(app, QStringLiteral("Cog"), QStringLiteral("Game")), QStringLiteral("MotS"));

  // The restart: a new program on the same platform and store.
  c.cog.reset();
  c.env.frame.reset();
  QCoreApplication::processEvents();
  c.env.program = std::make_unique<Program>(*c.env.platform);
  c.env.frame = std::make_unique<frmMDI>(*c.env.program);
  c.cog = std::make_unique<CogEditing>(*c.env.program);
  MDIForm_Load(*c.env.program);
  QCoreApplication::processEvents();

  frmNotePad* again = c.env.doc(1);
  QVERIFY(c.cog->choices.colours);
  QCOMPARE(c.cog->choices.game, cog::Game::MysteriesOfTheSith);
  QVERIFY(c.menu(again).colours->isChecked());
  QVERIFY(c.menu(again).mysteries->isChecked());
  QVERIFY(!c.menu(again).jediKnight->isChecked());
  auto* lexer = qobject_cast<CogLexer*>(again->Text1->lexer());
  QVERIFY(lexer);
  QCOMPARE(lexer->game(), cog::Game::MysteriesOfTheSith);

  // And off again, also kept.
  c.menu(again).colours->trigger();
  c.menu(again).jediKnight->trigger();
  QVERIFY(!again->Text1->lexer());
  const CogChoices read = LoadCogChoices(c.env.settings);
  QVERIFY(!read.colours);
  QCOMPARE(read.game, cog::Game::JediKnight);
  // A section of its own, next to the recent files, which it leaves alone.
#ifdef Q_OS_WIN  // the store is the tests' own registry key there
  QSettings stored(TestEnv::testRegistryRoot() + QStringLiteral("\\Zentopad"), QSettings::NativeFormat);
#else
  QSettings stored(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zentopad"));
#endif
  QVERIFY(stored.childGroups().contains(QStringLiteral("Cog")));
  QCOMPARE(c.env.settings.GetAllSettings(QStringLiteral("Zentopad"), QStringLiteral("Recent Files")),
           (QList<QPair<QString, QString>>{{QStringLiteral("RecentFile1"), QStringLiteral("/levels/x.cog")}}));
}

void CogMenuTest::everyWindowShowsTheSameChoices() {
  CogEnv c;
  CreateNewDocument(*c.env.program);
  frmNotePad* one = c.env.doc(1);
  frmNotePad* two = c.env.doc(2);
  c.menu(two).colours->trigger();
  c.menu(two).mysteries->trigger();
  QVERIFY(c.menu(one).colours->isChecked());
  QVERIFY(c.menu(one).mysteries->isChecked());
  QVERIFY(one->Text1->lexer());
  QVERIFY(two->Text1->lexer());
  c.menu(one).colours->trigger();
  QVERIFY(!c.menu(two).colours->isChecked());
  QVERIFY(!two->Text1->lexer());
}

void CogMenuTest::unreadableChoicesReadAsDefaults() {
  TestEnv env(false);
  {
    QSettings stored(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zentopad"));
    stored.setValue(QStringLiteral("Cog/Colours"), QStringLiteral("maybe"));
    stored.setValue(QStringLiteral("Cog/Game"), QStringLiteral("Droids"));
  }
  const CogChoices read = LoadCogChoices(env.settings);
  QVERIFY(!read.colours);
  QCOMPARE(read.game, cog::Game::JediKnight);
}

QTEST_MAIN(CogMenuTest)
#include "tst_cogmenu.moc"
