#include "platform/QtSystemServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

QString toSystemPath(const QString& fileName) {
#ifdef Q_OS_WIN
  return QDir::fromNativeSeparators(fileName);
#else
  return fileName;
#endif
}

bool QtSystemServices::ChDir(const QString& folder) { return QDir::setCurrent(toSystemPath(folder)); }

QString QtSystemServices::CurDir() const { return QDir::toNativeSeparators(QDir::currentPath()); }

std::optional<qint64> QtSystemServices::FileLen(const QString& fileName) {
  const QFileInfo info(toSystemPath(fileName));
  if (fileName.isEmpty() || !info.exists() || !info.isFile()) return std::nullopt;
  return info.size();
}

FileReadResult QtSystemServices::ReadWholeFile(const QString& fileName) {
  FileReadResult result;
  QFile file(toSystemPath(fileName));
  if (fileName.isEmpty() || QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly)) {
    result.status = FileReadResult::OpenFailed;
    result.error = fileName.isEmpty() ? QStringLiteral("No file name was given.") : file.errorString();
    return result;
  }
  result.bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    result.status = FileReadResult::ReadFailed;
    result.error = file.errorString();
    result.bytes.clear();
    return result;
  }
  result.status = FileReadResult::Ok;
  return result;
}

namespace {
// The system's own words for the last failure, where Qt's are vaguer.
QString describe(const QFileDevice& file, int savedErrno) {
  if (savedErrno != 0) return QString::fromLocal8Bit(std::strerror(savedErrno));
  return file.errorString();
}
}  // namespace

FileWriteResult QtSystemServices::WriteWholeFile(const QString& fileName, const QByteArray& bytes) {
  FileWriteResult result;
  if (fileName.isEmpty()) {
    result.error = QStringLiteral("No file name was given.");
    return result;
  }
  // Write through a symbolic link to the file it names, so the link stays.
  QString target = toSystemPath(fileName);
  const QFileInfo info(target);
  if (info.isSymLink()) target = info.symLinkTarget();
  if (QFileInfo(target).isDir()) {
    result.error = QString::fromLocal8Bit(std::strerror(EISDIR));
    return result;
  }
  const QFileInfo parent(QFileInfo(target).absolutePath());
  if (!parent.exists()) {
    result.error = QString::fromLocal8Bit(std::strerror(ENOENT));
    return result;
  }
  if (!parent.isDir()) {
    result.error = QString::fromLocal8Bit(std::strerror(ENOTDIR));
    return result;
  }
  QSaveFile file(target);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) {
    result.error = describe(file, errno);
    return result;
  }
  errno = 0;
  if (file.write(bytes) != bytes.size()) {
    const int err = errno;
    file.cancelWriting();
    result.error = describe(file, err);
    return result;
  }
  errno = 0;
  if (!file.commit()) {
    result.error = describe(file, errno);
    return result;
  }
  result.ok = true;
  return result;
}

QString QtSystemServices::Dir(const QString& pattern) {
  const QFileInfo info(toSystemPath(pattern));
  const QDir dir = info.dir();
  const QStringList found = dir.entryList({info.fileName()}, QDir::Files | QDir::Hidden, QDir::Name);
  return found.isEmpty() ? QString() : found.constFirst();
}

bool QtSystemServices::Shell(const QString& program) { return QProcess::startDetached(toSystemPath(program), {}); }

QDateTime QtSystemServices::Now() { return QDateTime::currentDateTime(); }

QString QtSystemServices::DateTimeText(const QDateTime& when) {
  const QLocale locale;
  return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
         locale.toString(when.time(), QLocale::LongFormat);
}

QString QtSystemServices::UCase(const QString& text) {
  QString upper = text;
  for (QChar& c : upper) c = c.toUpper();
  return upper;
}
