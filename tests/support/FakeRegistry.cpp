#include "FakeRegistry.h"

#include <cstring>

namespace {
constexpr long kInvalidHandle = 6;  // ERROR_INVALID_HANDLE
}

long FakeRegistry::OpenKey(quint32 root, const QString& subKey, quint32 access, Key& key) {
  opens.append({root, subKey, access});
  if (root != RegistryCode::HKEY_LOCAL_MACHINE || !keys_.contains(subKey)) return RegistryCode::ERROR_FILE_NOT_FOUND;
  key = nextHandle_++;
  handles_.insert(key, subKey);
  return RegistryCode::ERROR_SUCCESS;
}

long FakeRegistry::QueryValue(Key key, const QString& valueName, quint32& type, QByteArray& buffer, quint32& size) {
  if (!handles_.contains(key)) return kInvalidHandle;
  const QString path = handles_.value(key);
  queries.append(path + QLatin1Char('|') + valueName);
  const auto& values = keys_[path];
  if (!values.contains(valueName)) return RegistryCode::ERROR_FILE_NOT_FOUND;
  const Value& value = values[valueName];
  const qsizetype room = qMin<qsizetype>(size, buffer.size());
  if (value.bytes.size() > room) {
    size = quint32(value.bytes.size());
    return RegistryCode::ERROR_MORE_DATA;
  }
  std::memcpy(buffer.data(), value.bytes.constData(), size_t(value.bytes.size()));
  type = value.type;
  size = value.reportedSize.value_or(quint32(value.bytes.size()));
  return RegistryCode::ERROR_SUCCESS;
}

long FakeRegistry::CloseKey(Key key) {
  ++closes;
  return handles_.remove(key) ? RegistryCode::ERROR_SUCCESS : kInvalidHandle;
}

bool FakeRegistry::opened(const QString& path) const {
  for (const OpenCall& call : opens)
    if (call.path == path) return true;
  return false;
}
