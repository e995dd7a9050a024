#pragma once
// What the crash helper types, so that the test that kills it knows what
// must come back: every kind of byte the text box holds.
#include <QByteArray>
#include <QList>

inline QList<QByteArray> typedPieces(const QByteArray& marker) {
  return {QByteArray("COG by ") + marker + "\r\n", QByteArray("lone CR\rthen on\r\n"),
          QByteArray("a NUL:", 6) + QByteArray(1, '\0') + QByteArray(":done\n"),
          QByteArray("high bytes \x80\x9f\xa0\xe9\xff end")};
}

inline QByteArray typedText(const QByteArray& marker) {
  QByteArray all;
  for (const QByteArray& piece : typedPieces(marker)) all += piece;
  return all;
}

// Typed at the end of the real file the helper opens.
inline QByteArray appendedToFile() { return QByteArray("\r\n# added\r\x01\xfe"); }
