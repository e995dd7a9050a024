#pragma once
// Tokens of a script's single-byte text. No token spans a line end, so
// lexing may begin at the start of any line (the colouring relies on it):
// a string or vector left open ends at its line's end.
#include <cstdint>
#include <string_view>

namespace cog {

enum class TokenKind : std::uint8_t {
  Comment,      // '#' or '//' to the end of the line
  String,       // "..."
  Vector,       // '...'
  Integer,      // decimal, octal, 0x hex
  Float,        // .5, 1.5, 1e3
  Name,         // identifiers: verbs, symbols, labels, types, messages
  Keyword,      // if else while do for goto call return stop break continue
  SectionWord,  // symbols, code, end, flags
  Operator,     // the operators and punctuation: && || <= >= == != = + - ...
  Unknown,      // a byte the language does not know (the game skips it)
  LineEnd,      // CR LF, lone CR or lone LF, as one token
};

struct Token {
  TokenKind kind;
  bool unterminated = false;  // a String or Vector that reached the line end
  int offset = 0;             // byte offset in the text, from 0
  int length = 0;             // bytes
  int line = 1;               // from 1
  int column = 1;             // byte column, from 1
};

// Reads tokens one at a time; blanks and tabs are skipped.
class Lexer {
 public:
  // `offset` must be the start of a line; `line` is that line's number.
  explicit Lexer(std::string_view text, int offset = 0, int line = 1);
  // Resumes inside a line: `offset` is in line `line`, which starts at `lineStart`.
  Lexer(std::string_view text, int offset, int line, int lineStart);
  // False at the end of the text.
  bool next(Token& token);

 private:
  std::string_view text_;
  int pos_;
  int line_;
  int lineStart_;
};

// ASCII case-insensitive comparison, as the game reads names.
bool equalsNoCase(std::string_view a, std::string_view b);

}  // namespace cog
