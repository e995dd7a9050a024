#pragma once
#include <QFileDevice>
#include <QLockFile>
#include <QMap>
#include <QMutex>
#include <memory>

#include "platform/RecoveryFolder.h"

// The recovery folder on the file system: under root, one sub-folder per
// set with a QLockFile named "lock" in it, copies named "*.copy".
class QtRecoveryFolder : public RecoveryFolder {
 public:
  explicit QtRecoveryFolder(const QString& root);
  ~QtRecoveryFolder() override;

  // Where the program keeps them for this user: the data folder Qt names
  // for the program, "recovery" inside it.
  static QString standardRoot();

  FileWriteResult WriteOwn(const QString& name, const QByteArray& bytes) override;
  bool RemoveOwn(const QString& name) override;
  void ReleaseOwn() override;
  QStringList ClaimOrphans() override;
  QList<StoredCopy> ReadOrphan(const QString& set) override;
  bool RemoveOrphanCopy(const QString& set, const QString& name) override;
  void ReleaseOrphan(const QString& set) override;

  const QString& root() const { return root_; }
  QString ownSet() const;  // "" until the first write

 protected:
  // Puts the bytes into the open temporary file of a copy; -1 with errno set
  // on failure. Tests make a full disk here.
  virtual qint64 writeBytes(QFileDevice& file, const QByteArray& bytes);

 private:
  FileWriteResult makeOwnSet();
  QString root_;
  mutable QMutex mutex_;
  QString own_;
  std::unique_ptr<QLockFile> ownLock_;
  std::map<QString, std::unique_ptr<QLockFile>> claimed_;
};
