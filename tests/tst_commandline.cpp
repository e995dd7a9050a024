// The command line, the message one start hands the running editor, and the
// hand-over itself against a scripted channel.
#include <QtTest>

#include "FakeLaunchPlatform.h"
#include "launch/CommandLine.h"
#include "launch/HandOver.h"
#include "launch/HandOverMessage.h"

using Delivery = InstanceChannel::Delivery;

namespace {
// Names from the root carry a drive on Windows, and come back in its notation.
#ifdef Q_OS_WIN
const QString kDrive = QStringLiteral("C:");
#else
const QString kDrive;
#endif
QStringList named(const QStringList& names) {
  QStringList result;
  for (const QString& name : names) result << QDir::toNativeSeparators(kDrive + name);
  return result;
}
}  // namespace

class CommandLineTest : public QObject {
  Q_OBJECT
 private slots:
  void parses_data();
  void parses();
  void usageErrorNamesTheOption();
  void earlyReadingLeavesQtOptionsToQt();
  void platformAskedFor();
  void messagesCarryNamesExactly();
  void messagesAreSplitToStayWithinBounds();
  void readingRejectsWhatIsNotOurs_data();
  void readingRejectsWhatIsNotOurs();
  void readingIgnoresNamesThatAreNotAbsolute();
  void handOver_data();
  void handOver();
  void noFilesContactsNobody();
};

void CommandLineTest::parses_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("action");
  QTest::addColumn<QStringList>("files");
  const auto run = int(LaunchRequest::Run);
  QTest::newRow("nothing") << QStringList{} << run << QStringList{};
  QTest::newRow("relative, in order") << QStringList{"b.cog", "sub/a.cog"} << run
                                      << named({"/start/here/b.cog", "/start/here/sub/a.cog"});
  QTest::newRow("absolute kept") << QStringList{kDrive + "/x/y.cog"} << run << named({"/x/y.cog"});
  QTest::newRow("dot segments cleaned") << QStringList{"../up.cog", "./same.cog"} << run
                                        << named({"/start/up.cog", "/start/here/same.cog"});
  QTest::newRow("space and ampersand") << QStringList{"my file.cog", "a&b.cog"} << run
                                       << named({"/start/here/my file.cog", "/start/here/a&b.cog"});
  QTest::newRow("-- ends the options") << QStringList{"--", "--help", "-x.cog"} << run
                                       << named({"/start/here/--help", "/start/here/-x.cog"});
  QTest::newRow("--help") << QStringList{"a.cog", "--help"} << int(LaunchRequest::ShowHelp) << QStringList{};
  QTest::newRow("-h") << QStringList{"-h"} << int(LaunchRequest::ShowHelp) << QStringList{};
  QTest::newRow("--version") << QStringList{"--version"} << int(LaunchRequest::ShowVersion) << QStringList{};
  QTest::newRow("unknown long") << QStringList{"--frobnicate", "a.cog"} << int(LaunchRequest::UsageError)
                                << QStringList{};
  QTest::newRow("unknown short") << QStringList{"-q"} << int(LaunchRequest::UsageError) << QStringList{};
}

void CommandLineTest::parses() {
  QFETCH(QStringList, arguments);
  QFETCH(int, action);
  QFETCH(QStringList, files);
  const LaunchRequest request =
      ParseCommandLine(QStringList{QStringLiteral("torvane-edit")} + arguments, kDrive + QStringLiteral("/start/here"));
  QCOMPARE(int(request.action), action);
  QCOMPARE(request.files, files);
}

void CommandLineTest::usageErrorNamesTheOption() {
  const LaunchRequest request =
      ParseCommandLine({QStringLiteral("torvane-edit"), QStringLiteral("--frobnicate")}, QStringLiteral("/"));
  QVERIFY2(request.error.contains(QLatin1String("frobnicate")), qPrintable(request.error));
}

namespace {
// argv as main() gets it.
struct Argv {
  explicit Argv(const QList<QByteArray>& arguments) : bytes(arguments) {
    for (QByteArray& b : bytes) pointers.append(b.data());
  }
  int argc() const { return int(pointers.size()); }
  char** argv() { return pointers.data(); }
  QList<QByteArray> bytes;
  QList<char*> pointers;
};
}  // namespace

void CommandLineTest::earlyReadingLeavesQtOptionsToQt() {
#ifdef Q_OS_WIN
  QSKIP("there the early reading takes the process's own command line in UTF-16, not argv");
#endif
  Argv files({"torvane-edit", "a.cog", "/b.cog"});
  const auto request = EarlyRequest(files.argc(), files.argv(), QStringLiteral("/here"));
  QVERIFY(request);
  QCOMPARE(request->files, (QStringList{QStringLiteral("/here/a.cog"), QStringLiteral("/b.cog")}));
  Argv help({"torvane-edit", "--help"});
  QCOMPARE(int(EarlyRequest(help.argc(), help.argv(), QStringLiteral("/"))->action), int(LaunchRequest::ShowHelp));
  Argv qt({"torvane-edit", "-style", "Fusion", "a.cog"});
  QVERIFY(!EarlyRequest(qt.argc(), qt.argv(), QStringLiteral("/")));
}

void CommandLineTest::platformAskedFor() {
  const QByteArray saved = qgetenv("QT_QPA_PLATFORM");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  Argv none({"torvane-edit", "a.cog"});
  QCOMPARE(RequestedPlatform(none.argc(), none.argv()), QStringLiteral("offscreen"));
  Argv given({"torvane-edit", "-platform", "xcb", "a.cog"});
  QCOMPARE(RequestedPlatform(given.argc(), given.argv()), QStringLiteral("xcb"));
  Argv joined({"torvane-edit", "--platform=minimal"});
  QCOMPARE(RequestedPlatform(joined.argc(), joined.argv()), QStringLiteral("minimal"));
  Argv afterEnd({"torvane-edit", "--", "-platform", "xcb"});
  QCOMPARE(RequestedPlatform(afterEnd.argc(), afterEnd.argv()), QStringLiteral("offscreen"));
  qunsetenv("QT_QPA_PLATFORM");
  QCOMPARE(RequestedPlatform(none.argc(), none.argv()), QString());
  qputenv("QT_QPA_PLATFORM", saved);
}

void CommandLineTest::messagesCarryNamesExactly() {
  const QStringList files = {kDrive + QStringLiteral("/a b/c&d.cog"), kDrive + QStringLiteral("/x/\u00e9t\u00e9.cog"),
                             kDrive + QStringLiteral("/new\nline.cog"), kDrive + QStringLiteral("/a.cog")};
  const QList<QByteArray> messages = HandOverMessages(files);
  QCOMPARE(messages.size(), 1);
  QCOMPARE(ReadHandOverMessage(messages[0]), std::optional<QStringList>(files));
}

void CommandLineTest::messagesAreSplitToStayWithinBounds() {
  QStringList many;
  for (int i = 0; i < MaxHandOverFiles * 2 + 5; ++i) many.append(kDrive + QStringLiteral("/f/%1.cog").arg(i));
  QStringList long_;
  for (int i = 0; i < 200; ++i) long_.append(kDrive + QLatin1Char('/') + QString(4000, QLatin1Char('a' + i % 26)));
  for (const QStringList& files : {many, long_}) {
    const QList<QByteArray> messages = HandOverMessages(files);
    QVERIFY(messages.size() > 1);
    QStringList back;
    for (const QByteArray& message : messages) {
      QVERIFY(message.size() <= InstanceChannel::MaxMessageBytes);
      const auto read = ReadHandOverMessage(message);
      QVERIFY(read);
      QVERIFY(read->size() <= MaxHandOverFiles);
      back += *read;
    }
    QCOMPARE(back, files);
  }
}

void CommandLineTest::readingRejectsWhatIsNotOurs_data() {
  QTest::addColumn<QByteArray>("message");
  QTest::newRow("empty") << QByteArray();
  QTest::newRow("no tag") << QByteArray("/etc/passwd\0", 12);
  QTest::newRow("another tag") << QByteArray("torvane-edit run\n/bin/sh\0", 25);
  QTest::newRow("cut short") << QByteArray("torvane-edit open\n/a.cog\0/b.c", 29);
  QTest::newRow("too large") << QByteArray("torvane-edit open\n") + QByteArray(InstanceChannel::MaxMessageBytes, '/');
  QByteArray tooMany("torvane-edit open\n");
  for (int i = 0; i <= MaxHandOverFiles; ++i) tooMany += "/f\0";
  QTest::newRow("too many names") << tooMany;
}

void CommandLineTest::readingRejectsWhatIsNotOurs() {
  QFETCH(QByteArray, message);
  QCOMPARE(ReadHandOverMessage(message), std::nullopt);
}

void CommandLineTest::readingIgnoresNamesThatAreNotAbsolute() {
  const QByteArray drive = kDrive.toLatin1();
  const QList<QByteArray> names = {"relative.cog", drive + "/good one.cog", "", "$(rm -rf ~)", "~/home.cog",
                                   drive + "/" + QByteArray(MaxHandOverNameBytes, 'n'), drive + "/last.cog"};
  QByteArray message("torvane-edit open\n");
  for (const QByteArray& name : names) message += name + '\0';
  QCOMPARE(ReadHandOverMessage(message),
           std::optional<QStringList>({kDrive + QStringLiteral("/good one.cog"), kDrive + QStringLiteral("/last.cog")}));
}

void CommandLineTest::handOver_data() {
  QTest::addColumn<QList<Delivery>>("answers");
  QTest::addColumn<bool>("handedOver");
  QTest::addColumn<bool>("mayListen");
  QTest::addColumn<int>("leftFrom");  // the files from this index on are left to this start
  QTest::newRow("taken") << QList<Delivery>{Delivery::Delivered, Delivery::Delivered} << true << true << 2000;
  QTest::newRow("nobody listens") << QList<Delivery>{Delivery::NobodyListening} << false << true << 0;
  QTest::newRow("no answer") << QList<Delivery>{Delivery::NotAcknowledged} << false << false << 0;
  QTest::newRow("ends half-way") << QList<Delivery>{Delivery::Delivered, Delivery::NotAcknowledged} << false
                                 << false << MaxHandOverFiles;
}

void CommandLineTest::handOver() {
  QFETCH(QList<Delivery>, answers);
  QFETCH(bool, handedOver);
  QFETCH(bool, mayListen);
  QFETCH(int, leftFrom);
  QStringList files;
  for (int i = 0; i < 2000; ++i) files.append(kDrive + QStringLiteral("/f/%1").arg(i));  // two messages
  FakeInstanceChannel channel;
  for (Delivery d : answers) channel.answers.enqueue(d);
  const HandOverResult result = HandOverFiles(channel, files);
  QCOMPARE(result.handedOver, handedOver);
  QCOMPARE(result.mayListen, mayListen);
  QCOMPARE(result.left, files.mid(leftFrom));
  QCOMPARE(channel.sent.size(), answers.size());
}

void CommandLineTest::noFilesContactsNobody() {
  FakeInstanceChannel channel;
  const HandOverResult result = HandOverFiles(channel, {});
  QVERIFY(!result.handedOver);
  QVERIFY(result.mayListen);
  QVERIFY(channel.sent.isEmpty());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
