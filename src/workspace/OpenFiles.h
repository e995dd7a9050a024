#pragma once
#include <QString>
class Program;

// The open dialog, the size check, and what follows a successful open.
void PromptOpenFile(Program& program);
// Reads a named file into a new document window.
void LoadDocumentFile(Program& program, const QString& FileName);
