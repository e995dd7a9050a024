#include "recovery/RecoverDocuments.h"

#include <algorithm>

#include "platform/RecoveryFolder.h"
#include "platform/Runtime.h"
#include "recovery/DocumentRecovery.h"
#include "recovery/RecoveryCopy.h"
#include "windows/TextBox.h"
#include "windows/Toolbar.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/DocumentTable.h"
#include "workspace/Program.h"

namespace {
struct Found {
  DocumentRecovery::Origin origin;
  RecoveryCopy copy;
};

// Whole copies only, in the order their documents had. A damaged or cut-off
// copy is not offered, and not deleted either: it stays where it is.
QList<Found> wholeCopies(RecoveryFolder& folder, const QStringList& sets) {
  QList<Found> found;
  for (const QString& set : sets)
    for (const StoredCopy& stored : folder.ReadOrphan(set))
      if (auto copy = DecodeRecoveryCopy(stored.bytes)) found.append({{set, stored.name}, *copy});
  std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    if (a.origin.set != b.origin.set) return a.origin.set < b.origin.set;
    return RecoveryCopySlot(a.origin.name) < RecoveryCopySlot(b.origin.name);
  });
  return found;
}

void restore(Program& program, const QList<Found>& found, const QStringList& sets) {
  QList<std::pair<frmNotePad*, DocumentRecovery::Origin>> recovered;
  for (const Found& f : found) {
    const qint16 slot = FindFreeDocumentSlot(program);
    if (slot == 0) break;  // the slots are used up; the user was told, the rest stay on disk
    frmNotePad* window = CreateDocumentWindow(program, slot);
    window->setCaption(f.copy.caption);
    window->FileName = f.copy.fileName;
    window->Text1->SetText(f.copy.text);
    // Not saved anywhere yet: closing asks, Save writes to the real file.
    program.DocumentStates[slot].Changed = True16;
    program.frame->ShowDocument(window);
    recovered.append({window, f.origin});
  }
  RestoreEditButtons(program);
  program.recovery->TakeOver(recovered, sets);
}
}  // namespace

QString RecoverQuestionText(const QString& title, int n) {
  const QString documents = n == 1 ? QStringLiteral("1 document") : QStringLiteral("%1 documents").arg(n);
  return QStringLiteral("%1 had unsaved changes when %2 last stopped unexpectedly.").arg(documents, title) +
         QStringLiteral("\r\n") +
         (n == 1 ? QStringLiteral("Do you want to recover it?") : QStringLiteral("Do you want to recover them?"));
}

QString DiscardQuestionText(int n) {
  return (n == 1 ? QStringLiteral("Discard the unsaved changes of that document for good?")
                 : QStringLiteral("Discard the unsaved changes of those %1 documents for good?").arg(n)) +
         QStringLiteral("\r\n") + QStringLiteral("They cannot be recovered afterwards.");
}

void OfferRecoveredDocuments(Program& program) {
  if (!program.recovery) return;
  RecoveryFolder& folder = program.recovery->folder;
  const QStringList sets = folder.ClaimOrphans();
  if (sets.isEmpty()) return;
  const QList<Found> found = wholeCopies(folder, sets);
  const auto letGo = [&] {
    for (const QString& set : sets) folder.ReleaseOrphan(set);
  };
  if (found.isEmpty()) {
    letGo();  // sets with nothing to offer: empty ones go, damaged copies stay
    return;
  }
  Runtime& runtime = program.runtime();
  const QString& title = program.App().Title;
  const int n = int(found.size());
  if (runtime.MsgBox(RecoverQuestionText(title, n), MsgBoxCode::YesNo | MsgBoxCode::Question, title) ==
      MsgBoxResult::Yes) {
    restore(program, found, sets);
    return;
  }
  if (runtime.MsgBox(DiscardQuestionText(n), MsgBoxCode::YesNo | MsgBoxCode::Question | MsgBoxCode::DefaultButton2,
                     title) == MsgBoxResult::Yes) {
    for (const Found& f : found) folder.RemoveOrphanCopy(f.origin.set, f.origin.name);
  }
  letGo();
}
