#pragma once
#include <QString>

class Program;
class frmNotePad;
struct DocumentState;

// Hands out the lowest closed slot, or grows the tables by one. Returns 0
// (and tells the user) when the 16-bit slot numbers are used up.
qint16 FindFreeDocumentSlot(Program& program);

// Creates and shows a new empty untitled document.
void CreateNewDocument(Program& program);

// True while at least one slot is live.
bool AnyDocumentsOpen(const Program& program);

// Creates the document window of a slot, its Tag set first, not yet shown.
frmNotePad* CreateDocumentWindow(Program& program, qint16 slot);

// The state record of a document window, found through its Tag.
DocumentState& StateOf(Program& program, const frmNotePad& document);

// "Untitled" as the first eight characters: the document has no file yet.
bool IsUntitledCaption(const QString& caption);
