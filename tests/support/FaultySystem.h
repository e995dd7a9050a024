#pragma once
// The real system services with faults that cannot be made for real on a
// test machine (tests run as root, disks are not full): each one is off
// until a test turns it on.
#include <QStringList>
#include <optional>

#include "platform/QtSystemServices.h"

class FaultySystem : public QtSystemServices {
 public:
  // FileLen cannot read the length of any file.
  bool fileLenFails = false;
  // ReadWholeFile gives this instead of reading.
  std::optional<FileReadResult> readResult;
  // The write of a save stops after half the bytes with this errno (0: off).
  int writeErrno = 0;

  QStringList writes;  // every name a save was asked to write

  std::optional<qint64> FileLen(const QString& fileName) override;
  FileReadResult ReadWholeFile(const QString& fileName) override;
  FileWriteResult WriteWholeFile(const QString& fileName, const QByteArray& bytes) override;

 protected:
  qint64 writeBytes(QFileDevice& file, const QByteArray& bytes) override;
};
