#pragma once
#include <QtGlobal>

#ifdef Q_OS_WIN
#include "platform/Registry.h"

// The registry of Windows, through advapi32's ANSI functions.
class WindowsRegistry : public Registry {
 public:
  long OpenKey(quint32 root, const QString& subKey, quint32 access, Key& key) override;
  long QueryValue(Key key, const QString& valueName, quint32& type, QByteArray& buffer, quint32& size) override;
  long CloseKey(Key key) override;
};
#endif
