#pragma once
// A registry held in memory that records how it was used.
#include <QHash>
#include <QList>
#include <optional>

#include "platform/Registry.h"

class FakeRegistry : public Registry {
 public:
  struct Value {
    quint32 type = RegistryCode::REG_SZ;
    QByteArray bytes;
    // A size to report instead of the bytes written, as a faulty system might.
    std::optional<quint32> reportedSize;
  };
  struct OpenCall {
    quint32 root;
    QString path;
    quint32 access;
  };

  // Keys live under HKEY_LOCAL_MACHINE.
  void addKey(const QString& path) { keys_[path]; }
  void setValue(const QString& path, const QString& name, const Value& value) { keys_[path][name] = value; }

  long OpenKey(quint32 root, const QString& subKey, quint32 access, Key& key) override;
  long QueryValue(Key key, const QString& valueName, quint32& type, QByteArray& buffer, quint32& size) override;
  long CloseKey(Key key) override;

  QList<OpenCall> opens;      // every open asked for, found or not
  QStringList queries;        // "key path|value name"
  int closes = 0;
  int openHandles() const { return int(handles_.size()); }
  bool opened(const QString& path) const;

 private:
  QHash<QString, QHash<QString, Value>> keys_;
  QHash<Key, QString> handles_;
  Key nextHandle_ = 0x100;
};
