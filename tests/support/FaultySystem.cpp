#include "FaultySystem.h"

#include <QFileDevice>
#include <cerrno>

std::optional<qint64> FaultySystem::FileLen(const QString& fileName) {
  if (fileLenFails) return std::nullopt;
  return QtSystemServices::FileLen(fileName);
}

FileReadResult FaultySystem::ReadWholeFile(const QString& fileName) {
  if (readResult) return *readResult;
  return QtSystemServices::ReadWholeFile(fileName);
}

FileWriteResult FaultySystem::WriteWholeFile(const QString& fileName, const QByteArray& bytes) {
  writes.append(fileName);
  return QtSystemServices::WriteWholeFile(fileName, bytes);
}

qint64 FaultySystem::writeBytes(QFileDevice& file, const QByteArray& bytes) {
  if (writeErrno == 0) return QtSystemServices::writeBytes(file, bytes);
  file.write(bytes.left(bytes.size() / 2));
  errno = writeErrno;
  return -1;
}
