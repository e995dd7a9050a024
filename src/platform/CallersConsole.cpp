#include "platform/CallersConsole.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstdio>

void UseCallersConsole() {
  // A caller that redirected the output (a pipe, a file) keeps it.
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out != nullptr && out != INVALID_HANDLE_VALUE) return;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;  // started from no console
  std::freopen("CONOUT$", "w", stdout);
  std::freopen("CONOUT$", "w", stderr);
}
#else
void UseCallersConsole() {}
#endif
