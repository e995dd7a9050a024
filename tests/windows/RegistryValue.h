#pragma once
// One registry value changed for a test and put back as it was afterwards.
#include <QByteArray>
#include <QString>
#include <windows.h>

class RegistryValue {
 public:
  RegistryValue(HKEY root, const QString& key, const QString& name) : root_(root), key_(key), name_(name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root_, wide(key_), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return;
    keyExisted_ = true;
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(opened, wide(name_), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
      saved_.resize(size);
      if (RegQueryValueExW(opened, wide(name_), nullptr, &type, reinterpret_cast<LPBYTE>(saved_.data()), &size) ==
          ERROR_SUCCESS) {
        valueExisted_ = true;
        savedType_ = type;
      }
    }
    RegCloseKey(opened);
  }
  RegistryValue(const RegistryValue&) = delete;
  RegistryValue& operator=(const RegistryValue&) = delete;

  ~RegistryValue() {
    if (valueExisted_) {
      write(savedType_, saved_);
    } else {
      remove();
      if (!keyExisted_) RegDeleteKeyW(root_, wide(key_));
    }
  }

  // False when the value cannot be written (no right to the key).
  bool setText(const QString& text) {
    const QByteArray bytes(reinterpret_cast<const char*>(text.utf16()), (text.size() + 1) * 2);
    return write(REG_SZ, bytes);
  }
  bool setBytes(DWORD type, const QByteArray& bytes) { return write(type, bytes); }
  bool remove() {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root_, wide(key_), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return true;  // no key, no value
    const LONG rc = RegDeleteValueW(opened, wide(name_));
    RegCloseKey(opened);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
  }

 private:
  static const wchar_t* wide(const QString& text) { return reinterpret_cast<const wchar_t*>(text.utf16()); }
  bool write(DWORD type, const QByteArray& bytes) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(root_, wide(key_), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS)
      return false;
    const LONG rc = RegSetValueExW(opened, wide(name_), 0, type, reinterpret_cast<const BYTE*>(bytes.constData()),
                                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(opened);
    return rc == ERROR_SUCCESS;
  }

  HKEY root_;
  QString key_;
  QString name_;
  bool keyExisted_ = false;
  bool valueExisted_ = false;
  DWORD savedType_ = 0;
  QByteArray saved_;
};
