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

namespace {
QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// The nearest folder above path that exists, or path's own folder when none
// of them does (a relative name on an empty disk).
QString nearestExisting(const QString& path) {
  QString probe = QFileInfo(path).absolutePath();
  while (!QFileInfo::exists(probe)) {
    const QString up = QFileInfo(probe).absolutePath();
    if (up == probe) break;
    probe = up;
  }
  return probe;
}

// Why a path cannot be reached: a file where a folder should be, or the
// first folder on the way that is missing.
QString unreachableCause(const QString& path, bool fileItselfMissing) {
  const QString folder = QFileInfo(path).absolutePath();
  const QString existing = nearestExisting(path);
  const QFileInfo found(existing);
  if (found.exists() && !found.isDir()) return QStringLiteral("%1 is a file, not a folder.").arg(shown(existing));
  if (existing != folder || !found.exists()) return QStringLiteral("the folder %1 does not exist.").arg(shown(folder));
  return fileItselfMissing ? QStringLiteral("the file does not exist.") : QStringLiteral("no file can be created in the folder %1.").arg(shown(folder));
}

QString cause(int errnum, const QString& path, const QString& systemText, bool reading) {
  switch (errnum) {
    case ENOENT: return unreachableCause(path, reading);
    case ENOTDIR: return unreachableCause(path, false);
    case EISDIR: return QStringLiteral("it is a folder, not a file.");
    case EACCES:
    case EPERM: return QStringLiteral("permission denied.");
    case EROFS: return QStringLiteral("the disk is read-only.");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return QStringLiteral("there is no space left on the device.");
    case ELOOP: return QStringLiteral("it goes through too many symbolic links.");
    case ENAMETOOLONG: return QStringLiteral("the name is too long.");
    case EIO: return QStringLiteral("the device reported an input/output error.");
    default: break;
  }
  if (errnum == 0 && systemText.isEmpty()) {
    // Without a word from the system (Windows gives none for some faults),
    // a file where a folder should be still shows on the disk.
    const QFileInfo found(nearestExisting(path));
    if (found.exists() && !found.isDir()) return unreachableCause(path, reading);
  }
  QString text = errnum != 0 ? QString::fromLocal8Bit(std::strerror(errnum)) : systemText;
  if (text.isEmpty()) text = QStringLiteral("the system gave no reason");
  if (!text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
  return text;
}

const QString notRegular = QStringLiteral("it is not a regular file.");
}  // namespace

QString describeWriteFailure(int errnum, const QString& path, const QString& systemText) {
  return QStringLiteral("Can't save %1: %2").arg(shown(path), cause(errnum, path, systemText, false));
}

QString describeReadFailure(int errnum, const QString& path, const QString& systemText) {
  return QStringLiteral("Can't read %1: %2").arg(shown(path), cause(errnum, path, systemText, true));
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
  result.status = FileReadResult::OpenFailed;
  if (fileName.isEmpty()) {
    result.error = QStringLiteral("No file name was given.");
    return result;
  }
  const QString path = toSystemPath(fileName);
  const QFileInfo info(path);
  if (!info.exists()) {
    result.error = describeReadFailure(ENOENT, path);
    return result;
  }
  if (info.isDir()) {
    result.error = describeReadFailure(EISDIR, path);
    return result;
  }
  // A pipe or a device could block the program or never end.
  if (!info.isFile()) {
    result.error = QStringLiteral("Can't read %1: %2").arg(shown(path), notRegular);
    return result;
  }
  QFile file(path);
  errno = 0;
  if (!file.open(QIODevice::ReadOnly)) {
    result.error = describeReadFailure(errno, path, file.errorString());
    return result;
  }
  errno = 0;
  QByteArray bytes = file.readAll();
  const int err = errno;
  if (file.error() != QFileDevice::NoError) {
    result.status = FileReadResult::ReadFailed;
    result.error = describeReadFailure(err, path, file.errorString());
    return result;
  }
  result.status = FileReadResult::Ok;
  result.bytes = std::move(bytes);
  return result;
}

qint64 QtSystemServices::writeBytes(QFileDevice& file, const QByteArray& bytes) { return file.write(bytes); }

FileWriteResult QtSystemServices::WriteWholeFile(const QString& fileName, const QByteArray& bytes) {
  FileWriteResult result;
  if (fileName.isEmpty()) {
    result.error = QStringLiteral("No file name was given.");
    return result;
  }
  // Write through symbolic links to the file they name, so the links stay.
  QString target = toSystemPath(fileName);
  for (int depth = 0; QFileInfo(target).isSymLink(); ++depth) {
    if (depth == 40) {
      result.error = describeWriteFailure(ELOOP, fileName);
      return result;
    }
    target = QFileInfo(target).symLinkTarget();
  }
  const QFileInfo info(target);
  if (info.isDir()) {
    result.error = describeWriteFailure(EISDIR, target);
    return result;
  }
  // A device or a pipe would be replaced by a plain file.
  if (info.exists() && !info.isFile()) {
    result.error = QStringLiteral("Can't save %1: %2").arg(shown(target), notRegular);
    return result;
  }
  const QFileInfo folder(info.absolutePath());
  if (!folder.isDir()) {
    result.error = describeWriteFailure(folder.exists() ? ENOTDIR : ENOENT, target);
    return result;
  }

  // The new text goes to a temporary file beside the target, which replaces
  // the target only once complete and flushed: a failed save leaves the old
  // file as it was. An existing target's permissions carry over.
  QSaveFile file(target);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    result.error = describeWriteFailure(errno, target, file.errorString());
    return result;
  }
  errno = 0;
  if (writeBytes(file, bytes) != bytes.size()) {
    const int err = errno;
    const QString text = file.errorString();
    file.cancelWriting();
    result.error = describeWriteFailure(err, target, text);
    return result;
  }
  errno = 0;
  if (!file.commit()) {
    result.error = describeWriteFailure(errno, target, file.errorString());
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
  // The long time as the system shows it on a clock: without the time zone
  // that Qt's long format carries.
  QStringList timeParts = locale.timeFormat(QLocale::LongFormat).split(QLatin1Char(' '));
  timeParts.removeIf([](const QString& part) { return !part.isEmpty() && part.count(QLatin1Char('t')) == part.size(); });
  return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
         locale.toString(when.time(), timeParts.join(QLatin1Char(' ')));
}

QString QtSystemServices::UCase(const QString& text) {
  QString upper = text;
  for (QChar& c : upper) c = c.toUpper();
  return upper;
}
