#include "recovery/RecoveryCopy.h"

#include <QCryptographicHash>
#include <QList>

namespace {
const QByteArray kTag = "TORVANE-EDIT-RECOVERY 1";

QByteArray checksum(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Names and captions may hold any character, a line break too.
QByteArray field(const QString& text) { return text.toUtf8().toPercentEncoding(); }
QString unfield(const QByteArray& text) { return QString::fromUtf8(QByteArray::fromPercentEncoding(text)); }

// "key value": the value, or nullopt when the line is another key's.
std::optional<QByteArray> valueOf(const QByteArray& line, const QByteArray& key) {
  if (!line.startsWith(key + ' ')) return std::nullopt;
  return line.mid(key.size() + 1);
}
}  // namespace

QByteArray EncodeRecoveryCopy(const RecoveryCopy& copy) {
  QByteArray out;
  out.reserve(copy.text.size() + 256);
  out += kTag + '\n';
  out += "file " + field(copy.fileName) + '\n';
  out += "caption " + field(copy.caption) + '\n';
  out += "length " + QByteArray::number(copy.text.size()) + '\n';
  out += "sha256 " + checksum(copy.text) + '\n';
  out += '\n';
  out += copy.text;
  return out;
}

std::optional<RecoveryCopy> DecodeRecoveryCopy(const QByteArray& stored) {
  const qsizetype end = stored.indexOf("\n\n");
  if (end < 0) return std::nullopt;
  const QList<QByteArray> lines = stored.left(end).split('\n');
  if (lines.size() != 5 || lines[0] != kTag) return std::nullopt;
  const auto file = valueOf(lines[1], "file");
  const auto caption = valueOf(lines[2], "caption");
  const auto length = valueOf(lines[3], "length");
  const auto sum = valueOf(lines[4], "sha256");
  if (!file || !caption || !length || !sum) return std::nullopt;
  bool ok = false;
  const qlonglong size = length->toLongLong(&ok);
  const QByteArray text = stored.mid(end + 2);
  if (!ok || size < 0 || text.size() != size || checksum(text) != *sum) return std::nullopt;
  RecoveryCopy copy{unfield(*file), unfield(*caption), text};
  if (copy.caption.isEmpty()) return std::nullopt;
  return copy;
}
