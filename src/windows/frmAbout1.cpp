#include "windows/frmAbout1.h"

// The about box comes with its own work.
void ShowAboutBox(Program&) {}
