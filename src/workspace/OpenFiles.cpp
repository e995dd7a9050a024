#include "workspace/OpenFiles.h"

// Opening files comes with its own work.
void PromptOpenFile(Program&) {}
void LoadDocumentFile(Program&, const QString&) {}
