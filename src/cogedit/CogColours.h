#pragma once
// The colours of COG text on the document's pure-blue paper. Every class is
// light enough to read there (WCAG contrast of at least 4.5:1) and differs
// from the others.
#include <QColor>
#include <QString>

#include "cog/Lexer.h"

// The classes a script's text is coloured by; also the lexer's style numbers.
enum class CogStyle {
  Plain,       // operators, punctuation, names of symbols and variables
  Comment,
  Keyword,     // statement keywords and the section words
  Verb,
  SymbolType,
  Message,     // message names and labels
  String,
  Vector,
  Number,
};
inline constexpr int kCogStyleCount = 9;

QColor cogColour(CogStyle style);
QString cogStyleName(CogStyle style);  // shown in the lexer's style descriptions
bool cogStyleItalic(CogStyle style);

// The paper every document is drawn on.
QColor documentPaper();

// WCAG 2 relative luminance and contrast ratio (1 to 21).
double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& a, const QColor& b);
