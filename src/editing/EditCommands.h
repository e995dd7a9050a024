#pragma once
class Program;
class frmNotePad;

// Clipboard commands on the frame's active document.
void CopySelection(Program& program);
void CutSelection(Program& program);
void PasteClipboard(Program& program);
// Edit menu commands.
void DeleteSelection(Program& program);
void SelectAll(Program& program);
void InsertTimeDate(Program& program, frmNotePad& document);
// The text box's change handler: the document is changed.
void MarkDocumentChanged(Program& program, frmNotePad& document);
