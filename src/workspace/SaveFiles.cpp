#include "workspace/SaveFiles.h"

// Saving files comes with its own work.
QString PromptSaveFileName(Program&, const QString&) { return QString(); }
bool WriteDocumentFile(Program&, frmNotePad&, const QString&) { return false; }
void SaveDocument(Program&, frmNotePad&) {}
void SaveDocumentAs(Program&, frmNotePad&) {}
