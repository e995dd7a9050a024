#pragma once
#include "platform/SettingsStore.h"

// The per-user settings store in the system's native format (the registry on
// Windows, a file under the user's configuration folder elsewhere).
class QtSettingsStore : public SettingsStore {
 public:
#ifdef Q_OS_WIN
  // The registry key the applications' keys go under: by default the
  // program's own key under the current user's software.
  QtSettingsStore();
  explicit QtSettingsStore(const QString& registryRoot) : registryRoot_(registryRoot) {}
#endif
  QString GetSetting(const QString& app, const QString& section, const QString& key) override;
  QList<QPair<QString, QString>> GetAllSettings(const QString& app, const QString& section) override;
  bool SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value) override;

 private:
  QString registryRoot_;  // Windows only
};
