#include "launch/HandOverMessage.h"

#include <QDir>
#include <QFile>

#include "platform/InstanceChannel.h"

namespace {
const QByteArray kTag = QByteArrayLiteral("torvane-edit open\n");

// Names travel as the system stores them: bytes on Linux and its kin; on
// Windows, whose names are UTF-16, as UTF-8, which keeps every one.
QByteArray nameBytes(const QString& file) {
#ifdef Q_OS_WIN
  return file.toUtf8();
#else
  return QFile::encodeName(file);
#endif
}

QString nameOf(const QByteArray& bytes) {
#ifdef Q_OS_WIN
  return QString::fromUtf8(bytes);
#else
  return QFile::decodeName(bytes);
#endif
}
}  // namespace

QList<QByteArray> HandOverMessages(const QStringList& files) {
  QList<QByteArray> messages;
  QByteArray message = kTag;
  int count = 0;
  for (const QString& file : files) {
    const QByteArray name = nameBytes(file);
    if (name.isEmpty() || name.size() > MaxHandOverNameBytes || name.contains('\0')) continue;
    if (count == MaxHandOverFiles || message.size() + name.size() + 1 > InstanceChannel::MaxMessageBytes) {
      messages.append(message);
      message = kTag;
      count = 0;
    }
    message += name + '\0';
    ++count;
  }
  if (count > 0) messages.append(message);
  return messages;
}

std::optional<QStringList> ReadHandOverMessage(const QByteArray& message) {
  if (message.size() > InstanceChannel::MaxMessageBytes || !message.startsWith(kTag)) return std::nullopt;
  const QByteArray body = message.mid(kTag.size());
  if (!body.isEmpty() && !body.endsWith('\0')) return std::nullopt;  // cut short
  QList<QByteArray> names = body.split('\0');
  names.removeLast();  // what follows the last NUL
  if (names.size() > MaxHandOverFiles) return std::nullopt;
  QStringList files;
  for (const QByteArray& name : names) {
    if (name.isEmpty() || name.size() > MaxHandOverNameBytes) continue;
    const QString file = nameOf(name);
    if (QDir::isAbsolutePath(file)) files.append(file);
  }
  return files;
}
