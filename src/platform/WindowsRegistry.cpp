#include "platform/WindowsRegistry.h"

#ifdef Q_OS_WIN
#include <windows.h>

#ifdef _MSC_VER
#pragma comment(lib, "advapi32")
#endif

namespace {
// The predefined roots are 32-bit values that the system sign-extends into a
// handle: HKEY_LOCAL_MACHINE is (HKEY)(ULONG_PTR)(LONG)0x80000002.
HKEY rootHandle(quint32 root) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

HKEY handle(Registry::Key key) { return reinterpret_cast<HKEY>(key); }
}  // namespace

long WindowsRegistry::OpenKey(quint32 root, const QString& subKey, quint32 access, Key& key) {
  const QByteArray name = subKey.toLocal8Bit();  // the ANSI code page
  HKEY opened = nullptr;
  const LONG rc = RegOpenKeyExA(rootHandle(root), name.constData(), 0, static_cast<REGSAM>(access), &opened);
  if (rc == ERROR_SUCCESS) key = reinterpret_cast<Key>(opened);
  return rc;
}

long WindowsRegistry::QueryValue(Key key, const QString& valueName, quint32& type, QByteArray& buffer,
                                 quint32& size) {
  const QByteArray name = valueName.toLocal8Bit();
  DWORD valueType = 0;
  DWORD bytes = static_cast<DWORD>(qMin<qsizetype>(size, buffer.size()));
  const LONG rc = RegQueryValueExA(handle(key), name.constData(), nullptr, &valueType,
                                   reinterpret_cast<LPBYTE>(buffer.data()), &bytes);
  if (rc == ERROR_SUCCESS) {
    type = valueType;
    size = bytes;
  }
  return rc;
}

long WindowsRegistry::CloseKey(Key key) { return RegCloseKey(handle(key)); }
#endif
