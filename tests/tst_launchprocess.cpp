// The real program, started as a desktop or a terminal starts it: files on
// its command line, a second start handing its files to the first, a socket
// left by a dead editor, bad messages on the socket, and the options. Each
// test gives the program its own runtime, settings and home folders, and
// reads what it opened from the report its TORVANE_LAUNCH_REPORT hook writes.
#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#ifdef Q_OS_WIN
#include <QLocalSocket>
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include "launch/HandOverMessage.h"
#include "platform/QtInstanceChannel.h"

namespace {

constexpr int kWaitMs = 30000;  // a loaded machine starts the program slowly

struct Report {
  QStringList documents;  // captions, in slot order
  QMap<QString, QByteArray> texts;  // caption -> "BYTES MD5"
  QString active;
  QStringList recent;
  QStringList messages;
  QString listening;
  int opened = -1;
};

Report readReport(const QString& path) {
  Report report;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return report;
  for (const QByteArray& line : file.readAll().split('\n')) {
    const QList<QByteArray> cells = line.split('\t');
    const QByteArray key = cells.value(0);
    const QString value = QString::fromUtf8(cells.value(1));
    if (key == "document") {
      report.documents.append(value);
      report.texts[value] = cells.value(2) + ' ' + cells.value(3);
    }
    if (key == "active") report.active = value;
    if (key == "recent") report.recent.append(value);
    if (key == "message") report.messages.append(value);
    if (key == "listening") report.listening = value;
    if (key == "opened") report.opened = value.toInt();
  }
  return report;
}

QByteArray digestOf(const QByteArray& bytes) {
  return QByteArray::number(bytes.size()) + ' ' + QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

class Sandbox {
 public:
  Sandbox() {
    QDir(root.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDir(root.path()).mkpath(QStringLiteral("config"));
    QDir(root.path()).mkpath(QStringLiteral("home"));
    QDir(root.path()).mkpath(QStringLiteral("files/sub"));
    QDir(root.path()).mkpath(QStringLiteral("elsewhere"));
  }
  QString runtime() const { return root.filePath(QStringLiteral("runtime")); }
  QString files() const { return root.filePath(QStringLiteral("files")); }
#ifdef Q_OS_WIN
  // The pipe's name follows the user's folder there: the one the editors of
  // this sandbox are given.
  QString socketPath() const {
    const QByteArray saved = qgetenv("USERPROFILE");
    qputenv("USERPROFILE", QDir::toNativeSeparators(home()).toLocal8Bit());
    const QString name = instanceSocketName(QStringLiteral("offscreen"));
    qputenv("USERPROFILE", saved);
    return name;
  }
  // The editors' settings, in a registry key of the sandbox's own.
  QString settingsKey() const {
    return QStringLiteral("Software\\Torvane Edit tests\\launch-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(quintptr(this));
  }
#else
  QString socketPath() const { return runtime() + QLatin1Char('/') + instanceSocketName(QStringLiteral("offscreen")); }
#endif
  QString home() const { return root.filePath(QStringLiteral("home")); }

  // The file's name as the editor shows it: in the system's notation.
  QString write(const QString& name, const QByteArray& bytes) const {
    const QString path = files() + QLatin1Char('/') + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write a test file");
    f.write(bytes);
    return QDir::toNativeSeparators(path);
  }

  // A started program, its report going to reportName in the sandbox.
  QProcess* start(const QStringList& arguments, const QString& reportName, const QString& folder = QString()) {
    auto* process = new QProcess;
    started.emplace_back(process);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("HOME"), home());
#ifdef Q_OS_WIN
    env.insert(QStringLiteral("USERPROFILE"), QDir::toNativeSeparators(home()));
    env.insert(QStringLiteral("TORVANE_SETTINGS_KEY"), settingsKey());
#endif
    env.insert(QStringLiteral("TORVANE_LAUNCH_REPORT"), report(reportName));
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(folder.isEmpty() ? files() : folder);
    process->start(QStringLiteral(TORVANE_EDIT_PROGRAM), arguments);
    if (!process->waitForStarted()) qFatal("cannot start the editor");
    return process;
  }
  QString report(const QString& name) const { return root.filePath(name + QStringLiteral(".report")); }

  ~Sandbox() {
    // A failed case shows what each start reported and said.
    if (QTest::currentTestFailed()) {
      for (const QFileInfo& entry : QDir(root.path()).entryInfoList({QStringLiteral("*.report")}, QDir::Files)) {
        QFile file(entry.filePath());
        if (file.open(QIODevice::ReadOnly)) qWarning().noquote() << entry.fileName() << "\n" << file.readAll();
      }
      for (const auto& p : started)
        qWarning().noquote() << p->arguments() << p->state() << p->exitCode() << p->readAllStandardError();
    }
    for (const auto& p : started) {
      if (p->state() == QProcess::NotRunning) continue;
      p->kill();
      p->waitForFinished();
    }
#ifdef Q_OS_WIN
    RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(settingsKey().utf16()));
#endif
  }

  QTemporaryDir root;
  std::vector<std::unique_ptr<QProcess>> started;
};

// Waits until the report says the editor is up and listening (or not).
bool waitUntilUp(Sandbox& box, const QString& name) {
  QDeadlineTimer deadline(kWaitMs);
  while (!deadline.hasExpired()) {
    if (!readReport(box.report(name)).listening.isEmpty()) return true;
    QTest::qWait(20);
  }
  return false;
}

QByteArray framed(const QByteArray& payload) {
  QByteArray frame(4, '\0');
  qToBigEndian(quint32(payload.size()), frame.data());
  return frame + payload;
}

// What the editor answered to raw bytes, before it closed the connection.
#ifdef Q_OS_WIN
QByteArray sendRaw(const QString& pipeName, const QByteArray& bytes) {
  QLocalSocket socket;
  socket.connectToServer(pipeName);
  if (!socket.waitForConnected(kWaitMs)) return "<no connection>";
  socket.write(bytes);
  socket.waitForBytesWritten(kWaitMs);
  QByteArray answer;
  // The editor gives up on a sender after a few seconds, and closes.
  while (socket.state() == QLocalSocket::ConnectedState && socket.waitForReadyRead(10000)) answer += socket.readAll();
  answer += socket.readAll();
  return socket.state() == QLocalSocket::ConnectedState ? "<no end>" : answer;
}

// A name as the handing start sends it.
QByteArray nameBytes(const QString& file) { return file.toUtf8(); }
#else
QByteArray nameBytes(const QString& file) { return QFile::encodeName(file); }

QByteArray sendRaw(const QString& socketPath, const QByteArray& bytes) {
  const QByteArray path = QFile::encodeName(socketPath);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return "<no connection>";
  timeval tv{10, 0};  // the editor gives up on a sender after a few seconds
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
  QByteArray answer;
  char chunk[64];
  ssize_t n;
  while ((n = ::recv(fd, chunk, sizeof chunk, 0)) > 0) answer.append(chunk, n);
  ::close(fd);
  return n < 0 ? "<no end>" : answer;
}
#endif

}  // namespace

class LaunchProcessTest : public QObject {
  Q_OBJECT
 private slots:
  void opensTheFilesOnItsCommandLine();
  void secondStartHandsItsFilesToTheFirst();
  void startWithoutFilesIsAnEditorOfItsOwn();
  void socketOfADeadEditorIsTakenOver();
  void badMessagesOpenNothing();
  void optionsEndWithoutAWindow_data();
  void optionsEndWithoutAWindow();
  void socketFolderIsPrivate();
  void helpAndVersionNeedNoDisplay();
  void socketNameFollowsTheDisplay();
};

void LaunchProcessTest::opensTheFilesOnItsCommandLine() {
  Sandbox box;
  const QByteArray exact("line\r\nbare\n\0\x80\xff end", 20);
  const QString relative = box.write(QStringLiteral("sub/relative.cog"), exact);
  const QString spaced = box.write(QStringLiteral("with space.cog"), "spaced");
  const QString amp = box.write(QStringLiteral("this&that.cog"), "amp");
  const QString missing = QDir::toNativeSeparators(box.files() + QStringLiteral("/missing.cog"));
  auto editor = box.start({QStringLiteral("sub/relative.cog"), QStringLiteral("missing.cog"), spaced,
                           QStringLiteral("this&that.cog")},
                          QStringLiteral("one"));
  QTRY_VERIFY_WITH_TIMEOUT(readReport(box.report(QStringLiteral("one"))).opened == 1, kWaitMs);
  const Report report = readReport(box.report(QStringLiteral("one")));
  QCOMPARE(report.documents, (QStringList{QStringLiteral("Untitled:1"), relative.toUpper(), spaced.toUpper(),
                                          amp.toUpper()}));
  QCOMPARE(report.texts[relative.toUpper()], digestOf(exact));
  QCOMPARE(report.texts[amp.toUpper()], digestOf("amp"));
  QCOMPARE(report.active, amp.toUpper());
  QCOMPARE(report.messages, QStringList{QStringLiteral("Can't find file: ") + missing});
  QCOMPARE(report.recent, (QStringList{amp, spaced, relative}));
  QCOMPARE(report.listening, QStringLiteral("yes"));
  QCOMPARE(editor->state(), QProcess::Running);
}

void LaunchProcessTest::secondStartHandsItsFilesToTheFirst() {
  Sandbox box;
  auto first = box.start({}, QStringLiteral("first"));
  QVERIFY(waitUntilUp(box, QStringLiteral("first")));
  QCOMPARE(readReport(box.report(QStringLiteral("first"))).listening, QStringLiteral("yes"));
#ifndef Q_OS_WIN  // a pipe is no file there; its access list admits the user alone
  struct stat st;
  QCOMPARE(::lstat(QFile::encodeName(box.socketPath()).constData(), &st), 0);
  QVERIFY(S_ISSOCK(st.st_mode));
  QCOMPARE(st.st_mode & 0777, mode_t(0600));
  QCOMPARE(st.st_uid, ::getuid());
#endif
  const QString a = box.write(QStringLiteral("a & b.cog"), "handed");
  const QString b = box.write(QStringLiteral("sub/b.cog"), "second");
  // From another folder: its relative names are its own.
  auto second = box.start({a, QStringLiteral("../files/sub/b.cog")}, QStringLiteral("second"),
                          box.root.filePath(QStringLiteral("elsewhere")));
  QVERIFY(second->waitForFinished(kWaitMs));
  QCOMPARE(second->exitStatus(), QProcess::NormalExit);
  QCOMPARE(second->exitCode(), 0);
  QVERIFY(!QFile::exists(box.report(QStringLiteral("second"))));  // it never started an editor
  QTRY_VERIFY_WITH_TIMEOUT(readReport(box.report(QStringLiteral("first"))).opened == 1, kWaitMs);
  const Report report = readReport(box.report(QStringLiteral("first")));
  QCOMPARE(report.documents, (QStringList{QStringLiteral("Untitled:1"), a.toUpper(), b.toUpper()}));
  QCOMPARE(report.texts[a.toUpper()], digestOf("handed"));
  QCOMPARE(report.active, b.toUpper());
  // With one of Qt's own options the files go the same way, once Qt has read it.
  const QString c = box.write(QStringLiteral("c.cog"), "third");
  auto third = box.start({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("c.cog")},
                         QStringLiteral("third"));
  QVERIFY(third->waitForFinished(kWaitMs));
  QCOMPARE(third->exitCode(), 0);
  QTRY_VERIFY_WITH_TIMEOUT(readReport(box.report(QStringLiteral("first"))).opened == 2, kWaitMs);
  QCOMPARE(readReport(box.report(QStringLiteral("first"))).active, c.toUpper());
  QCOMPARE(first->state(), QProcess::Running);
}

void LaunchProcessTest::startWithoutFilesIsAnEditorOfItsOwn() {
  Sandbox box;
  auto first = box.start({}, QStringLiteral("first"));
  QVERIFY(waitUntilUp(box, QStringLiteral("first")));
  auto second = box.start({}, QStringLiteral("second"));
  QVERIFY(waitUntilUp(box, QStringLiteral("second")));
  QCOMPARE(readReport(box.report(QStringLiteral("second"))).listening, QStringLiteral("no"));
  QCOMPARE(second->state(), QProcess::Running);
  // Files still go to the first, which kept the channel.
  const QString a = box.write(QStringLiteral("a.cog"), "a");
  auto third = box.start({a}, QStringLiteral("third"));
  QVERIFY(third->waitForFinished(kWaitMs));
  QCOMPARE(third->exitCode(), 0);
  QTRY_VERIFY_WITH_TIMEOUT(readReport(box.report(QStringLiteral("first"))).opened == 1, kWaitMs);
  QCOMPARE(readReport(box.report(QStringLiteral("second"))).documents, QStringList{QStringLiteral("Untitled:1")});
  QCOMPARE(first->state(), QProcess::Running);
}

void LaunchProcessTest::socketOfADeadEditorIsTakenOver() {
  Sandbox box;
#ifdef Q_OS_WIN
  // A pipe goes with its process; what else a killed editor left must not
  // keep the next one from serving.
  auto killed = box.start({}, QStringLiteral("killed"));
  QVERIFY(waitUntilUp(box, QStringLiteral("killed")));
  QCOMPARE(readReport(box.report(QStringLiteral("killed"))).listening, QStringLiteral("yes"));
  killed->kill();
  QVERIFY(killed->waitForFinished(kWaitMs));
#else
  // A socket file nobody accepts on, as a killed editor leaves it.
  const QByteArray path = QFile::encodeName(box.socketPath());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  QVERIFY(fd >= 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
  QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  QVERIFY(QFileInfo::exists(box.socketPath()));
#endif

  const QString a = box.write(QStringLiteral("a.cog"), "a");
  auto editor = box.start({a}, QStringLiteral("editor"));
  QTRY_VERIFY_WITH_TIMEOUT(readReport(box.report(QStringLiteral("editor"))).opened == 1, kWaitMs);
  Report report = readReport(box.report(QStringLiteral("editor")));
  QCOMPARE(report.documents, (QStringList{QStringLiteral("Untitled:1"), a.toUpper()}));
  QCOMPARE(report.listening, QStringLiteral("yes"));
  // The socket is its own now: a later start hands over to it.
  const QString b = box.write(QStringLiteral("b.cog"), "b");
  auto later = box.start({b}, QStringLiteral("later"));
  QVERIFY(later->waitForFinished(kWaitMs));
  QCOMPARE(later->exitCode(), 0);
  QTRY_VERIFY_WITH_TIMEOUT(readReport(box.report(QStringLiteral("editor"))).opened == 2, kWaitMs);
  QCOMPARE(readReport(box.report(QStringLiteral("editor"))).active, b.toUpper());
  QCOMPARE(editor->state(), QProcess::Running);
}

void LaunchProcessTest::badMessagesOpenNothing() {
  Sandbox box;
  auto editor = box.start({}, QStringLiteral("editor"));
  QVERIFY(waitUntilUp(box, QStringLiteral("editor")));
  const QString a = box.write(QStringLiteral("a.cog"), "a");
  const QByteArray name = nameBytes(a);
  const QList<QPair<const char*, QByteArray>> bad = {
      {"unframed text", "open " + name + "\n"},
      {"framed, no tag", framed(name + '\0')},
      {"framed, cut short", framed("torvane-edit open\n" + name)},
      {"length beyond the limit", QByteArray("\xff\xff\xff\xff", 4) + "torvane-edit open\n" + name + '\0'},
      {"shell text", framed("torvane-edit run\n" + QByteArray("touch /tmp/torvane-owned") + '\0')},
  };
  for (const auto& [what, bytes] : bad) QVERIFY2(sendRaw(box.socketPath(), bytes).isEmpty(), what);
  // Ours, but with nothing to open in it: taken, and nothing happens.
  QCOMPARE(sendRaw(box.socketPath(), framed(QByteArray("torvane-edit open\nrelative.cog\0", 31))), QByteArray("OK"));
  QTest::qWait(300);
  QCOMPARE(editor->state(), QProcess::Running);
  Report report = readReport(box.report(QStringLiteral("editor")));
  QCOMPARE(report.documents, QStringList{QStringLiteral("Untitled:1")});
  QVERIFY(report.messages.isEmpty());
  // And it still serves a real start.
  auto later = box.start({a}, QStringLiteral("later"));
  QVERIFY(later->waitForFinished(kWaitMs));
  QCOMPARE(later->exitCode(), 0);
  QTRY_VERIFY_WITH_TIMEOUT(readReport(box.report(QStringLiteral("editor"))).documents.size() == 2, kWaitMs);
}

void LaunchProcessTest::optionsEndWithoutAWindow_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<QString>("out");  // what standard output starts with
  QTest::addColumn<QStringList>("err");  // what standard error holds
  const QString usage = QStringLiteral("Usage: torvane-edit [OPTION]... [FILE]...");
  QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QStringList{};
  QTest::newRow("--version") << QStringList{"--version"} << 0 << QStringLiteral("torvane-edit 1.0.1\n")
                             << QStringList{};
  QTest::newRow("Qt's own option kept") << QStringList{"-platform", "offscreen", "--version"} << 0
                                        << QStringLiteral("torvane-edit 1.0.1\n") << QStringList{};
  QTest::newRow("unknown option") << QStringList{"a.cog", "--frobnicate"} << 2 << QString()
                                  << QStringList{"torvane-edit: Unknown option 'frobnicate'.", usage};
  QTest::newRow("unknown short option") << QStringList{"-q", "a.cog"} << 2 << QString()
                                        << QStringList{"'q'", usage};
}

void LaunchProcessTest::optionsEndWithoutAWindow() {
  QFETCH(QStringList, arguments);
  QFETCH(int, exitCode);
  QFETCH(QString, out);
  QFETCH(QStringList, err);
  Sandbox box;
  box.write(QStringLiteral("a.cog"), "a");
  auto process = box.start(arguments, QStringLiteral("editor"));
  QVERIFY(process->waitForFinished(kWaitMs));  // an editor would never end by itself
  QCOMPARE(process->exitStatus(), QProcess::NormalExit);
  QCOMPARE(process->exitCode(), exitCode);
  // Text streams end their lines with CR LF on Windows.
  const QString stdOut = QString::fromLocal8Bit(process->readAllStandardOutput()).remove(QLatin1Char('\r'));
  const QString stdErr = QString::fromLocal8Bit(process->readAllStandardError()).remove(QLatin1Char('\r'));
  if (out.isEmpty())
    QCOMPARE(stdOut, QString());
  else
    QVERIFY2(stdOut.startsWith(out), qPrintable(stdOut));
  for (const QString& part : err) QVERIFY2(stdErr.contains(part), qPrintable(stdErr));
  QVERIFY(!QFile::exists(box.report(QStringLiteral("editor"))));  // no start-up, no window
  QVERIFY(QDir(box.runtime()).isEmpty());  // nobody listens
}

void LaunchProcessTest::socketFolderIsPrivate() {
#ifdef Q_OS_WIN
  QSKIP("no runtime folder there: the pipe's own access list admits only its user");
#else
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  QTemporaryDir folder;
  QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.path()));
  QCOMPARE(privateRuntimeFolder(), folder.path());
  // One that others may enter is not used: a folder of the editor's own is.
  QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                           QFileDevice::ReadOther | QFileDevice::ExeOther);
  const QString fallback = privateRuntimeFolder();
  QVERIFY(fallback != folder.path());
  QVERIFY(!fallback.isEmpty());
  struct stat st;
  QCOMPARE(::lstat(QFile::encodeName(fallback).constData(), &st), 0);
  QCOMPARE(st.st_mode & 0777, mode_t(0700));
  qputenv("XDG_RUNTIME_DIR", saved);
#endif
}

void LaunchProcessTest::helpAndVersionNeedNoDisplay() {
  for (const char* option : {"--help", "--version"}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TORVANE_EDIT_PROGRAM), {QString::fromLatin1(option)});
    QVERIFY(process.waitForFinished(kWaitMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardOutput().startsWith(option == QByteArray("--help") ? "Usage: " : "torvane-edit 1.0.1"));
  }
}

void LaunchProcessTest::socketNameFollowsTheDisplay() {
#ifdef Q_OS_WIN
  // There the pipe's name follows the user, the session and the platform.
  const QByteArray saved = qgetenv("SESSIONNAME");
  auto nameIn = [](const char* session, const char* platform) {
    qputenv("SESSIONNAME", session);
    return instanceSocketName(QString::fromLatin1(platform));
  };
  QCOMPARE(nameIn("Console", "windows"), nameIn("Console", "windows"));
  QVERIFY(nameIn("Console", "windows") != nameIn("RDP-Tcp#3", "windows"));
  QVERIFY(nameIn("Console", "offscreen") != nameIn("Console", "windows"));
  QVERIFY(nameIn("Console", "windows").startsWith(QLatin1String("torvane-edit-")));
  qputenv("SESSIONNAME", saved);
#else
  const QByteArray saved = qgetenv("DISPLAY");
  auto nameOn = [](const char* display, const char* platform) {
    qputenv("DISPLAY", display);
    return instanceSocketName(QString::fromLatin1(platform));
  };
  QCOMPARE(nameOn(":0.0", "xcb"), nameOn(":0", "xcb"));
  QCOMPARE(nameOn("host.example:10.1", "xcb"), nameOn("host.example:10", "xcb"));
  QVERIFY(nameOn(":1", "xcb") != nameOn(":0", "xcb"));
  QVERIFY(nameOn("host.example:1", "xcb") != nameOn("host.example:10", "xcb"));
  QVERIFY(nameOn(":0", "offscreen") != nameOn(":0", "xcb"));
  QVERIFY(nameOn(":0", "xcb").startsWith(QLatin1String("torvane-edit-")));
  qputenv("DISPLAY", saved);
#endif
}

QTEST_GUILESS_MAIN(LaunchProcessTest)
#include "tst_launchprocess.moc"
