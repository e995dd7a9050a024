#pragma once
#include <QString>
class Program;
class frmNotePad;

// The save dialog with a default name; what it returns is described there.
QString PromptSaveFileName(Program& program, const QString& DefaultName);
// Writes a document's whole text; on success retitles it, unchanged.
bool WriteDocumentFile(Program& program, frmNotePad& Document, const QString& FileName);
// The document window's Save and Save As.
void SaveDocument(Program& program, frmNotePad& document);
void SaveDocumentAs(Program& program, frmNotePad& document);
