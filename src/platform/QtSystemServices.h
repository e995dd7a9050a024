#pragma once
#include "platform/SystemServices.h"

class QFileDevice;

// The system services on Qt Core. Methods are virtual so that tests can
// inject faults into one service while keeping the real others.
class QtSystemServices : public SystemServices {
 public:
  bool ChDir(const QString& folder) override;
  QString CurDir() const override;
  std::optional<qint64> FileLen(const QString& fileName) override;
  FileReadResult ReadWholeFile(const QString& fileName) override;
  FileWriteResult WriteWholeFile(const QString& fileName, const QByteArray& bytes) override;
  QString Dir(const QString& pattern) override;
  bool Shell(const QString& program) override;
  QDateTime Now() override;
  QString DateTimeText(const QDateTime& when) override;
  QString UCase(const QString& text) override;

 protected:
  // Puts the bytes into the open temporary file of a save and returns how
  // many went in, -1 with errno set on failure. A device that fails part-way
  // (a full disk) is made here in tests.
  virtual qint64 writeBytes(QFileDevice& file, const QByteArray& bytes);
};

// A file name as the user wrote it, with either separator, as a path that
// the file APIs of this system take.
QString toSystemPath(const QString& fileName);

// What went wrong with a file, in the user's words: errnum is the system's
// error number, path the file concerned, systemText the system's own words
// for causes without words of their own here.
QString describeWriteFailure(int errnum, const QString& path, const QString& systemText = {});
QString describeReadFailure(int errnum, const QString& path, const QString& systemText = {});
