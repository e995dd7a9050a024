// A real editor process killed with SIGKILL after typing: the next start
// offers what it typed and gives back every byte; a second instance running
// at the same time keeps its copies to itself.
#include <QDir>
#include <QProcess>
#include <QtTest>

#include <csignal>

#include "RecoveryInstance.h"
#include "RecoveryScript.h"
#include "workspace/DocumentTable.h"
#include "workspace/SaveFiles.h"

namespace {
QStringList copiesIn(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("*.copy")}, QDir::Files, QDir::Name);
}
QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A helper editor that has typed and whose copies are on disk.
struct Editor {
  std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
  QString set;  // its own set's folder name

  bool start(const QString& root, const QString& marker, const QString& file = {}) {
    QStringList args{root, marker};
    if (!file.isEmpty()) args << file;
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(RECOVERY_CRASH_HELPER), args);
    if (!process->waitForStarted(10000)) return false;
    QByteArray line;
    while (!line.contains('\n')) {
      if (!process->waitForReadyRead(30000)) return false;
      line += process->readAllStandardOutput();
    }
    if (!line.startsWith("ready ")) return false;
    set = QString::fromUtf8(line.mid(6).trimmed());
    return true;
  }
  // Ended at once, with no chance to clean up.
  void kill9() {
#ifdef Q_OS_WIN
    process->kill();  // TerminateProcess there
#else
    ::kill(pid_t(process->processId()), SIGKILL);
#endif
    process->waitForFinished(10000);
  }
  ~Editor() {
    if (process->state() != QProcess::NotRunning) kill9();
  }
};
}  // namespace

class RecoveryCrashTest : public QObject {
  Q_OBJECT
  QTemporaryDir tmp;

 private slots:
  void killedEditorGivesBackEveryByte() {
    const QString root = tmp.filePath(QStringLiteral("killed"));
    const QString real = tmp.filePath(QStringLiteral("level.cog"));
    const QByteArray original("# on disk\r\nsymbols\r\nend\r\n");
    {
      QFile f(real);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(original);
    }
    Editor killed;
    QVERIFY(killed.start(root, QStringLiteral("A"), real));
    killed.kill9();
    QCOMPARE(killed.process->exitStatus(), QProcess::CrashExit);
    QCOMPARE(copiesIn(QDir(root).filePath(killed.set)).size(), 2);

    RecoveryInstance next(root, false);
    next.env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
    OfferRecoveredDocuments(next.program());
    next.settle();
    QCOMPARE(next.env.runtime.messages.size(), 1);
    QCOMPARE(next.env.runtime.messages[0].title, QStringLiteral("Torvane Edit"));
    QVERIFY(next.env.runtime.messages[0].text.startsWith(QStringLiteral("2 documents had unsaved changes")));

    QCOMPARE(next.env.documents().size(), 3);
    frmNotePad* untitled = next.env.doc(2);
    frmNotePad* file = next.env.doc(3);
    QCOMPARE(untitled->Caption(), QStringLiteral("Untitled:1"));
    QCOMPARE(untitled->Text1->Text(), typedText("A"));
    QCOMPARE(file->Caption(), real.toUpper());
    QCOMPARE(file->FileName, real);
    QCOMPARE(file->Text1->Text(), original + appendedToFile());
    QVERIFY(StateOf(next.program(), *file).Changed);
    QCOMPARE(next.env.frame->ActiveForm(), file);

    QVERIFY(SaveDocument(next.program(), *file));
    QCOMPARE(readAll(real), original + appendedToFile());
    QVERIFY(!QDir(QDir(root).filePath(killed.set)).exists());
  }

  void onlyTheKilledInstancesCopiesAreOffered() {
    const QString root = tmp.filePath(QStringLiteral("two"));
    Editor killed, running;
    QVERIFY(killed.start(root, QStringLiteral("killed one")));
    QVERIFY(running.start(root, QStringLiteral("running one")));
    const QString runningSet = QDir(root).filePath(running.set);
    const QByteArray runningCopy = readAll(QDir(runningSet).filePath(QStringLiteral("1.copy")));
    killed.kill9();

    RecoveryInstance third(root, false);
    third.env.runtime.msgBoxAnswers.enqueue(MsgBoxResult::Yes);
    OfferRecoveredDocuments(third.program());
    third.settle();
    QCOMPARE(third.env.runtime.messages.size(), 1);
    QVERIFY(third.env.runtime.messages[0].text.startsWith(QStringLiteral("1 document had unsaved changes")));
    QCOMPARE(third.env.documents().size(), 2);
    QCOMPARE(third.env.doc(2)->Text1->Text(), typedText("killed one"));

    // The running instance's set is as it was, and still its own.
    QCOMPARE(running.process->state(), QProcess::Running);
    QCOMPARE(readAll(QDir(runningSet).filePath(QStringLiteral("1.copy"))), runningCopy);
    QVERIFY(QFileInfo::exists(QDir(runningSet).filePath(QStringLiteral("lock"))));
    RecoveryInstance fourth(root, true);
    QCOMPARE(fourth.env.runtime.messages.size(), 0);
  }
};

QTEST_MAIN(RecoveryCrashTest)
#include "tst_recovery_crash.moc"
