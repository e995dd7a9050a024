#pragma once
// Read access to the system registry, in the three operations the about box
// needs. Systems without a registry have no keys at all.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace RegistryCode {
inline constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_FILE_NOT_FOUND = 2;
inline constexpr quint32 REG_SZ = 1;
inline constexpr quint32 REG_DWORD = 4;
}  // namespace RegistryCode

class Registry {
 public:
  using Key = quintptr;
  virtual ~Registry() = default;
  // Results are the system's: 0 on success.
  virtual long OpenKey(quint32 root, const QString& subKey, quint32 access, Key& key) = 0;
  // buffer holds size bytes going in; on success size is the number written.
  virtual long QueryValue(Key key, const QString& valueName, quint32& type, QByteArray& buffer, quint32& size) = 0;
  virtual long CloseKey(Key key) = 0;
};
