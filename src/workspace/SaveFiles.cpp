#include "workspace/SaveFiles.h"

#include "platform/Runtime.h"
#include "platform/SystemServices.h"
#include "recent/RecentFiles.h"
#include "recovery/DocumentRecovery.h"
#include "windows/TextBox.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/DocumentTable.h"
#include "workspace/HourglassPointer.h"
#include "workspace/Program.h"

QString PromptSaveFileName(Program& program, const QString& DefaultName) {
  FileDialogSettings& dialog = program.frame->CMDialog1;
  dialog.FileName = DefaultName;
  if (program.runtime().ShowSave(dialog) == DialogCancelled) return QString();
  return dialog.FileName;
}

bool WriteDocumentFile(Program& program, frmNotePad& Document, const QString& FileName) {
  const QByteArray text = Document.Text1->Text();
  FileWriteResult written;
  {
    HourglassPointer hourglass(program.runtime());
    // The text exactly as it is: no line end is added, so a file opened and
    // saved unchanged stays the same file.
    written = program.system().WriteWholeFile(FileName, text);
  }
  if (!written.ok) {
    program.runtime().MsgBox(written.error, MsgBoxCode::OKOnly | MsgBoxCode::Exclamation, program.App().Title);
    return false;
  }
  Document.setCaption(program.system().UCase(FileName));
  Document.FileName = FileName;
  StateOf(program, Document).Changed = False16;
  RecoveryDocumentSaved(program, Document);
  return true;
}

QString DocumentFileName(const frmNotePad& document) {
  return document.FileName.isEmpty() ? document.Caption() : document.FileName;
}

bool SaveDocument(Program& program, frmNotePad& document) {
  const QString F =
      IsUntitledCaption(document.Caption()) ? PromptSaveFileName(program, QString()) : DocumentFileName(document);
  return !F.isEmpty() && WriteDocumentFile(program, document, F);
}

bool SaveDocumentAs(Program& program, frmNotePad& document) {
  const QString proposed =
      IsUntitledCaption(document.Caption()) ? QStringLiteral("Untitled.cog") : DocumentFileName(document);
  const QString F = PromptSaveFileName(program, proposed);
  if (F.isEmpty() || !WriteDocumentFile(program, document, F)) return false;
  // Only a file that now exists under that name belongs in the list.
  RememberRecentFile(program, F);
  return true;
}
