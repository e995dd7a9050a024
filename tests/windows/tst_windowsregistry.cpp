// The registry of Windows itself: reading values through WindowsRegistry, and
// the about box's system-information button finding its program there.
#include <QtTest>

#include "TestEnv.h"
#include "platform/WindowsRegistry.h"
#include "windows/frmAbout1.h"
// After the project's headers: <windows.h> names the registry's constants as macros.
#include "RegistryValue.h"

using namespace RegistryCode;

namespace {
const QString kPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");
constexpr quint32 kCurrentUser = 0x80000001u;  // HKEY_CURRENT_USER, as the system numbers it

QString testKey() {
  return QStringLiteral("Software\\Torvane Edit tests\\registry-%1").arg(QCoreApplication::applicationPid());
}

QString stubPath() { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/sysinfo_stub.exe"); }

// Both places the tool can be registered, changed for one test only.
struct SysInfoValues {
  RegistryValue path{HKEY_LOCAL_MACHINE, kPathKey, QStringLiteral("PATH")};
  RegistryValue location{HKEY_LOCAL_MACHINE, kLocationKey, QStringLiteral("MSINFO")};
};
}  // namespace

class WindowsRegistryTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void readsRealValues_data();
  void readsRealValues();
  void absentValuesShowTheMessage();
  void firstValueStartsThatProgram();
  void locationValueStartsTheProgramInThatFolder();
  void locationWithoutTheProgramShowsTheMessage();

 private:
  QTemporaryDir folder_;
  QString mark_;
};

void WindowsRegistryTest::init() {
  mark_ = folder_.filePath(QStringLiteral("started-%1.txt").arg(QTest::currentTestFunction()));
  qputenv("TORVANE_STUB_MARK", QDir::toNativeSeparators(mark_).toLocal8Bit());
}

void WindowsRegistryTest::cleanup() { RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(testKey().utf16())); }

void WindowsRegistryTest::readsRealValues_data() {
  QTest::addColumn<quint32>("type");  // 0: no such value
  QTest::addColumn<QByteArray>("stored");
  QTest::addColumn<bool>("found");
  QTest::addColumn<QString>("expected");
  QTest::newRow("text") << quint32(REG_SZ) << QByteArray("C:\\Tools\\Info.exe", 18) << true << QStringLiteral("C:\\Tools\\Info.exe");
  QTest::newRow("number") << quint32(REG_DWORD) << QByteArray("\x0A\x0B\xFC\x01", 4) << true << QStringLiteral("&h01FC0B0A");
  QTest::newRow("no such value") << 0u << QByteArray() << false << QString();
}

void WindowsRegistryTest::readsRealValues() {
  QFETCH(quint32, type);
  QFETCH(QByteArray, stored);
  QFETCH(bool, found);
  QFETCH(QString, expected);
  // Texts go through the ANSI functions, as the about box reads them.
  HKEY key = nullptr;
  QCOMPARE(RegCreateKeyExA(HKEY_CURRENT_USER, testKey().toLocal8Bit().constData(), 0, nullptr, 0, KEY_SET_VALUE,
                           nullptr, &key, nullptr),
           LONG(ERROR_SUCCESS));
  if (type != 0)
    QCOMPARE(RegSetValueExA(key, "Value", 0, type, reinterpret_cast<const BYTE*>(stored.constData()), stored.size()),
             LONG(ERROR_SUCCESS));
  RegCloseKey(key);

  WindowsRegistry registry;
  // What a failed read leaves is checked against a stale text; a number is
  // appended to the output, which the about box always passes empty.
  QString out = found ? QString() : QStringLiteral("stale");
  QCOMPARE(GetKeyValue(registry, kCurrentUser, testKey(), QStringLiteral("Value"), out), found);
  QCOMPARE(out, expected);
  // A key that is not there at all.
  QVERIFY(!GetKeyValue(registry, kCurrentUser, testKey() + QStringLiteral("\\missing"), QStringLiteral("Value"), out));
}

void WindowsRegistryTest::absentValuesShowTheMessage() {
  SysInfoValues values;
  if (!values.path.remove() || !values.location.remove())
    QSKIP("the values under HKEY_LOCAL_MACHINE cannot be changed by this user");
  WindowsRegistry registry;
  TestEnv env(false, nullptr, &registry);
  StartSysInfo(*env.program);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, kUnavailable);
  QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly);
  QCOMPARE(env.runtime.messages[0].title, QStringLiteral("Torvane Edit"));
  QVERIFY(!QFile::exists(mark_));
}

void WindowsRegistryTest::firstValueStartsThatProgram() {
  SysInfoValues values;
  if (!values.path.setText(stubPath()) || !values.location.remove())
    QSKIP("the values under HKEY_LOCAL_MACHINE cannot be changed by this user");
  WindowsRegistry registry;
  TestEnv env(false, nullptr, &registry);
  StartSysInfo(*env.program);
  QVERIFY(env.runtime.messages.isEmpty());
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark_), 30000);
  QTRY_COMPARE_WITH_TIMEOUT(QString::fromLocal8Bit(env.readFile(mark_)), stubPath(), 5000);
}

// The second place names a folder; the file system ignores case, so a
// program stored in lower case is found under its upper-case name.
void WindowsRegistryTest::locationValueStartsTheProgramInThatFolder() {
  QTemporaryDir tool;
  QVERIFY(QFile::copy(stubPath(), tool.filePath(QStringLiteral("msinfo32.exe"))));
  SysInfoValues values;
  if (!values.path.remove() || !values.location.setText(QDir::toNativeSeparators(tool.path())))
    QSKIP("the values under HKEY_LOCAL_MACHINE cannot be changed by this user");
  WindowsRegistry registry;
  TestEnv env(false, nullptr, &registry);
  StartSysInfo(*env.program);
  QVERIFY(env.runtime.messages.isEmpty());
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark_), 30000);
  QTRY_COMPARE_WITH_TIMEOUT(QString::fromLocal8Bit(env.readFile(mark_)),
                            QDir::toNativeSeparators(tool.path()) + QStringLiteral("\\MSINFO32.EXE"), 5000);
}

void WindowsRegistryTest::locationWithoutTheProgramShowsTheMessage() {
  QTemporaryDir empty;
  SysInfoValues values;
  if (!values.path.remove() || !values.location.setText(QDir::toNativeSeparators(empty.path())))
    QSKIP("the values under HKEY_LOCAL_MACHINE cannot be changed by this user");
  WindowsRegistry registry;
  TestEnv env(false, nullptr, &registry);
  StartSysInfo(*env.program);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, kUnavailable);
  QVERIFY(!QFile::exists(mark_));
}

QTEST_MAIN(WindowsRegistryTest)
#include "tst_windowsregistry.moc"
