#pragma once
// The registry of the system the program runs on.
#include <QtGlobal>

#ifdef Q_OS_WIN
#include "platform/WindowsRegistry.h"
using SystemRegistry = WindowsRegistry;
#else
#include "platform/NoRegistry.h"
using SystemRegistry = NoRegistry;
#endif
