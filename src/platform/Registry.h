#pragma once
// Read access to the system registry, in the three operations the about box
// needs. Systems without a registry have no keys at all.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Roots, rights, result codes and value types with the system's own numbers.
namespace RegistryCode {
inline constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002u;

inline constexpr quint32 READ_CONTROL = 0x00020000u;
inline constexpr quint32 KEY_QUERY_VALUE = 0x0001u;
inline constexpr quint32 KEY_SET_VALUE = 0x0002u;
inline constexpr quint32 KEY_CREATE_SUB_KEY = 0x0004u;
inline constexpr quint32 KEY_ENUMERATE_SUB_KEYS = 0x0008u;
inline constexpr quint32 KEY_NOTIFY = 0x0010u;
inline constexpr quint32 KEY_CREATE_LINK = 0x0020u;

inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_FILE_NOT_FOUND = 2;
inline constexpr long ERROR_MORE_DATA = 234;

inline constexpr quint32 REG_SZ = 1;
inline constexpr quint32 REG_EXPAND_SZ = 2;
inline constexpr quint32 REG_BINARY = 3;
inline constexpr quint32 REG_DWORD = 4;
}  // namespace RegistryCode

class Registry {
 public:
  using Key = quintptr;
  virtual ~Registry() = default;
  // Results are the system's: 0 on success. Texts go to the system in its
  // ANSI code page. key is set only on success.
  virtual long OpenKey(quint32 root, const QString& subKey, quint32 access, Key& key) = 0;
  // At most size bytes (and never more than buffer holds) are written into
  // buffer. On success type is the value's type and size the number of bytes
  // written; a value that does not fit fails with ERROR_MORE_DATA.
  virtual long QueryValue(Key key, const QString& valueName, quint32& type, QByteArray& buffer, quint32& size) = 0;
  virtual long CloseKey(Key key) = 0;
};
