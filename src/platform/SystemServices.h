#pragma once
// Services of the operating system other than windows: files, folders,
// program start, clock and case mapping.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

struct FileReadResult {
  enum Status { Ok, OpenFailed, ReadFailed };
  Status status = OpenFailed;
  QByteArray bytes;
  QString error;  // the system's description of what went wrong
};

struct FileWriteResult {
  bool ok = false;
  QString error;  // the system's description of what went wrong
};

class SystemServices {
 public:
  virtual ~SystemServices() = default;

  virtual bool ChDir(const QString& folder) = 0;
  virtual QString CurDir() const = 0;

  // Size in bytes of a named file without opening it; nullopt when it cannot
  // be reached or is not a regular file.
  virtual std::optional<qint64> FileLen(const QString& fileName) = 0;

  // Whole-file read, bytes exactly as stored.
  virtual FileReadResult ReadWholeFile(const QString& fileName) = 0;

  // Whole-file write, bytes exactly as given. Atomic: the target is replaced
  // only by a complete, flushed file, and keeps it permissions; a symbolic
  // link is written through.
  virtual FileWriteResult WriteWholeFile(const QString& fileName, const QByteArray& bytes) = 0;

  // Name of the first normal file matching the pattern, or "" when none does.
  virtual QString Dir(const QString& pattern) = 0;

  // Starts a program without waiting for it; false when it cannot be started.
  virtual bool Shell(const QString& program) = 0;

  virtual QDateTime Now() = 0;
  // The locale's short date, a blank, the locale's long time.
  virtual QString DateTimeText(const QDateTime& when) = 0;

  // Upper case with a mapping that keeps the length of the string.
  virtual QString UCase(const QString& text) = 0;
};
