#include "cogedit/CogEditing.h"

#include "windows/frmCogResults.h"
#include "workspace/Program.h"

CogEditing::CogEditing(Program& program) : program(program), choices(LoadCogChoices(program.settings())) {
  program.cog = this;
}

CogEditing::~CogEditing() {
  disconnect(watchText);
  disconnect(watchClose);
  delete resultsWindow;
  if (program.cog == this) program.cog = nullptr;
}
