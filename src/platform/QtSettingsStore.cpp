#include "platform/QtSettingsStore.h"

#include <QCollator>
#include <QSettings>

#include <algorithm>


QString QtSettingsStore::GetSetting(const QString& app, const QString& section, const QString& key) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, app);
  if (settings.status() != QSettings::NoError) return QString();
  return settings.value(section + QLatin1Char('/') + key).toString();
}

QList<QPair<QString, QString>> QtSettingsStore::GetAllSettings(const QString& app, const QString& section) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, app);
  QList<QPair<QString, QString>> pairs;
  if (settings.status() != QSettings::NoError) return pairs;
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
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, app);
  settings.setValue(section + QLatin1Char('/') + key, value);
  settings.sync();
  return settings.status() == QSettings::NoError;
}
