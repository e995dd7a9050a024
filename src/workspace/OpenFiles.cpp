#include "workspace/OpenFiles.h"

#include "platform/Runtime.h"
#include "platform/SystemServices.h"
#include "recent/RecentFiles.h"
#include "windows/TextBox.h"
#include "windows/Toolbar.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/DocumentTable.h"
#include "workspace/HourglassPointer.h"
#include "workspace/Program.h"

namespace {
void reportCannotFind(Program& program, const QString& FileName) {
  program.runtime().MsgBox(QStringLiteral("Can't find file: ") + FileName, MsgBoxCode::OKOnly, program.App().Title);
}
}  // namespace

void PromptOpenFile(Program& program) {
  FileDialogSettings& dialog = program.frame->CMDialog1;
  dialog.FileName = QString();
  if (program.runtime().ShowOpen(dialog) == DialogCancelled) return;
  const QString F = dialog.FileName;

  // A length that cannot be read means the file cannot be reached: saying
  // it is too large would tell the user something false.
  const std::optional<qint64> length = program.system().FileLen(F);
  if (!length) {
    reportCannotFind(program, F);
    return;
  }
  if (*length > MaxOpenFileBytes) {
    program.runtime().MsgBox(QStringLiteral("This File is to large to open at this time."), MsgBoxCode::OKOnly,
                             program.App().Title);
    return;
  }

  LoadDocumentFile(program, F);
  RememberRecentFile(program, F);
  RestoreEditButtons(program);
}

bool LoadDocumentFile(Program& program, const QString& FileName) {
  FileReadResult read;
  {
    HourglassPointer hourglass(program.runtime());
    read = program.system().ReadWholeFile(FileName);
  }
  if (read.status == FileReadResult::OpenFailed) {
    reportCannotFind(program, FileName);
    return false;
  }
  // An empty window standing for a file with content could later be saved
  // over it: a failed read opens nothing.
  if (read.status != FileReadResult::Ok) {
    program.runtime().MsgBox(read.error, MsgBoxCode::OKOnly | MsgBoxCode::Exclamation, program.App().Title);
    return false;
  }

  const qint16 slot = FindFreeDocumentSlot(program);
  if (slot == 0) return false;  // the slots are used up; the user was told
  HourglassPointer hourglass(program.runtime());
  frmNotePad* window = CreateDocumentWindow(program, slot);
  window->setCaption(program.system().UCase(FileName));
  window->FileName = FileName;
  window->Text1->SetText(read.bytes);
  program.DocumentStates[slot].Changed = False16;  // after the text: loading it raised Change
  program.frame->ShowDocument(window);
  return true;
}
