#include "recovery/DocumentRecovery.h"

#include <utility>

#include "platform/RecoveryFolder.h"
#include "platform/WorkerQueue.h"
#include "recovery/RecoveryCopy.h"
#include "windows/StatusBar.h"
#include "windows/TextBox.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/Program.h"

namespace {
const QString kSuffix = QStringLiteral(".copy");

RecoveryCopy copyOf(const frmNotePad& document) {
  return {document.FileName, document.Caption(), document.Text1->Text()};
}
}

QString RecoveryCopyName(int slot) { return QString::number(slot) + kSuffix; }

int RecoveryCopySlot(const QString& name) {
  if (!name.endsWith(kSuffix)) return 0;
  bool ok = false;
  const int slot = name.chopped(kSuffix.size()).toInt(&ok);
  return ok && slot > 0 ? slot : 0;
}

DocumentRecovery::DocumentRecovery(Program& program, RecoveryFolder& folder, WorkerQueue& queue)
    : folder(folder), queue(queue), program_(program) {
  timer_.setSingleShot(true);
  timer_.setInterval(kGatherMs);
  connect(&timer_, &QTimer::timeout, this, &DocumentRecovery::WriteChanged);
}

DocumentRecovery::~DocumentRecovery() {
  queue.Finish();
  if (program_.recovery == this) program_.recovery = nullptr;
}

int DocumentRecovery::slotOf(const frmNotePad& document) const { return document.Tag().toInt(); }

void DocumentRecovery::DocumentChanged(frmNotePad& document) {
  pending_.insert(slotOf(document));
  // Not restarted by later changes: steady typing is copied every two
  // seconds, not only once it pauses.
  if (!timer_.isActive()) timer_.start();
}

void DocumentRecovery::WriteChanged() {
  const QSet<int> due = std::exchange(pending_, {});
  for (int slot : due) {
    if (slot <= 0 || slot >= program_.Documents.size()) continue;
    frmNotePad* document = program_.Documents[slot];
    if (!document || program_.DocumentStates[slot].Deleted || !program_.DocumentStates[slot].Changed) continue;
    HandOff(*document);
  }
}

void DocumentRecovery::HandOff(frmNotePad& document) {
  const int slot = slotOf(document);
  pending_.remove(slot);
  copied_.insert(slot);
  queue.Post([this, slot, copy = copyOf(document)] {
    const FileWriteResult written = folder.WriteOwn(RecoveryCopyName(slot), EncodeRecoveryCopy(copy));
    if (!written.ok) reportFromWriter(written.error);
  });
}

void DocumentRecovery::CopyNoLongerNeeded(frmNotePad& document) {
  const int slot = slotOf(document);
  pending_.remove(slot);
  if (!copied_.remove(slot)) return;
  // After any write of it still queued.
  queue.Post([this, slot] { folder.RemoveOwn(RecoveryCopyName(slot)); });
}

void DocumentRecovery::ProgramEnding() {
  timer_.stop();
  pending_.clear();
  copied_.clear();
  queue.Finish();
  folder.ReleaseOwn();
}

void DocumentRecovery::TakeOver(const QList<std::pair<frmNotePad*, Origin>>& recovered,
                                const QStringList& claimedSets) {
  struct Move {
    int slot;
    RecoveryCopy copy;
    Origin origin;
  };
  QList<Move> moves;
  for (const auto& [document, origin] : recovered) {
    const int slot = slotOf(*document);
    pending_.remove(slot);
    copied_.insert(slot);
    moves.append({slot, copyOf(*document), origin});
  }
  queue.Post([this, moves, claimedSets] {
    bool allKept = true;
    for (const Move& m : moves) {
      const FileWriteResult written = folder.WriteOwn(RecoveryCopyName(m.slot), EncodeRecoveryCopy(m.copy));
      if (!written.ok) {
        allKept = false;
        reportFromWriter(written.error);
        break;
      }
    }
    // Until the text is safe in this set, the old copies are its only
    // safety outside memory.
    if (allKept)
      for (const Move& m : moves) folder.RemoveOrphanCopy(m.origin.set, m.origin.name);
    for (const QString& set : claimedSets) folder.ReleaseOrphan(set);
  });
}

void DocumentRecovery::reportFromWriter(const QString& why) {
  QMetaObject::invokeMethod(this, [this, why] { failed(why); }, Qt::QueuedConnection);
}

void DocumentRecovery::failed(const QString& why) {
  // Once: editing goes on as if nothing happened; later writes still try.
  if (told_) return;
  told_ = true;
  if (!program_.frame) return;
  if (auto* bar = qobject_cast<StatusBar*>(program_.frame->statusBar()))
    bar->ShowNotice(QStringLiteral("Can't keep recovery copies"), why);
}

void RecoveryDocumentChanged(Program& program, frmNotePad& document) {
  if (program.recovery) program.recovery->DocumentChanged(document);
}

void RecoveryDocumentSaved(Program& program, frmNotePad& document) {
  if (program.recovery) program.recovery->CopyNoLongerNeeded(document);
}

void RecoveryDocumentClosed(Program& program, frmNotePad& document) {
  if (program.recovery) program.recovery->CopyNoLongerNeeded(document);
}

void RecoveryProgramEnding(Program& program) {
  if (program.recovery) program.recovery->ProgramEnding();
}
