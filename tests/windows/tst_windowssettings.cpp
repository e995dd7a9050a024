// The settings store on Windows: texts in the registry, in the program's own
// key under the current user's software.
#include <QtTest>

#include <windows.h>

#include "platform/QtSettingsStore.h"

namespace {
const QString kRoot = QStringLiteral("Software\\Torvane Edit");

const wchar_t* wide(const QString& text) { return reinterpret_cast<const wchar_t*>(text.utf16()); }

// The value as the registry holds it: its type and its text.
QPair<DWORD, QString> stored(const QString& key, const QString& name) {
  wchar_t buffer[1024] = {};
  DWORD size = sizeof buffer;
  DWORD type = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, wide(key), wide(name), RRF_RT_ANY, &type, buffer, &size) != ERROR_SUCCESS)
    return {0, QString()};
  return {type, QString::fromWCharArray(buffer)};
}
}  // namespace

class WindowsSettingsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void cleanupTestCase();
  void valuesAreTextsUnderTheCurrentUser();
  void aSecondStoreReadsWhatTheFirstWrote();

 private:
  QString app_;
};

void WindowsSettingsTest::initTestCase() {
  // An application name of this run alone, so no user's settings are touched.
  app_ = QStringLiteral("Torvane Edit test %1").arg(QCoreApplication::applicationPid());
}

void WindowsSettingsTest::cleanupTestCase() { RegDeleteTreeW(HKEY_CURRENT_USER, wide(kRoot + QLatin1Char('\\') + app_)); }

void WindowsSettingsTest::valuesAreTextsUnderTheCurrentUser() {
  QtSettingsStore store;
  const QString name = QStringLiteral("C:\\Games\\Jedi Knight\\cog\\00_door.cog");
  QVERIFY(store.SaveSetting(app_, QStringLiteral("Recent Files"), QStringLiteral("RecentFile1"), name));
  const auto value = stored(kRoot + QLatin1Char('\\') + app_ + QStringLiteral("\\Recent Files"), QStringLiteral("RecentFile1"));
  QCOMPARE(value.first, DWORD(REG_SZ));
  QCOMPARE(value.second, name);
  QCOMPARE(store.GetSetting(app_, QStringLiteral("Recent Files"), QStringLiteral("RecentFile1")), name);
  QCOMPARE(store.GetSetting(app_, QStringLiteral("Recent Files"), QStringLiteral("RecentFile9")), QString());
}

// What a restart of the program amounts to for its store: a new store object
// reading what the old one left in the registry, in the order made.
void WindowsSettingsTest::aSecondStoreReadsWhatTheFirstWrote() {
  {
    QtSettingsStore first;
    for (int k = 1; k <= 11; ++k)
      QVERIFY(first.SaveSetting(app_, QStringLiteral("List"), QStringLiteral("RecentFile%1").arg(k),
                                QStringLiteral("D:\\data\\%1.dat").arg(k)));
  }
  QtSettingsStore second;
  const QList<QPair<QString, QString>> pairs = second.GetAllSettings(app_, QStringLiteral("List"));
  QCOMPARE(pairs.size(), 11);
  for (int k = 1; k <= 11; ++k) {
    QCOMPARE(pairs[k - 1].first, QStringLiteral("RecentFile%1").arg(k));
    QCOMPARE(pairs[k - 1].second, QStringLiteral("D:\\data\\%1.dat").arg(k));
  }
}

QTEST_MAIN(WindowsSettingsTest)
#include "tst_windowssettings.moc"
