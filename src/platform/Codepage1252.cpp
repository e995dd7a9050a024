#include "platform/Codepage1252.h"

#include <array>

namespace {
// 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

namespace Cp1252 {

QChar toChar(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return QChar(kHigh[byte - 0x80]);
  return QChar(byte);
}

std::optional<char> fromChar(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return char(u);
  for (int i = 0; i < int(kHigh.size()); ++i)
    if (kHigh[i] == u) return char(0x80 + i);
  return std::nullopt;
}

QString toUnicode(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i) text[i] = toChar(static_cast<unsigned char>(bytes[i]));
  return text;
}

std::optional<QByteArray> fromUnicode(const QString& text) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const auto b = fromChar(text[i]);
    if (!b) return std::nullopt;
    bytes[i] = *b;
  }
  return bytes;
}

}  // namespace Cp1252
