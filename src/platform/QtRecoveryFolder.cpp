#include "platform/QtRecoveryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "platform/QtSystemServices.h"

namespace {
constexpr QFileDevice::Permissions kOwnerOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions kOwnerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const QString kLockName = QStringLiteral("lock");
const QString kCopyPattern = QStringLiteral("*.copy");
constexpr qint64 kLargestCopy = 64 * 1024 * 1024;

// A lock another instance may hold: only its owner's death makes it stale,
// never its age (an editor stays open for days).
std::unique_ptr<QLockFile> lockOf(const QString& folder) {
  auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(kLockName));
  lock->setStaleLockTime(0);
  return lock;
}

// A new folder readable by the user alone; false with errno set when it
// cannot be made (EEXIST when the name is taken).
bool makePrivateFolder(const QString& path) {
#ifdef Q_OS_UNIX
  return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0;
#else
  if (QFileInfo::exists(path)) {
    errno = EEXIST;
    return false;
  }
  errno = 0;
  return QDir().mkdir(path) && QFile::setPermissions(path, kOwnerOnlyFolder);
#endif
}

// The copies of a set: never the lock, never the temporary file of a write
// that was cut off.
QStringList copiesIn(const QString& folder) {
  return QDir(folder).entryList({kCopyPattern}, QDir::Files | QDir::Hidden, QDir::Name);
}
}  // namespace

QtRecoveryFolder::QtRecoveryFolder(const QString& root) : root_(root) {}

QtRecoveryFolder::~QtRecoveryFolder() = default;  // the locks let go; the copies stay

QString QtRecoveryFolder::standardRoot() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).filePath(QStringLiteral("recovery"));
}

QString QtRecoveryFolder::ownSet() const {
  QMutexLocker locked(&mutex_);
  return own_;
}

FileWriteResult QtRecoveryFolder::makeOwnSet() {
  FileWriteResult result;
  errno = 0;
  if (!QDir().mkpath(root_)) {
    result.error = describeWriteFailure(errno, root_);
    return result;
  }
  QFile::setPermissions(root_, kOwnerOnlyFolder);
  for (int attempt = 0; attempt < 5; ++attempt) {
    const QString name = QStringLiteral("%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    const QString folder = QDir(root_).filePath(name);
    if (!makePrivateFolder(folder)) {
      const int err = errno;
      if (err == EEXIST) continue;  // taken: another name
      result.error = describeWriteFailure(err, folder);
      return result;
    }
    auto lock = lockOf(folder);
    if (!lock->tryLock(0)) {
      // Claimed as an orphan by a starting instance in the moment between
      // the folder and its lock: that instance clears it; use another.
      continue;
    }
    own_ = name;
    ownLock_ = std::move(lock);
    result.ok = true;
    return result;
  }
  result.error = QStringLiteral("Can't make a folder of its own in %1.").arg(QDir::toNativeSeparators(root_));
  return result;
}

qint64 QtRecoveryFolder::writeBytes(QFileDevice& file, const QByteArray& bytes) { return file.write(bytes); }

FileWriteResult QtRecoveryFolder::WriteOwn(const QString& name, const QByteArray& bytes) {
  QMutexLocker locked(&mutex_);
  if (!ownLock_) {
    FileWriteResult made = makeOwnSet();
    if (!made.ok) return made;
  }
  FileWriteResult result;
  const QString path = QDir(QDir(root_).filePath(own_)).filePath(name);
  QSaveFile file(path);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    result.error = describeWriteFailure(errno, path, file.errorString());
    return result;
  }
  file.setPermissions(kOwnerOnlyFile);
  errno = 0;
  if (writeBytes(file, bytes) != bytes.size()) {
    const int err = errno;
    const QString text = file.errorString();
    file.cancelWriting();
    result.error = describeWriteFailure(err, path, text);
    return result;
  }
  errno = 0;
  if (!file.commit()) {
    result.error = describeWriteFailure(errno, path, file.errorString());
    return result;
  }
  result.ok = true;
  return result;
}

bool QtRecoveryFolder::RemoveOwn(const QString& name) {
  QMutexLocker locked(&mutex_);
  if (!ownLock_) return true;
  const QString path = QDir(QDir(root_).filePath(own_)).filePath(name);
  return QFile::remove(path) || !QFileInfo::exists(path);
}

void QtRecoveryFolder::ReleaseOwn() {
  QMutexLocker locked(&mutex_);
  if (!ownLock_) return;
  const QString folder = QDir(root_).filePath(own_);
  for (const QString& copy : copiesIn(folder)) QFile::remove(QDir(folder).filePath(copy));
  ownLock_->unlock();
  ownLock_.reset();
  QDir(root_).rmdir(own_);
  own_.clear();
}

QStringList QtRecoveryFolder::ClaimOrphans() {
  QMutexLocker locked(&mutex_);
  QStringList sets;
  const QDir root(root_);
  if (!root.exists()) return sets;
  for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
    if (name == own_ || claimed_.count(name)) continue;
    auto lock = lockOf(root.filePath(name));
    // Succeeds only when no live instance holds the set. The process number
    // in a dead one's lock may name a live process again, so a lock file that
    // no process holds (by the system's own file lock) is removed and taken.
    if (!lock->tryLock(0) && !(lock->removeStaleLockFile() && lock->tryLock(0))) continue;
    claimed_[name] = std::move(lock);
    sets.append(name);
  }
  return sets;
}

QList<StoredCopy> QtRecoveryFolder::ReadOrphan(const QString& set) {
  QMutexLocker locked(&mutex_);
  QList<StoredCopy> copies;
  if (!claimed_.count(set)) return copies;
  const QDir folder(QDir(root_).filePath(set));
  for (const QString& name : copiesIn(folder.path())) {
    QFile file(folder.filePath(name));
    StoredCopy copy{name, {}};
    // Far beyond any document: not a copy this program wrote, not read.
    if (file.size() <= kLargestCopy && file.open(QIODevice::ReadOnly)) copy.bytes = file.readAll();
    copies.append(copy);
  }
  return copies;
}

bool QtRecoveryFolder::RemoveOrphanCopy(const QString& set, const QString& name) {
  QMutexLocker locked(&mutex_);
  if (!claimed_.count(set)) return false;
  const QString path = QDir(QDir(root_).filePath(set)).filePath(name);
  return QFile::remove(path) || !QFileInfo::exists(path);
}

void QtRecoveryFolder::ReleaseOrphan(const QString& set) {
  QMutexLocker locked(&mutex_);
  auto found = claimed_.find(set);
  if (found == claimed_.end()) return;
  found->second->unlock();
  claimed_.erase(found);
  QDir(root_).rmdir(set);  // only when empty: what was not offered stays
}
