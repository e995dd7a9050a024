#pragma once
// The per-user settings store: application, section, key; string values.
#include <QList>
#include <QPair>
#include <QString>

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // "" when the value is absent or the store cannot be read.
  virtual QString GetSetting(const QString& app, const QString& section, const QString& key) = 0;
  // All pairs of a section, keys in creation order; empty when none.
  virtual QList<QPair<QString, QString>> GetAllSettings(const QString& app, const QString& section) = 0;
  // Creates the key (and section) when missing. False when it could not be stored.
  virtual bool SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) = 0;
};
