#include "workspace/CloseDocuments.h"

#include <QMdiSubWindow>

#include "platform/Runtime.h"
#include "recent/RecentFiles.h"
#include "recovery/DocumentRecovery.h"
#include "windows/Form1.h"
#include "windows/Toolbar.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/DocumentTable.h"
#include "workspace/Program.h"
#include "workspace/SaveFiles.h"

QString SaveQuestionText(const QString& caption) {
  return QStringLiteral("The text in [") + caption + QStringLiteral("] has changed.") + QStringLiteral("\r\n") +
         QStringLiteral("Do you want to save the changes?");
}

void QueryUnloadDocument(Program& program, frmNotePad& document, bool& Cancel) {
  Cancel = false;
  if (!StateOf(program, document).Changed) return;
  const int answer = program.runtime().MsgBox(SaveQuestionText(document.Caption()),
                                              MsgBoxCode::YesNoCancel | MsgBoxCode::Exclamation,
                                              program.frame->windowTitle());
  if (answer == MsgBoxResult::No) return;
  if (answer != MsgBoxResult::Yes) {
    Cancel = true;
    return;
  }
  // Yes: the document closes only once its text is safely written. A
  // cancelled save dialog or a failed write keeps it open (and stops a quit).
  const QString F = IsUntitledCaption(document.Caption()) ? PromptSaveFileName(program, QStringLiteral("untitled.txt"))
                                                          : DocumentFileName(document);
  Cancel = F.isEmpty() || !WriteDocumentFile(program, document, F);
}

void DocumentUnloaded(Program& program, frmNotePad& document) {
  StateOf(program, document).Deleted = True16;
  RecoveryDocumentClosed(program, document);
  if (!AnyDocumentsOpen(program)) {
    HideEditButtons(program);
    program.EditButtonsHidden = True16;
    RefreshRecentMenus(program);
  }
}

void UnloadDocument(Program&, frmNotePad& document) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(document.parentWidget()))
    sub->close();
  else
    document.close();
}

bool UnloadAllDocuments(Program& program) {
  const QList<frmNotePad*> windows = program.frame->DocumentWindows();
  for (frmNotePad* w : windows) {
    bool cancel = false;
    w->Form_QueryUnload(cancel);
    if (cancel) return false;
  }
  for (frmNotePad* w : windows) {
    w->unloadAsked = true;
    UnloadDocument(program, *w);
  }
  return true;
}

void FrameUnloaded(Program& program) {
  if (!AnyDocumentsOpen(program)) {
    RecoveryProgramEnding(program);
    program.runtime().End();
  }
}

void QuitProgram(Program& program) {
  {
    // A fresh quit window every time, released as soon as it has closed.
    Form1 quitWindow;
    program.runtime().ShowModal(quitWindow);
  }
  program.frame->close();
}
