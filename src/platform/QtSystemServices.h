#pragma once
#include "platform/SystemServices.h"

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
};

// A file name as the user wrote it, with either separator, as a path that
// the file APIs of this system take.
QString toSystemPath(const QString& fileName);
