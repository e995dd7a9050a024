#pragma once
// Windows-1252, the code page the game's files are written in. Every byte
// maps to one character; the five bytes the code page leaves undefined map to
// the control characters of the same number.
#include <QByteArray>
#include <QString>
#include <optional>

namespace Cp1252 {
QChar toChar(unsigned char byte);
// The byte for a character, or nullopt when the code page cannot hold it.
std::optional<char> fromChar(QChar c);
QString toUnicode(const QByteArray& bytes);
// nullopt when any character cannot be held.
std::optional<QByteArray> fromUnicode(const QString& text);
}  // namespace Cp1252
