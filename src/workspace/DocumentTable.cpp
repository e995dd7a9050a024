#include "workspace/DocumentTable.h"

#include "platform/Runtime.h"
#include "windows/Toolbar.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/Program.h"

qint16 FindFreeDocumentSlot(Program& program) {
  const int n = int(program.Documents.size()) - 1;
  for (int i = 1; i <= n; ++i) {
    if (program.DocumentStates[i].Deleted) {
      program.DocumentStates[i].Deleted = False16;
      return qint16(i);
    }
  }
  if (n + 1 > program.maxSlot) {
    program.runtime().MsgBox(
        QStringLiteral("No more documents can be opened: %1 are open already. Close one and try again.")
            .arg(program.maxSlot),
        MsgBoxCode::OKOnly | MsgBoxCode::Exclamation, program.App().Title);
    return 0;
  }
  program.Documents.resize(n + 2);
  program.DocumentStates.resize(n + 2);
  return qint16(n + 1);
}

frmNotePad* CreateDocumentWindow(Program& program, qint16 slot) {
  auto* window = new frmNotePad(program, QString::number(slot));
  program.Documents[slot] = window;
  return window;
}

void CreateNewDocument(Program& program) {
  const qint16 slot = FindFreeDocumentSlot(program);
  if (slot == 0) return;
  frmNotePad* window = CreateDocumentWindow(program, slot);
  window->setCaption(QStringLiteral("Untitled:") + QString::number(slot));
  program.DocumentStates[slot].Changed = False16;
  program.frame->ShowDocument(window);
  ShowEditButtons(program);
}

bool AnyDocumentsOpen(const Program& program) {
  for (int i = 1; i < program.DocumentStates.size(); ++i)
    if (program.DocumentStates[i].Deleted != True16) return true;
  return false;
}

DocumentState& StateOf(Program& program, const frmNotePad& document) {
  return program.DocumentStates[document.Tag().toInt()];
}

bool IsUntitledCaption(const QString& caption) { return caption.left(8) == QLatin1String("Untitled"); }
