#pragma once
#include "platform/Registry.h"

// A registry with no keys, for systems that have none.
class NoRegistry : public Registry {
 public:
  long OpenKey(quint32, const QString&, quint32, Key&) override { return RegistryCode::ERROR_FILE_NOT_FOUND; }
  long QueryValue(Key, const QString&, quint32&, QByteArray&, quint32&) override {
    return RegistryCode::ERROR_FILE_NOT_FOUND;
  }
  long CloseKey(Key) override { return RegistryCode::ERROR_SUCCESS; }
};
