#include "workspace/Startup.h"

#include "recent/RecentFiles.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/DocumentTable.h"
#include "workspace/Program.h"

void MDIForm_Load(Program& program) {
  program.frame->show();
  program.system().ChDir(program.App().Path);
  program.Documents.resize(2);
  program.DocumentStates.resize(2);
  frmNotePad* first = CreateDocumentWindow(program, 1);
  first->setCaption(QStringLiteral("Untitled:") + QString::number(1));
  program.frame->ShowDocument(first);
  program.DocumentStates[1].Changed = False16;
  RefreshRecentMenus(program);
  program.Search.SearchDirection = 1;
}
