// torvane-cogcheck run as a real process: its output lines, summary and exit
// codes, folders searched recursively, the game option, unreadable files
// named with their cause, --help and --version.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

struct Run {
  int exitCode = -1;
  QString out;
  QString err;
};

Run run(const QStringList& args, const QString& workDir = QString()) {
  QProcess p;
  if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
  p.start(QStringLiteral(TORVANE_COGCHECK), args);
  Run r;
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return r;
  r.exitCode = p.exitCode();
  r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
  r.err = QString::fromLocal8Bit(p.readAllStandardError());
#ifdef Q_OS_WIN  // text streams end their lines with CR LF there
  r.out.remove(QLatin1Char('\r'));
  r.err.remove(QLatin1Char('\r'));
#endif
  return r;
}

void write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

const QByteArray kClean = "symbols\nmessage startup\nend\ncode\nstartup:\n  SetPulse(1);\n  return;\nend\n";
// An unknown verb on line 6 and a missing label on line 7.
const QByteArray kFaulty = "symbols\nmessage startup\nend\ncode\nstartup:\n  Foo(1);\n  call nowhere;\n  return;\nend\n";
const QByteArray kWarning = "symbols\nmessage startup\nmessage pulse\nend\ncode\nstartup:\n  return;\nend\n";
const QByteArray kMots = "symbols\nend\ncode\n  AIGetAlignment(1);\nend\n";

}  // namespace

class CogCliTest : public QObject {
  Q_OBJECT
 private slots:
  void helpAndVersion();
  void badUsage_data();
  void badUsage();
  void cleanFileExitsZero();
  void findingsAreLinesInFileAndLineOrder();
  void warningAloneExitsOne();
  void notesAloneExitZero();
  void folderIsSearchedRecursively();
  void unreadableFileIsNamedAndTheOthersChecked();
  void gameOption();
  void diagnosticsLeftOutAreCounted();
};

void CogCliTest::helpAndVersion() {
  const Run help = run({"--help"});
  QCOMPARE(help.exitCode, 0);
  QVERIFY(help.out.startsWith("Usage: torvane-cogcheck [--game jk|mots] PATH..."));
  QVERIFY(help.out.contains("--version"));
  QVERIFY(help.err.isEmpty());
  const Run version = run({"--version", "ignored.cog"});
  QCOMPARE(version.exitCode, 0);
  QVERIFY2(QRegularExpression("^torvane-cogcheck \\(Torvane Edit\\) \\d+\\.\\d+\\.\\d+\n").match(version.out).hasMatch(),
           qPrintable(version.out));
  QVERIFY(version.out.contains("License MIT") && version.out.contains("NO WARRANTY"));
  QVERIFY(version.err.isEmpty());
}

void CogCliTest::badUsage_data() {
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<QString>("message");
  QTest::newRow("nothing to check") << QStringList() << "no file or folder to check";
  QTest::newRow("unknown option") << QStringList({"--bogus", "a.cog"}) << "unrecognized option '--bogus'";
  QTest::newRow("unknown short option") << QStringList({"-x", "a.cog"}) << "invalid option '-x'";
  QTest::newRow("unknown game") << QStringList({"--game", "doom", "a.cog"}) << "invalid game 'doom'";
  QTest::newRow("game without value") << QStringList({"--game"}) << "option '--game' requires an argument";
}

void CogCliTest::badUsage() {
  QFETCH(QStringList, args);
  QFETCH(QString, message);
  const Run r = run(args);
  QCOMPARE(r.exitCode, 2);
  QVERIFY(r.out.isEmpty());
  QVERIFY2(r.err.startsWith("torvane-cogcheck: " + message), qPrintable(r.err));
  QVERIFY(r.err.contains("Try 'torvane-cogcheck --help' for more information."));
}

void CogCliTest::cleanFileExitsZero() {
  QTemporaryDir dir;
  write(dir.filePath("door.cog"), kClean);
  const Run r = run({"door.cog"}, dir.path());
  QCOMPARE(r.exitCode, 0);
  QCOMPARE(r.out, QString());
  QCOMPARE(r.err, QStringLiteral("1 file checked: 0 errors, 0 warnings, 0 notes\n"));
}

void CogCliTest::findingsAreLinesInFileAndLineOrder() {
  QTemporaryDir dir;
  write(dir.filePath("b.cog"), kFaulty);
  write(dir.filePath("a.cog"), kFaulty);
  // Files in the order given; lines in order within each.
  const Run r = run({"b.cog", "a.cog"}, dir.path());
  QCOMPARE(r.exitCode, 1);
  const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
  QCOMPARE(lines.size(), 4);
  const QRegularExpression shape("^([^:]+):(\\d+):(\\d+): (error|warning|note): [^\\[]+ \\[([a-z-]+)\\]$");
  QStringList places;
  for (const QString& line : lines) {
    const QRegularExpressionMatch m = shape.match(line);
    QVERIFY2(m.hasMatch(), qPrintable(line));
    places << m.captured(1) + ':' + m.captured(2) + ':' + m.captured(3) + ':' + m.captured(4) + ':' + m.captured(5);
  }
  QCOMPARE(places, QStringList({"b.cog:6:3:error:unknown-verb", "b.cog:7:8:error:missing-label",
                                "a.cog:6:3:error:unknown-verb", "a.cog:7:8:error:missing-label"}));
  QCOMPARE(r.err, QStringLiteral("2 files checked: 4 errors, 0 warnings, 0 notes\n"));
}

void CogCliTest::warningAloneExitsOne() {
  QTemporaryDir dir;
  write(dir.filePath("w.cog"), kWarning);
  const Run r = run({dir.filePath("w.cog")});
  QCOMPARE(r.exitCode, 1);
  QVERIFY(r.out.contains(": warning: ") && r.out.contains("[unhandled-message]"));
}

void CogCliTest::notesAloneExitZero() {
  QTemporaryDir dir;
  write(dir.filePath("n.cog"), "symbols\nend\ncode\n  ghost = 1;\nend\n");
  const Run r = run({dir.filePath("n.cog")});
  QCOMPARE(r.exitCode, 0);
  QVERIFY(r.out.contains(": note: ") && r.out.contains("[undeclared-name]"));
  QVERIFY(r.err.contains("1 note"));
}

void CogCliTest::folderIsSearchedRecursively() {
  QTemporaryDir dir;
  write(dir.filePath("mod/b.COG"), kFaulty);
  write(dir.filePath("mod/a.cog"), kClean);
  write(dir.filePath("mod/deep/er/c.Cog"), kWarning);
  write(dir.filePath("mod/readme.txt"), "not a script");
  write(dir.filePath("mod/d.cog.bak"), kFaulty);
  const Run r = run({"mod"}, dir.path());
  QCOMPARE(r.exitCode, 1);
  QVERIFY2(r.err == "3 files checked: 2 errors, 1 warning, 0 notes\n", qPrintable(r.err));
  QStringList files;
  for (const QString& line : r.out.split('\n', Qt::SkipEmptyParts))
    files << QDir::fromNativeSeparators(line.section(':', 0, 0));  // found in a folder: the system's notation
  QCOMPARE(files, QStringList({"mod/b.COG", "mod/b.COG", "mod/deep/er/c.Cog"}));
}

void CogCliTest::unreadableFileIsNamedAndTheOthersChecked() {
#ifdef Q_OS_WIN
  QSKIP("a test cannot make a dangling link or an unreadable file there: QFile::link makes a shell shortcut, "
        "which is a file like any other, and files have no mode bits");
#else
  QTemporaryDir dir;
  write(dir.filePath("mod/a.cog"), kFaulty);
  write(dir.filePath("mod/z.cog"), kWarning);
  QVERIFY(QFile::link(dir.filePath("mod/nowhere"), dir.filePath("mod/m.cog")));  // a dangling link
  const Run r = run({"mod", "missing.cog"}, dir.path());
  QCOMPARE(r.exitCode, 2);
  QVERIFY2(r.err.contains("torvane-cogcheck: mod/m.cog: cannot read: No such file or directory\n"), qPrintable(r.err));
  QVERIFY2(r.err.contains("torvane-cogcheck: missing.cog: cannot read: No such file or directory\n"), qPrintable(r.err));
  QVERIFY(r.err.endsWith("2 files checked: 2 errors, 1 warning, 0 notes; 2 files could not be read\n"));
  QVERIFY(r.out.contains("mod/a.cog:6:3: error:"));
  QVERIFY(r.out.contains("mod/z.cog:3:9: warning:"));
  if (geteuid() != 0) {
    write(dir.filePath("locked.cog"), kClean);
    QVERIFY(QFile::setPermissions(dir.filePath("locked.cog"), QFileDevice::Permissions()));
    const Run locked = run({"locked.cog"}, dir.path());
    QCOMPARE(locked.exitCode, 2);
    QVERIFY2(locked.err.contains("locked.cog: cannot read: Permission denied"), qPrintable(locked.err));
  }
#endif
}

void CogCliTest::gameOption() {
  QTemporaryDir dir;
  write(dir.filePath("m.cog"), kMots);
  QCOMPARE(run({"m.cog"}, dir.path()).exitCode, 1);
  QCOMPARE(run({"--game", "jk", "m.cog"}, dir.path()).exitCode, 1);
  QCOMPARE(run({"--game", "mots", "m.cog"}, dir.path()).exitCode, 0);
  QCOMPARE(run({"--game=mots", "m.cog"}, dir.path()).exitCode, 0);
  QCOMPARE(run({"m.cog", "--game", "mots"}, dir.path()).exitCode, 0);
}

QTEST_GUILESS_MAIN(CogCliTest)
void CogCliTest::diagnosticsLeftOutAreCounted() {
  QTemporaryDir dir;
  QByteArray text = "symbols\nend\ncode\n";
  for (int i = 0; i < 1000; ++i) text += "  Zz(1);\n";
  write(dir.filePath("many.cog"), text + "end\n");
  const Run r = run({dir.filePath("many.cog")});
  QCOMPARE(r.exitCode, 1);
  const int listed = int(r.out.count(QStringLiteral("[unknown-verb]")));
  QVERIFY(listed > 0 && listed < 1000);
  QVERIFY2(r.err.contains(QString::number(1000 - listed) + QStringLiteral(" more not listed")), qPrintable(r.err));
  QVERIFY2(r.err.contains(QStringLiteral("1000 errors")), qPrintable(r.err));
}

#include "tst_cogcli.moc"
