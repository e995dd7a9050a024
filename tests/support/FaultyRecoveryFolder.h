#pragma once
// The real recovery folder with a disk that fills: once full is set, the
// write of a copy stops after half its bytes with "no space left".
#include <QFileDevice>
#include <atomic>
#include <cerrno>

#include "platform/QtRecoveryFolder.h"

class FaultyRecoveryFolder : public QtRecoveryFolder {
 public:
  using QtRecoveryFolder::QtRecoveryFolder;
  std::atomic<bool> full{false};

 protected:
  qint64 writeBytes(QFileDevice& file, const QByteArray& bytes) override {
    if (!full) return QtRecoveryFolder::writeBytes(file, bytes);
    file.write(bytes.left(bytes.size() / 2));
    errno = ENOSPC;
    return -1;
  }
};
