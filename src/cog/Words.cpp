#include "cog/Words.h"

#include "cog/Lexer.h"

namespace cog {

namespace {

template <std::size_t N>
bool oneOf(std::string_view word, const std::string_view (&words)[N]) {
  if (word.size() < 2 || word.size() > 8) return false;
  for (const std::string_view w : words)
    if (equalsNoCase(word, w)) return true;
  return false;
}

}  // namespace

bool isLexerKeyword(std::string_view word) {
  static constexpr std::string_view words[] = {"if",   "else",   "while", "do",    "for",     "goto",
                                               "call", "return", "stop",  "break", "continue"};
  return oneOf(word, words);
}

bool isLexerSectionWord(std::string_view word) {
  static constexpr std::string_view words[] = {"symbols", "code", "end", "flags"};
  return oneOf(word, words);
}

}  // namespace cog
