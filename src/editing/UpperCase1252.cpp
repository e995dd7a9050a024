#include "editing/UpperCase1252.h"

#include <array>

#include "platform/Codepage1252.h"

namespace {
std::array<char, 256> buildTable() {
  std::array<char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    const auto upper = Cp1252::fromChar(Cp1252::toChar(static_cast<unsigned char>(b)).toUpper());
    table[b] = upper ? *upper : char(b);
  }
  return table;
}
}  // namespace

QByteArray UpperCase1252(const QByteArray& text) {
  static const std::array<char, 256> table = buildTable();
  QByteArray upper(text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) upper[i] = table[static_cast<unsigned char>(text[i])];
  return upper;
}
