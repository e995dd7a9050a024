// Finding and starting the system-information tool through the registry.
#include <QtTest>

#include "FakeRegistry.h"
#include "TestEnv.h"
#include "windows/frmAbout1.h"

using namespace RegistryCode;

namespace {
const QString kPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// Real services but for the file test and the program start, which answer
// from a script and record what they were asked.
class ScriptedSystem : public QtSystemServices {
 public:
  QString Dir(const QString& pattern) override {
    dirPatterns << pattern;
    return existing.contains(pattern) ? pattern.section(QLatin1Char('\\'), -1) : QString();
  }
  bool Shell(const QString& program) override {
    started << program;
    return !startFails;
  }
  QStringList existing;
  QStringList dirPatterns;
  QStringList started;
  bool startFails = false;
};

QByteArray bytes(const char* data, int size) { return QByteArray(data, size); }
}  // namespace

Q_DECLARE_METATYPE(std::optional<FakeRegistry::Value>)

class SysInfoTest : public QObject {
  Q_OBJECT
 private slots:
  void readsValue_data();
  void readsValue();
  void failsWithEmptyOutput_data();
  void failsWithEmptyOutput();
  void sizeZeroIsAnErrorWithTheKeyClosed();
  void neverReadsPastTheBuffer();
  void startSysInfo_data();
  void startSysInfo();
  void withoutARegistryTheMessageShows();
  void anEmptyProgramNameDoesNotStart();
};

void SysInfoTest::readsValue_data() {
  QTest::addColumn<quint32>("type");
  QTest::addColumn<QByteArray>("stored");
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("expected");

  QTest::newRow("text with its NUL") << REG_SZ << bytes("C:\\WIN\\MSINFO32.EXE\0", 20) << QString()
                                     << QStringLiteral("C:\\WIN\\MSINFO32.EXE");
  QTest::newRow("text without NUL keeps every byte") << REG_SZ << QByteArray("C:\\TOOLS") << QString()
                                                     << QStringLiteral("C:\\TOOLS");
  QTest::newRow("text of a NUL alone") << REG_SZ << bytes("\0", 1) << QString() << QString();
  QTest::newRow("only the last of two NULs goes")
      << REG_SZ << bytes("ab\0\0", 4) << QString() << QString::fromLatin1("ab\0", 3);
  QTest::newRow("text replaces what was there") << REG_SZ << bytes("new\0", 4) << QStringLiteral("old")
                                                << QStringLiteral("new");
  QTest::newRow("text filling the buffer") << REG_SZ << QByteArray(1024, 'x') << QString() << QString(1024, 'x');
  // A number's last byte is trimmed like a text's NUL when it is 0: the
  // digits lose a leading "00", and the number stays the same.
  QTest::newRow("number with a high byte of 0")
      << REG_DWORD << bytes("\x2A\0\0\0", 4) << QString() << QStringLiteral("&h00002A");
  QTest::newRow("number, high byte first, two digits each")
      << REG_DWORD << bytes("\x0A\x0B\xFC\x01", 4) << QString() << QStringLiteral("&h01FC0B0A");
  QTest::newRow("binary leaves the output") << REG_BINARY << bytes("\x01\x02", 2) << QStringLiteral("kept")
                                            << QStringLiteral("kept");
  QTest::newRow("expandable text leaves the output")
      << REG_EXPAND_SZ << bytes("%SystemRoot%\0", 13) << QString() << QString();
}

void SysInfoTest::readsValue() {
  QFETCH(quint32, type);
  QFETCH(QByteArray, stored);
  QFETCH(QString, before);
  QFETCH(QString, expected);
  FakeRegistry registry;
  registry.setValue(kPathKey, QStringLiteral("PATH"), {type, stored, std::nullopt});

  QString out = before;
  QVERIFY(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kPathKey, QStringLiteral("PATH"), out));
  QCOMPARE(out, expected);
  QCOMPARE(registry.opens.size(), 1);
  QCOMPARE(registry.opens[0].root, HKEY_LOCAL_MACHINE);
  QCOMPARE(registry.opens[0].path, kPathKey);
  QCOMPARE(registry.opens[0].access, 0x2003Fu);
  QCOMPARE(registry.queries, QStringList{kPathKey + QStringLiteral("|PATH")});
  QCOMPARE(registry.openHandles(), 0);
}

void SysInfoTest::failsWithEmptyOutput_data() {
  QTest::addColumn<bool>("keyThere");
  QTest::addColumn<QByteArray>("stored");  // null: no such value
  QTest::addColumn<int>("closes");

  QTest::newRow("no key") << false << QByteArray() << 0;
  QTest::newRow("no value") << true << QByteArray() << 1;
  QTest::newRow("value larger than the buffer") << true << QByteArray(1025, 'x') << 1;
}

void SysInfoTest::failsWithEmptyOutput() {
  QFETCH(bool, keyThere);
  QFETCH(QByteArray, stored);
  QFETCH(int, closes);
  FakeRegistry registry;
  if (keyThere) registry.addKey(kPathKey);
  if (!stored.isNull()) registry.setValue(kPathKey, QStringLiteral("PATH"), {REG_SZ, stored, std::nullopt});

  QString out = QStringLiteral("stale");
  QVERIFY(!GetKeyValue(registry, HKEY_LOCAL_MACHINE, kPathKey, QStringLiteral("PATH"), out));
  QVERIFY(out.isEmpty());
  QCOMPARE(registry.closes, closes);
  QCOMPARE(registry.openHandles(), 0);
}

void SysInfoTest::sizeZeroIsAnErrorWithTheKeyClosed() {
  FakeRegistry registry;
  registry.setValue(kPathKey, QStringLiteral("PATH"), {REG_SZ, QByteArray(""), std::nullopt});
  QString out = QStringLiteral("stale");
  QVERIFY_THROWS_EXCEPTION(RegistryValueError,
                           GetKeyValue(registry, HKEY_LOCAL_MACHINE, kPathKey, QStringLiteral("PATH"), out));
  QVERIFY(out.isEmpty());
  QCOMPARE(registry.openHandles(), 0);
}

void SysInfoTest::neverReadsPastTheBuffer() {
  // A layer that reports more bytes than the buffer holds.
  FakeRegistry registry;
  registry.setValue(kPathKey, QStringLiteral("PATH"), {REG_SZ, QByteArray(1024, 'y'), 5000u});
  QString out;
  QVERIFY(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kPathKey, QStringLiteral("PATH"), out));
  QCOMPARE(out, QString(1024, 'y'));
  QCOMPARE(registry.openHandles(), 0);
}

void SysInfoTest::startSysInfo_data() {
  QTest::addColumn<std::optional<FakeRegistry::Value>>("first");   // MSINFO's PATH
  QTest::addColumn<std::optional<FakeRegistry::Value>>("second");  // the location's MSINFO
  QTest::addColumn<bool>("fileThere");
  QTest::addColumn<bool>("startFails");
  QTest::addColumn<QStringList>("dirPatterns");
  QTest::addColumn<QStringList>("started");
  QTest::addColumn<bool>("secondOpened");
  QTest::addColumn<bool>("message");

  using V = std::optional<FakeRegistry::Value>;
  const V path = FakeRegistry::Value{REG_SZ, bytes("D:\\APPS\\MSINFO\\MSINFO32.EXE\0", 28), {}};
  const V folder = FakeRegistry::Value{REG_SZ, bytes("C:\\Program Files\\Common Files\\MSINFO\0", 37), {}};
  const QString inFolder = QStringLiteral("C:\\Program Files\\Common Files\\MSINFO\\MSINFO32.EXE");
  const QStringList none;

  QTest::newRow("first location wins, without a file test")
      << path << folder << true << false << none << QStringList{QStringLiteral("D:\\APPS\\MSINFO\\MSINFO32.EXE")}
      << false << false;
  QTest::newRow("second location with the file")
      << V() << folder << true << false << QStringList{inFolder} << QStringList{inFolder} << true << false;
  QTest::newRow("second location without the file")
      << V() << folder << false << false << QStringList{inFolder} << none << true << true;
  QTest::newRow("neither location") << V() << V() << true << false << none << none << true << true;
  QTest::newRow("first location of another type: an empty name fails to start")
      << V(FakeRegistry::Value{REG_BINARY, bytes("\x01\x02", 2), {}}) << folder << true << true << none
      << QStringList{QString()} << false << true;
  QTest::newRow("first location of size 0 ends at once")
      << V(FakeRegistry::Value{REG_SZ, QByteArray(""), {}}) << folder << true << false << none << none << false
      << true;
  QTest::newRow("second location of size 0")
      << V() << V(FakeRegistry::Value{REG_SZ, QByteArray(""), {}}) << true << false << none << none << true << true;
  QTest::newRow("program start fails")
      << path << V() << true << true << none << QStringList{QStringLiteral("D:\\APPS\\MSINFO\\MSINFO32.EXE")}
      << false << true;
}

void SysInfoTest::startSysInfo() {
  QFETCH(std::optional<FakeRegistry::Value>, first);
  QFETCH(std::optional<FakeRegistry::Value>, second);
  QFETCH(bool, fileThere);
  QFETCH(bool, startFails);
  QFETCH(QStringList, dirPatterns);
  QFETCH(QStringList, started);
  QFETCH(bool, secondOpened);
  QFETCH(bool, message);

  FakeRegistry registry;
  if (first) registry.setValue(kPathKey, QStringLiteral("PATH"), *first);
  if (second) registry.setValue(kLocationKey, QStringLiteral("MSINFO"), *second);
  ScriptedSystem system;
  if (fileThere) system.existing << QStringLiteral("C:\\Program Files\\Common Files\\MSINFO\\MSINFO32.EXE");
  system.startFails = startFails;
  TestEnv env(false, &system, &registry);

  StartSysInfo(*env.program);

  QCOMPARE(system.dirPatterns, dirPatterns);
  QCOMPARE(system.started, started);
  QCOMPARE(registry.opened(kLocationKey), secondOpened);
  QCOMPARE(registry.openHandles(), 0);
  if (message) {
    QCOMPARE(env.runtime.messages.size(), 1);
    QCOMPARE(env.runtime.messages[0].text, kUnavailable);
    QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly);
    QCOMPARE(env.runtime.messages[0].title, QStringLiteral("Torvane Edit"));
  } else {
    QVERIFY(env.runtime.messages.isEmpty());
  }
}

void SysInfoTest::withoutARegistryTheMessageShows() {
  ScriptedSystem system;
  TestEnv env(false, &system);
  env.runtime.app_.Title = QStringLiteral("Another Title");
  StartSysInfo(*env.program);
  QVERIFY(system.started.isEmpty());
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, kUnavailable);
  QCOMPARE(env.runtime.messages[0].title, QStringLiteral("Another Title"));
}

void SysInfoTest::anEmptyProgramNameDoesNotStart() {
  // What the scripted start above assumes of the real one.
  QtSystemServices system;
  QVERIFY(!system.Shell(QString()));
}

QTEST_MAIN(SysInfoTest)
#include "tst_sysinfo.moc"
