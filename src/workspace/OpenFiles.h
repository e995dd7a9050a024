#pragma once
#include <QString>
class Program;

// The largest file the open dialog accepts, in bytes on disk.
inline constexpr qint64 MaxOpenFileBytes = 65000;

// The open dialog, the size check, and what follows a successful open.
void PromptOpenFile(Program& program);
// Reads a named file into a new document window. Applies no size limit.
// Returns false, having told the user, when no window was opened.
bool LoadDocumentFile(Program& program, const QString& FileName);
