#include "cog/Words.h"

#include "cog/Lexer.h"

namespace cog {

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c | 0x20) : c; }

}  // namespace

// Picked by length and first letter, then compared once: the colouring and the
// checker ask this for every name.
bool isLexerKeyword(std::string_view w) {
  if (w.size() < 2 || w.size() > 8) return false;
  const char c = lower(w[0]);
  std::string_view candidate;
  switch (w.size()) {
    case 2: candidate = c == 'i' ? "if" : c == 'd' ? "do" : ""; break;
    case 3: candidate = c == 'f' ? "for" : ""; break;
    case 4:
      candidate = c == 'e' ? "else" : c == 'g' ? "goto" : c == 'c' ? "call" : c == 's' ? "stop" : "";
      break;
    case 5: candidate = c == 'w' ? "while" : c == 'b' ? "break" : ""; break;
    case 6: candidate = c == 'r' ? "return" : ""; break;
    case 8: candidate = c == 'c' ? "continue" : ""; break;
    default: break;
  }
  return !candidate.empty() && equalsNoCase(w, candidate);
}

bool isLexerSectionWord(std::string_view w) {
  if (w.size() < 3 || w.size() > 7) return false;
  const char c = lower(w[0]);
  std::string_view candidate;
  switch (w.size()) {
    case 3: candidate = c == 'e' ? "end" : ""; break;
    case 4: candidate = c == 'c' ? "code" : ""; break;
    case 5: candidate = c == 'f' ? "flags" : ""; break;
    case 7: candidate = c == 's' ? "symbols" : ""; break;
    default: break;
  }
  return !candidate.empty() && equalsNoCase(w, candidate);
}

}  // namespace cog
