#include "cogedit/CogColours.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {
struct StyleLook {
  const char* name;
  QRgb rgb;
  bool italic;
};

// In CogStyle order. The blue paper has a luminance of 0.072, so a colour
// needs a luminance of 0.5 or more: light tints only, told apart by hue
// (comments by their slant too). The weight stays the document font's.
constexpr StyleLook kLooks[kCogStyleCount] = {
    {"Plain text", 0xFFFFFF, false},
    {"Comment", 0xC0C0C0, true},
    {"Keyword and section word", 0xFFFF00, false},
    {"Verb", 0x00FFFF, false},
    {"Symbol type", 0x80FF80, false},
    {"Message and label", 0xFFB030, false},
    {"String", 0xFFA8FF, false},
    {"Vector", 0xFFD0A0, false},
    {"Number", 0xC8C8FF, false},
};

const StyleLook& look(CogStyle style) { return kLooks[std::clamp(int(style), 0, kCogStyleCount - 1)]; }

double linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

QColor cogColour(CogStyle style) { return QColor::fromRgb(look(style).rgb); }
QString cogStyleName(CogStyle style) { return QString::fromLatin1(look(style).name); }
bool cogStyleItalic(CogStyle style) { return look(style).italic; }

QColor documentPaper() { return QColor(0, 0, 255); }

double relativeLuminance(const QColor& colour) {
  return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

double contrastRatio(const QColor& a, const QColor& b) {
  const double la = relativeLuminance(a);
  const double lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
