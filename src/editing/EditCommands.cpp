#include "editing/EditCommands.h"

#include "workspace/DocumentTable.h"
#include "workspace/Program.h"

// The edit commands come with their own work.
void CopySelection(Program&) {}
void CutSelection(Program&) {}
void PasteClipboard(Program&) {}
void DeleteSelection(Program&) {}
void SelectAll(Program&) {}
void InsertTimeDate(Program&, frmNotePad&) {}

void MarkDocumentChanged(Program& program, frmNotePad& document) {
  StateOf(program, document).Changed = True16;
}
