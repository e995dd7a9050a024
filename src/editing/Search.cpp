#include "editing/Search.h"

// The search comes with its own work.
void SearchActiveDocument(Program&) {}
void OpenFindDialog(Program&, frmNotePad&) {}
void FindNext(Program&, frmNotePad&) {}
