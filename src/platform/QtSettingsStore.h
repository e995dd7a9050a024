#pragma once
#include "platform/SettingsStore.h"

// The per-user settings store in the system's native format (the registry on
// Windows, a file under the user's configuration folder elsewhere).
class QtSettingsStore : public SettingsStore {
 public:
  QString GetSetting(const QString& app, const QString& section, const QString& key) override;
  QList<QPair<QString, QString>> GetAllSettings(const QString& app, const QString& section) override;
  bool SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) override;
};
