#include "workspace/CloseDocuments.h"

#include <QMdiSubWindow>

#include "windows/Toolbar.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/DocumentTable.h"
#include "workspace/Program.h"
#include "recent/RecentFiles.h"

void QueryUnloadDocument(Program&, frmNotePad&, bool& Cancel) { Cancel = false; }

void DocumentUnloaded(Program& program, frmNotePad& document) {
  StateOf(program, document).Deleted = True16;
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
  if (!AnyDocumentsOpen(program)) program.runtime().End();
}

void QuitProgram(Program& program) { program.frame->close(); }
