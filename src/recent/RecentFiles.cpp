#include "recent/RecentFiles.h"

#include "workspace/OpenFiles.h"
#include "workspace/Program.h"

// Not yet kept: the list comes with the recent-file work.
void RememberRecentFile(Program&, const QString&) {}
bool IsRecentFile(Program&, const QString&) { return false; }
void StoreRecentFiles(Program&, const QString&) {}
void RefreshRecentMenus(Program&) {}
void OpenRecentFile(Program& program, const QString& FileName) { LoadDocumentFile(program, FileName); }
