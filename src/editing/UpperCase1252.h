#pragma once
// Upper case for Windows-1252 text, one byte for one byte, so that positions
// in the upper-cased text are those of the original.
#include <QByteArray>

// A letter whose capital the code page holds becomes that capital; every
// other byte (including letters such as the sharp s, whose capital is two
// letters or lies outside the code page) stays as it is.
QByteArray UpperCase1252(const QByteArray& text);
