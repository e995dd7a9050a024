// Recovery copies of unsaved text: their form on disk, when they are written
// and removed, the start-up question, and the faults of the folder they live
// in. Real files in temporary folders throughout.
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/mount.h>
#endif
#include <sys/stat.h>

#include "DocumentSteps.h"
#include "FaultyRecoveryFolder.h"
#include "RecoveryInstance.h"
#include "recovery/RecoveryCopy.h"
#include "windows/StatusBar.h"
#include "workspace/DocumentTable.h"
#include "workspace/SaveFiles.h"

namespace {
QStringList setsIn(const QString& root) {
  return QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}
QStringList copiesIn(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("*.copy")}, QDir::Files, QDir::Name);
}
QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
void writeAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(f.write(bytes), bytes.size());
}
// A small file system of its own mounted on folder, where the machine lets a
// test do it (never on Windows); false when it does not.
bool mountSmallDisk(const QString& folder, bool readOnly) {
#ifdef Q_OS_WIN
  Q_UNUSED(folder);
  Q_UNUSED(readOnly);
  return false;
#else
  return ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", readOnly ? MS_RDONLY : 0,
                 readOnly ? "size=64k" : "size=64k,mode=0700") == 0;
#endif
}
void unmountSmallDisk(const QString& folder) {
#ifdef Q_OS_WIN
  Q_UNUSED(folder);
#else
  ::umount(QFile::encodeName(folder).constData());
#endif
}
int modeOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return -1;
  return int(st.st_mode & 07777);
}
QString noticeOf(TestEnv& env) { return qobject_cast<StatusBar*>(env.frame->statusBar())->textPanel->text(); }
bool changed(Program& program, frmNotePad* document) { return StateOf(program, *document).Changed == True16; }

// The text of a fresh start's status bar panel, before anything happened.
const QString kPlainPanel = QStringLiteral("Torvane Edit 1.00 (Test Mode)");
}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT

  QTemporaryDir tmp;
  QString root;
  int round = 0;

  // An editor that typed into Untitled:1 and into an opened real file,
  // whose copies were written, and which then stopped without ending:
  // what a crash leaves on disk.
  void leaveOrphan(const QByteArray& untitled, const QString& realFile, const QByteArray& fileText) {
    auto editor = std::make_unique<RecoveryInstance>(root);
    editText(editor->env.doc(1), untitled);
    if (!realFile.isEmpty()) {
      QVERIFY(LoadDocumentFile(editor->program(), realFile));
      editText(editor->env.doc(2), fileText);
    }
    editor->flush();
    editor.reset();
  }

 private slots:
  void init() {
    root = tmp.filePath(QStringLiteral("recovery-%1").arg(++round));
  }

  void copyRoundTrip_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("untitled, empty") << QString() << QStringLiteral("Untitled:1") << QByteArray();
    QTest::newRow("every byte") << QStringLiteral("/jk/cog/00_door.cog") << QStringLiteral("/JK/COG/00_DOOR.COG")
                                << everyByte();
    QTest::newRow("odd names") << QStringLiteral("/tmp/a b\nc%d\u00e9.cog") << QStringLiteral("Untitled:7 \r\n")
                               << QByteArray("\r\n\r\n\n\n", 6);
  }
  void copyRoundTrip() {
    QFETCH(QString, fileName);
    QFETCH(QString, caption);
    QFETCH(QByteArray, text);
    const auto back = DecodeRecoveryCopy(EncodeRecoveryCopy({fileName, caption, text}));
    QVERIFY(back);
    QCOMPARE(back->fileName, fileName);
    QCOMPARE(back->caption, caption);
    QCOMPARE(back->text, text);
  }

  void damagedCopyIsRefused_data() {
    QTest::addColumn<QByteArray>("stored");
    const QByteArray whole = EncodeRecoveryCopy({QStringLiteral("/x.cog"), QStringLiteral("/X.COG"), everyByte()});
    QByteArray flipped = whole;
    flipped[flipped.size() - 10] = char(flipped[flipped.size() - 10] ^ 0x20);
    QByteArray longer = whole;
    longer.replace("length 256", "length 257");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("cut in the header") << whole.left(30);
    QTest::newRow("one byte short") << whole.chopped(1);
    QTest::newRow("one byte extra") << whole + 'x';
    QTest::newRow("a byte changed") << flipped;
    QTest::newRow("length changed") << longer;
    QTest::newRow("other format") << QByteArray(whole).replace("TORVANE-EDIT-RECOVERY 1", "TORVANE-EDIT-RECOVERY 2");
  }
  void damagedCopyIsRefused() {
    QFETCH(QByteArray, stored);
    QVERIFY(!DecodeRecoveryCopy(stored));
  }

  // Typing is gathered: nothing at once, one copy when the timer ends,
  // private to the user, holding the text exactly.
  void changedDocumentIsCopied() {
    RecoveryInstance editor(root);
    QVERIFY(!QDir(root).exists());  // nothing written by a start
    const QByteArray text = QByteArray("Untitled text\r\n\0\xff", 17);
    editText(editor.env.doc(1), text);
    editor.settle();
    QVERIFY(editor.recovery.Gathering());
    QVERIFY(!QDir(root).exists());
    // The real timer, not a shortcut.
    QTRY_VERIFY_WITH_TIMEOUT(!editor.recovery.Gathering(), 10000);
    editor.settle();
    const QString set = QDir(root).filePath(editor.folder.ownSet());
    QCOMPARE(copiesIn(set), QStringList{QStringLiteral("1.copy")});
    const auto copy = DecodeRecoveryCopy(readAll(QDir(set).filePath(QStringLiteral("1.copy"))));
    QVERIFY(copy);
    QCOMPARE(copy->text, text);
    QCOMPARE(copy->caption, QStringLiteral("Untitled:1"));
    QCOMPARE(copy->fileName, QString());
#ifndef Q_OS_WIN  // no mode bits there: the folder in the user's profile is the user's alone
    QCOMPARE(modeOf(root), 0700);
    QCOMPARE(modeOf(set), 0700);
    QCOMPARE(modeOf(QDir(set).filePath(QStringLiteral("1.copy"))), 0600);
#endif
  }

  void unchangedDocumentsAreNeverCopied() {
    RecoveryInstance editor(root);
    const QString file = editor.env.writeFile(QStringLiteral("door.cog"), "thing\r\n");
    QVERIFY(LoadDocumentFile(editor.program(), file));  // loading raised Change, then cleared it
    CreateNewDocument(editor.program());
    editor.flush();
    QVERIFY(!QDir(root).exists());
  }

  // Save, close with No and a normal quit each leave no copy; a cancelled
  // close keeps it.
  void copiesGoWhenNoLongerNeeded() {
    RecoveryInstance editor(root);
    Program& program = editor.program();
    const QString file = editor.env.writeFile(QStringLiteral("door.cog"), "old");
    QVERIFY(LoadDocumentFile(program, file));
    CreateNewDocument(program);
    CreateNewDocument(program);
    editText(editor.env.doc(1), "one");
    editText(editor.env.doc(2), "saved");
    editText(editor.env.doc(3), "closed with No");
    editText(editor.env.doc(4), "quit");
    editor.flush();
    const QString set = QDir(root).filePath(editor.folder.ownSet());
    QCOMPARE(copiesIn(set).size(), 4);

    QVERIFY(SaveDocument(program, *editor.env.doc(2)));
    editor.settle();
    QCOMPARE(editor.env.readFile(file), QByteArray("saved"));
    QVERIFY(!copiesIn(set).contains(QStringLiteral("2.copy")));

    editor.env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Cancel);
    closeDocument(editor.env, editor.env.doc(3));
    editor.settle();
    QVERIFY(copiesIn(set).contains(QStringLiteral("3.copy")));
    editor.env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::No);
    closeDocument(editor.env, editor.env.doc(3));
    editor.settle();
    QCOMPARE(copiesIn(set), (QStringList{QStringLiteral("1.copy"), QStringLiteral("4.copy")}));

    // A slot used again starts without a copy.
    CreateNewDocument(program);
    editor.flush();
    QCOMPARE(copiesIn(set), (QStringList{QStringLiteral("1.copy"), QStringLiteral("4.copy")}));

    editor.env.runtime.msgBoxAnswers << MsgBoxResult::No << MsgBoxResult::No;
    editor.env.frame->close();
    editor.settle();
    QCOMPARE(editor.env.runtime.ended, 1);
    QCOMPARE(setsIn(root), QStringList());
  }

  void noOrphansNoQuestion() {
    {
      RecoveryInstance alive(root);  // a running instance with copies of its own
      editText(alive.env.doc(1), "still being edited");
      alive.flush();
      // Even a lock last touched long ago stays its owner's while it runs.
      const QString lock = QDir(QDir(root).filePath(alive.folder.ownSet())).filePath(QStringLiteral("lock"));
#ifndef Q_OS_WIN  // there a held lock cannot even be opened for writing by another
      QFile lockFile(lock);
      QVERIFY(lockFile.open(QIODevice::ReadWrite));
      QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
      lockFile.close();
#endif

      RecoveryInstance second(root);
      QCOMPARE(second.env.runtime.messages.size(), 0);
      QCOMPARE(second.env.documents().size(), 1);
      QCOMPARE(copiesIn(QDir(root).filePath(alive.folder.ownSet())).size(), 1);
    }
    QTemporaryDir empty;
    RecoveryInstance fresh(empty.filePath(QStringLiteral("none")));
    QCOMPARE(fresh.env.runtime.messages.size(), 0);
    QCOMPARE(fresh.env.documents().size(), 1);
  }

  // A stopped instance's process number may belong to a live one again (a
  // restart after a crash, a new Wine session): its set is still an orphan.
  void orphanWhoseProcessNumberLivesAgainIsOffered() {
    leaveOrphan("lost when it stopped", QString(), QByteArray());
    const QString orphanLock = QDir(QDir(root).filePath(setsIn(root).value(0))).filePath(QStringLiteral("lock"));
    QVERIFY(!QFileInfo::exists(orphanLock));
    // A lock that names this very process, as a crash leaves it: nobody holds it.
    QByteArray naming;
    {
      QLockFile live(tmp.filePath(QStringLiteral("live-%1.lock").arg(round)));
      QVERIFY(live.tryLock(0));
      QFile held(live.fileName());
      QVERIFY(held.open(QIODevice::ReadOnly));
      naming = held.readAll();
    }
    QVERIFY(naming.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    writeAll(orphanLock, naming);

    auto next = std::make_unique<BasicRecoveryInstance<>>(root, false);
    next->env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
    OfferRecoveredDocuments(next->program());
    next->settle();
    QCOMPARE(next->env.runtime.messages.size(), 1);
    QCOMPARE(next->env.documents().size(), 2);
    QCOMPARE(next->env.doc(2)->Text1->Text(), QByteArray("lost when it stopped"));
  }

  void yesRecoversEveryDocument() {
    QTemporaryDir files;
    const QString real = files.filePath(QStringLiteral("sector.cog"));
    writeAll(real, "on disk\r\n");
    const QByteArray untitled = QByteArray("typed\r\nCR\ralone\0NUL \x80\xfe\xff", 24);
    const QByteArray edited = QByteArray("on disk\r\nand more\x01\xe9", 19);
    leaveOrphan(untitled, real, edited);
    const QString orphan = setsIn(root).value(0);
    QCOMPARE(copiesIn(QDir(root).filePath(orphan)).size(), 2);

    TestEnv* env = nullptr;
    auto next = std::make_unique<BasicRecoveryInstance<>>(root, false);
    env = &next->env;
    env->runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
    OfferRecoveredDocuments(next->program());
    next->settle();

    QCOMPARE(env->runtime.messages.size(), 1);
    const ShownMessage& asked = env->runtime.messages[0];
    QCOMPARE(asked.title, QStringLiteral("Torvane Edit"));
    QCOMPARE(asked.buttons, MsgBoxCode::YesNo | MsgBoxCode::Question);
    QCOMPARE(asked.text, QStringLiteral("2 documents had unsaved changes when Torvane Edit last stopped "
                                        "unexpectedly.\r\nDo you want to recover them?"));
    QCOMPARE(env->documents().size(), 3);
    frmNotePad* first = env->doc(2);
    frmNotePad* second = env->doc(3);
    QCOMPARE(first->Caption(), QStringLiteral("Untitled:1"));
    QCOMPARE(first->FileName, QString());
    QCOMPARE(first->Text1->Text(), untitled);
    QCOMPARE(second->Caption(), real.toUpper());
    QCOMPARE(second->FileName, real);
    QCOMPARE(second->Text1->Text(), edited);
    QVERIFY(changed(next->program(), first));
    QVERIFY(changed(next->program(), second));
    QVERIFY(!changed(next->program(), env->doc(1)));
    QCOMPARE(env->frame->ActiveForm(), second);
    QCOMPARE(readAll(real), QByteArray("on disk\r\n"));  // nothing written until Save

    // The old set is gone; its text lives on in the new instance's own set.
    QCOMPARE(setsIn(root), QStringList{next->folder.ownSet()});
    QCOMPARE(copiesIn(QDir(root).filePath(next->folder.ownSet())),
             (QStringList{QStringLiteral("2.copy"), QStringLiteral("3.copy")}));

    QVERIFY(SaveDocument(next->program(), *second));
    QCOMPARE(readAll(real), edited);
    next->settle();
    QCOMPARE(copiesIn(QDir(root).filePath(next->folder.ownSet())), QStringList{QStringLiteral("2.copy")});
  }

  // Recovered text that cannot be written into the new instance's own set:
  // the copies it came from stay, offered again at the next start.
  void recoveredButNotKeptStaysOnDisk() {
    leaveOrphan("recover me", QString(), {});
    const QString orphan = QDir(root).filePath(setsIn(root).value(0));
    const QByteArray before = readAll(QDir(orphan).filePath(QStringLiteral("1.copy")));
    {
      BasicRecoveryInstance<FaultyRecoveryFolder> next(root, false);
      next.folder.full = true;
      next.env.runtime.msgBoxAnswers << MsgBoxResult::Yes;
      OfferRecoveredDocuments(next.program());
      next.settle();
      QCOMPARE(next.env.doc(2)->Text1->Text(), QByteArray("recover me"));
      QVERIFY(next.recovery.FailureTold());
      QCOMPARE(readAll(QDir(orphan).filePath(QStringLiteral("1.copy"))), before);
    }
    RecoveryInstance later(root, false);
    later.env.runtime.msgBoxAnswers << MsgBoxResult::No << MsgBoxResult::No;
    OfferRecoveredDocuments(later.program());
    QVERIFY(later.env.runtime.messages.value(0).text.startsWith(QStringLiteral("1 document had unsaved changes")));
  }

  void answeringNo_data() {
    QTest::addColumn<int>("discard");
    QTest::addColumn<bool>("kept");
    QTest::newRow("No, then No: kept") << int(MsgBoxResult::No) << true;
    QTest::newRow("No, then Yes: deleted") << int(MsgBoxResult::Yes) << false;
  }
  void answeringNo() {
    QFETCH(int, discard);
    QFETCH(bool, kept);
    leaveOrphan("lost?", QString(), {});
    const QString orphan = QDir(root).filePath(setsIn(root).value(0));
    const QByteArray before = readAll(QDir(orphan).filePath(QStringLiteral("1.copy")));
    {
      RecoveryInstance next(root, false);
      next.env.runtime.msgBoxAnswers << MsgBoxResult::No << discard;
      OfferRecoveredDocuments(next.program());
      next.settle();
      QCOMPARE(next.env.runtime.messages.size(), 2);
      QCOMPARE(next.env.runtime.messages[1].text,
               QStringLiteral("Discard the unsaved changes of that document for good?\r\n"
                              "They cannot be recovered afterwards."));
      QCOMPARE(next.env.runtime.messages[1].buttons,
               MsgBoxCode::YesNo | MsgBoxCode::Question | MsgBoxCode::DefaultButton2);
      QCOMPARE(next.env.documents().size(), 1);
      QCOMPARE(readAll(QDir(orphan).filePath(QStringLiteral("1.copy"))), kept ? before : QByteArray("<missing>"));
    }
    // Kept copies are offered again at the next start.
    RecoveryInstance later(root, false);
    later.env.runtime.msgBoxAnswers << MsgBoxResult::No << MsgBoxResult::No;
    OfferRecoveredDocuments(later.program());
    QCOMPARE(later.env.runtime.messages.size(), kept ? 2 : 0);
  }

  // A damaged or cut-short copy is neither offered nor deleted; the whole
  // ones are still offered, and nothing crashes.
  void damagedCopiesStayOnDisk() {
    {
      RecoveryInstance editor(root);
      CreateNewDocument(editor.program());
      CreateNewDocument(editor.program());
      editText(editor.env.doc(1), "damaged");
      editText(editor.env.doc(2), "whole");
      editText(editor.env.doc(3), "cut short");
      editor.flush();
    }
    const QString set = QDir(root).filePath(setsIn(root).value(0));
    const QString damaged = QDir(set).filePath(QStringLiteral("1.copy"));
    const QString cut = QDir(set).filePath(QStringLiteral("3.copy"));
    QByteArray bytes = readAll(damaged);
    bytes[bytes.size() - 2] = 'X';
    writeAll(damaged, bytes);
    writeAll(cut, readAll(cut).chopped(3));
    const QByteArray damagedBytes = readAll(damaged), cutBytes = readAll(cut);

    {
      RecoveryInstance next(root, false);
      next.env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
      OfferRecoveredDocuments(next.program());
      next.settle();
      QVERIFY(next.env.runtime.messages.value(0).text.startsWith(QStringLiteral("1 document had unsaved changes")));
      QCOMPARE(next.env.documents().size(), 2);
      QCOMPARE(next.env.doc(2)->Text1->Text(), QByteArray("whole"));
      QCOMPARE(readAll(damaged), damagedBytes);
      QCOMPARE(readAll(cut), cutBytes);
      next.env.runtime.msgBoxAnswers << MsgBoxResult::No;  // a normal quit, the recovered text not wanted
      next.env.frame->close();
      next.settle();
      QCOMPARE(next.env.runtime.ended, 1);
    }
    // Only damaged copies left: no question, still nothing deleted.
    RecoveryInstance third(root, true);
    QCOMPARE(third.env.runtime.messages.size(), 0);
    QCOMPARE(third.env.documents().size(), 1);
    QCOMPARE(readAll(damaged), damagedBytes);
    QCOMPARE(readAll(cut), cutBytes);
  }

  // A folder that cannot be written: said once, editing and saving go on.
  void unwritableFolder_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file where the folder should be") << QStringLiteral("file") << QStringLiteral("is a file, not a folder");
    QTest::newRow("a read-only file system") << QStringLiteral("readonly") << QStringLiteral("the disk is read-only");
  }
  void unwritableFolder() {
    QFETCH(QString, how);
    QFETCH(QString, reason);
    QString mounted;
    if (how == QLatin1String("file")) {
      QVERIFY(QDir().mkpath(root));
      writeAll(QDir(root).filePath(QStringLiteral("data")), "not a folder");
      root = QDir(root).filePath(QStringLiteral("data/recovery"));
    } else {
      QVERIFY(QDir().mkpath(root));
      if (!mountSmallDisk(root, true))
        QSKIP("this machine does not allow mounting a file system here");
      mounted = root;
    }
    auto unmount = qScopeGuard([&] {
      if (!mounted.isEmpty()) unmountSmallDisk(mounted);
    });
    RecoveryInstance editor(root);
    QCOMPARE(noticeOf(editor.env), kPlainPanel);
    editText(editor.env.doc(1), "first words");
    editor.flush();
    QVERIFY(editor.recovery.FailureTold());
    QCOMPARE(noticeOf(editor.env), QStringLiteral("Can't keep recovery copies"));
    const QString tip = qobject_cast<StatusBar*>(editor.env.frame->statusBar())->textPanel->toolTip();
    QVERIFY2(tip.contains(reason), qPrintable(tip));
    QCOMPARE(editor.env.runtime.messages.size(), 0);
    editor.env.doc(1)->Text1->SetSelStart(11);
    editor.env.doc(1)->Text1->SetSelText(" and more");
    editor.flush();
    QCOMPARE(editor.env.doc(1)->Text1->Text(), QByteArray("first words and more"));
    QVERIFY(changed(editor.program(), editor.env.doc(1)));
    editor.env.runtime.fileAnswers.enqueue(editor.env.path(QStringLiteral("kept.cog")));
    QVERIFY(SaveDocument(editor.program(), *editor.env.doc(1)));
    QCOMPARE(editor.env.readFile(QStringLiteral("kept.cog")), QByteArray("first words and more"));
  }

  // A disk that fills: the copy already there stays whole, the user is told
  // once, the text in memory and the real file are untouched.
  void fullDisk_data() {
    QTest::addColumn<bool>("realDisk");
    QTest::newRow("injected through the platform") << false;
    QTest::newRow("a 64 KiB tmpfs") << true;
  }
  void fullDisk() {
    QFETCH(bool, realDisk);
    QString mounted;
    if (realDisk) {
      QVERIFY(QDir().mkpath(root));
      if (!mountSmallDisk(root, false))
        QSKIP("this machine does not allow mounting a file system here");
      mounted = root;
    }
    auto unmount = qScopeGuard([&] {
      if (!mounted.isEmpty()) unmountSmallDisk(mounted);
    });
    BasicRecoveryInstance<FaultyRecoveryFolder> editor(root);
    const QString file = editor.env.writeFile(QStringLiteral("big.cog"), "original");
    QVERIFY(LoadDocumentFile(editor.program(), file));
    frmNotePad* document = editor.env.doc(2);
    editText(document, "small enough");
    editor.flush();
    const QString copy = QDir(QDir(root).filePath(editor.folder.ownSet())).filePath(QStringLiteral("2.copy"));
    QCOMPARE(DecodeRecoveryCopy(readAll(copy)).value_or(RecoveryCopy{}).text, QByteArray("small enough"));

    const QByteArray big(65000, 'x');  // no room for it next to the copy already there
    if (!realDisk) editor.folder.full = true;
    editText(document, big);
    editor.flush();
    QVERIFY(editor.recovery.FailureTold());
    QCOMPARE(noticeOf(editor.env), QStringLiteral("Can't keep recovery copies"));
    QVERIFY(qobject_cast<StatusBar*>(editor.env.frame->statusBar())->textPanel->toolTip().contains(
        QStringLiteral("no space left on the device")));
    QCOMPARE(DecodeRecoveryCopy(readAll(copy)).value_or(RecoveryCopy{}).text, QByteArray("small enough"));
    QCOMPARE(document->Text1->Text(), big);
    QCOMPARE(editor.env.readFile(file), QByteArray("original"));
    QCOMPARE(editor.env.runtime.messages.size(), 0);
  }
};

QTEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
