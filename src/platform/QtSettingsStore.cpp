#include "platform/QtSettingsStore.h"

#include <QCollator>
#include <QSettings>

#include <algorithm>

// A store that cannot be reached never stops the program: reading gives what
// could be read (nothing when the file cannot be opened; the readable part of
// a damaged file), and a failed write only reports false.

namespace {
QString keyPath(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

// One application's settings: a file under the user's configuration folder,
// or on Windows the registry key <root>\<app>.
class AppSettings : public QSettings {
 public:
#ifdef Q_OS_WIN
  AppSettings(const QString& root, const QString& app) : QSettings(root + QLatin1Char('\\') + app, NativeFormat) {}
#else
  AppSettings(const QString&, const QString& app) : QSettings(NativeFormat, UserScope, app) {}
#endif
};
}  // namespace

#ifdef Q_OS_WIN
// $TORVANE_SETTINGS_KEY, a key under the current user, stands in for the
// program's own, as $XDG_CONFIG_HOME does elsewhere: an editor started by a
// test keeps its settings apart from the user's.
QtSettingsStore::QtSettingsStore()
    : registryRoot_(QStringLiteral("HKEY_CURRENT_USER\\") +
                    qEnvironmentVariable("TORVANE_SETTINGS_KEY", QStringLiteral("Software\\Torvane Edit"))) {}
#endif

QString QtSettingsStore::GetSetting(const QString& app, const QString& section, const QString& key) {
  AppSettings settings(registryRoot_, app);
  return settings.value(keyPath(section, key)).toString();
}

QList<QPair<QString, QString>> QtSettingsStore::GetAllSettings(const QString& app, const QString& section) {
  AppSettings settings(registryRoot_, app);
  QList<QPair<QString, QString>> pairs;
  settings.beginGroup(section);
  QStringList keys = settings.childKeys();
  // The store keeps no creation order; numbered keys sort as they were made.
  QCollator collator;
  collator.setNumericMode(true);
  std::sort(keys.begin(), keys.end(), collator);
  for (const QString& key : keys) pairs.append({key, settings.value(key).toString()});
  return pairs;
}

bool QtSettingsStore::SaveSetting(const QString& app, const QString& section, const QString& key,
                                  const QString& value) {
  AppSettings settings(registryRoot_, app);
  settings.setValue(keyPath(section, key), value);
  settings.sync();
  // A format error describes what was read before; the value was written.
  return settings.status() != QSettings::AccessError;
}
