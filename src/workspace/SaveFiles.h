#pragma once
#include <QString>
class Program;
class frmNotePad;

// The save dialog, proposing DefaultName. Returns the chosen full name, or
// "" when the user cancelled: a cancelled dialog saves nothing.
QString PromptSaveFileName(Program& program, const QString& DefaultName);
// Writes a document's whole text, exactly, to FileName; on success retitles
// it with the name in upper case and marks it unchanged. On failure tells the
// user why and leaves the document as it was. Returns whether it wrote.
bool WriteDocumentFile(Program& program, frmNotePad& Document, const QString& FileName);
// The name Save writes a titled document to: its real file, whose name the
// upper-case caption may not spell on a case-sensitive file system.
QString DocumentFileName(const frmNotePad& document);
// The document window's Save and Save As. Both return whether they wrote.
bool SaveDocument(Program& program, frmNotePad& document);
bool SaveDocumentAs(Program& program, frmNotePad& document);
