#pragma once
// The console of the program that started this one, for the few texts a
// windowed program prints (its help, its version, a usage error).
//
// On Windows a windowed program starts without standard output unless its
// caller redirected it: writing there would go nowhere when it was started
// from a command prompt. Elsewhere standard output is always the caller's.
void UseCallersConsole();
