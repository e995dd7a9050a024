#include "launch/OpenFileList.h"

#include "recent/RecentFiles.h"
#include "windows/Toolbar.h"
#include "workspace/OpenFiles.h"
#include "workspace/Program.h"

void OpenFilesInOrder(Program& program, const QStringList& files) {
  for (const QString& file : files) {
    if (!program.frame) return;  // the program has ended while a message was up
    const bool opened = LoadDocumentFile(program, file);
    RestoreEditButtons(program);
    // A file that could not be opened is not worth a place in the list.
    if (opened)
      RememberRecentFile(program, file);
    else
      RefreshRecentMenus(program);
  }
}
