// The recent-file list together with opening and saving files: the entries
// open real files, and the dialogs add to the list.
#include <QtTest>

#include "TestEnv.h"
#include "recent/RecentFiles.h"
#include "workspace/CloseDocuments.h"
#include "workspace/OpenFiles.h"
#include "workspace/SaveFiles.h"

namespace {
QStringList storedValues(TestEnv& env) {
  QStringList values;
  for (const auto& pair : env.settings.GetAllSettings(QStringLiteral("Zentopad"), QStringLiteral("Recent Files")))
    values.append(pair.second);
  return values;
}

QStringList shownEntries(const QVector<QAction*>& items) {
  QStringList shown;
  for (int k = 1; k <= 5; ++k)
    if (items[k]->isVisible()) shown.append(RecentFileCaption(items[k]));
  return shown;
}
}  // namespace

class RecentOpenTest : public QObject {
  Q_OBJECT
 private slots:
  void entryOpensTheFile_data();
  void entryOpensTheFile();
  void openThroughTheDialogIsRemembered();
  void saveAsIsRememberedPlainSaveIsNot();
};

void RecentOpenTest::entryOpensTheFile_data() {
  QTest::addColumn<bool>("fromFrame");
  QTest::newRow("document window's entry") << false;
  QTest::newRow("frame's entry, no document open") << true;
}

void RecentOpenTest::entryOpensTheFile() {
  QFETCH(bool, fromFrame);
  TestEnv env;
  const QString a = env.writeFile(QStringLiteral("Mixed.cog"), "first\r\nsecond\n");
  const QString b = env.writeFile(QStringLiteral("other.cog"), "b");
  RememberRecentFile(*env.program, a);
  RememberRecentFile(*env.program, b);
  const QStringList before = storedValues(env);
  if (fromFrame) {
    UnloadDocument(*env.program, *env.doc(1));
    QCoreApplication::processEvents();
    env.frame->mnuRecentFile[2]->trigger();
  } else {
    env.doc(1)->mnuRecentFile[2]->trigger();
  }
  QCoreApplication::processEvents();
  frmNotePad* opened = env.frame->ActiveForm();
  QVERIFY(opened);
  QCOMPARE(opened->Caption(), env.realSystem.UCase(a));
  QCOMPARE(opened->Text1->Text(), QByteArray("first\r\nsecond\n"));
  QCOMPARE(storedValues(env), before);
  QCOMPARE(shownEntries(opened->mnuRecentFile), before);  // refreshed after the open
  QCOMPARE(env.frame->ShownMenus(), opened->Menus());
}

void RecentOpenTest::openThroughTheDialogIsRemembered() {
  TestEnv env;
  const QString a = env.writeFile(QStringLiteral("Chosen.cog"), "x");
  env.runtime.fileAnswers.enqueue(a);
  PromptOpenFile(*env.program);
  QCOMPARE(storedValues(env), QStringList{a});
  for (frmNotePad* window : env.documents()) QCOMPARE(shownEntries(window->mnuRecentFile), QStringList{a});
  QCOMPARE(shownEntries(env.frame->mnuRecentFile), QStringList{a});
}

void RecentOpenTest::saveAsIsRememberedPlainSaveIsNot() {
  TestEnv env;
  const QString saved = env.path(QStringLiteral("saved.cog"));
  env.runtime.fileAnswers.enqueue(saved);
  SaveDocument(*env.program, *env.doc(1));  // untitled: asks for a name
  QCOMPARE(env.readFile(saved), QByteArray());
  QCOMPARE(storedValues(env), QStringList());

  const QString renamed = env.path(QStringLiteral("renamed.cog"));
  env.runtime.fileAnswers.enqueue(renamed);
  SaveDocumentAs(*env.program, *env.doc(1));
  QCOMPARE(storedValues(env), QStringList{renamed});
  QCOMPARE(shownEntries(env.doc(1)->mnuRecentFile), QStringList{renamed});
}

QTEST_MAIN(RecentOpenTest)
#include "tst_recentopen.moc"
