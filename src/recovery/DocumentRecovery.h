#pragma once
// Keeps a recovery copy of every document with unsaved changes, so that a
// crash, a kill or a lost session loses at most the last two seconds of
// typing. Changes are gathered: a copy is written at most kGatherMs after a
// change, by another thread; this thread only copies the text out and hands
// it over. A copy goes once its document no longer needs it.
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

class Program;
class frmNotePad;
class RecoveryFolder;
class WorkerQueue;

class DocumentRecovery : public QObject {
  Q_OBJECT
 public:
  DocumentRecovery(Program& program, RecoveryFolder& folder, WorkerQueue& queue);
  // Waits for the writer. The copies stay: only a normal end removes them.
  ~DocumentRecovery() override;

  static constexpr int kGatherMs = 2000;

  void DocumentChanged(frmNotePad& document);
  // Saved, or closed: its copy goes.
  void CopyNoLongerNeeded(frmNotePad& document);
  // The program ends normally: the own set goes.
  void ProgramEnding();

  // The gathering's end: every document changed since its last copy, and
  // still changed, is handed to the writer.
  void WriteChanged();
  // The share of one write done on this thread.
  void HandOff(frmNotePad& document);

  // Recovered documents: their text goes into this instance's own set, and
  // only once all of it is there do the copies they came from go. The sets
  // they came from are let go either way.
  struct Origin {
    QString set;
    QString name;
  };
  void TakeOver(const QList<std::pair<frmNotePad*, Origin>>& recovered, const QStringList& claimedSets);

  // Whether the user has been told that copies cannot be kept.
  bool FailureTold() const { return told_; }
  bool Gathering() const { return timer_.isActive(); }

  RecoveryFolder& folder;
  WorkerQueue& queue;

 private:
  void failed(const QString& why);  // from the writer, on this thread
  void reportFromWriter(const QString& why);
  int slotOf(const frmNotePad& document) const;

  Program& program_;
  QTimer timer_;
  QSet<int> pending_;  // slots changed since their last hand-off
  QSet<int> copied_;   // slots whose copy has been handed to the writer
  bool told_ = false;
};

// The copy's name in a set, from the document's slot.
QString RecoveryCopyName(int slot);
// The slot in a copy's name; 0 when it is not one.
int RecoveryCopySlot(const QString& name);

// What the rest of the program calls; nothing when recovery is off.
void RecoveryDocumentChanged(Program& program, frmNotePad& document);
void RecoveryDocumentSaved(Program& program, frmNotePad& document);
void RecoveryDocumentClosed(Program& program, frmNotePad& document);
void RecoveryProgramEnding(Program& program);
