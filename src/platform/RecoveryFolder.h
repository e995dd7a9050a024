#pragma once
// The folder that keeps recovery copies of unsaved text. Each running
// instance writes only into a set of its own (a sub-folder it holds a lock
// on); a set whose owner has gone without cleaning up is an orphan, which
// one later instance at a time may claim, read and clear.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/SystemServices.h"

struct StoredCopy {
  QString name;      // the file's name inside its set
  QByteArray bytes;  // as read; empty when it could not be read
};

// Every method may be called from the writer thread or the user-interface
// thread; the implementation serialises them.
class RecoveryFolder {
 public:
  virtual ~RecoveryFolder() = default;

  // Replaces the named copy in this instance's own set, atomically. The set
  // is made and locked on the first write, the folders readable by the user
  // alone, the copy too.
  virtual FileWriteResult WriteOwn(const QString& name, const QByteArray& bytes) = 0;
  // Removes a copy of the own set; false when it is still there.
  virtual bool RemoveOwn(const QString& name) = 0;
  // The normal end: the own set's copies, lock and folder go.
  virtual void ReleaseOwn() = 0;

  // Locks every orphaned set for this instance and names them.
  virtual QStringList ClaimOrphans() = 0;
  // The copies of a claimed set, in name order.
  virtual QList<StoredCopy> ReadOrphan(const QString& set) = 0;
  virtual bool RemoveOrphanCopy(const QString& set, const QString& name) = 0;
  // Lets go of a claimed set; its folder goes once nothing is left in it.
  virtual void ReleaseOrphan(const QString& set) = 0;
};
