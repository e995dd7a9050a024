#pragma once
// Flags in records and shared state are 16-bit booleans: True is -1, False 0.
#include <QtGlobal>

using Bool16 = qint16;
inline constexpr Bool16 True16 = -1;
inline constexpr Bool16 False16 = 0;
inline constexpr Bool16 toBool16(bool b) { return b ? True16 : False16; }
