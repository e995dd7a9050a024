#include "cog/Lexer.h"

#include <cstring>

#include "cog/Words.h"

namespace cog {

namespace {

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(unsigned char c) { return isDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }
bool isNameStart(unsigned char c) { return ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || c == '_'; }
bool isNameChar(unsigned char c) { return isNameStart(c) || isDigit(c); }
bool isLineEnd(unsigned char c) { return c == '\n' || c == '\r'; }
bool isBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// Bytes the game's lexer makes something of; every other byte is skipped by it.
bool isKnownStart(unsigned char c) {
  if (isNameStart(c) || isDigit(c) || isBlank(c) || isLineEnd(c)) return true;
  switch (c) {
    case '#': case '"': case '\'': case '&': case '|': case '<': case '>': case '=': case '!':
    case ';': case '{': case '}': case ',': case ':': case '(': case ')': case '[': case ']':
    case '.': case '~': case '-': case '+': case '*': case '/': case '%': case '^':
      return true;
    default:
      return false;
  }
}

}  // namespace

Lexer::Lexer(std::string_view text, int offset, int line)
    : text_(text), pos_(offset), line_(line), lineStart_(offset) {}

Lexer::Lexer(std::string_view text, int offset, int line, int lineStart)
    : text_(text), pos_(offset), line_(line), lineStart_(lineStart) {}

bool Lexer::next(Token& token) {
  const int size = int(text_.size());
  const auto at = [&](int i) -> unsigned char { return i < size ? static_cast<unsigned char>(text_[i]) : 0; };
  while (pos_ < size && isBlank(at(pos_))) ++pos_;
  if (pos_ >= size) return false;

  const int start = pos_;
  token = Token{TokenKind::Unknown};
  token.offset = start;
  token.line = line_;
  token.column = start - lineStart_ + 1;
  const unsigned char c = at(pos_);

  if (isLineEnd(c)) {
    pos_ += (c == '\r' && at(pos_ + 1) == '\n') ? 2 : 1;
    token.kind = TokenKind::LineEnd;
    token.length = pos_ - start;
    ++line_;
    lineStart_ = pos_;
    return true;
  }
  // Comments first: real ones hold quotes of both kinds.
  if (c == '#' || (c == '/' && at(pos_ + 1) == '/')) {
    // Comments are much of a script: find the line end with memchr.
    const char* from = text_.data() + pos_;
    const void* lf = std::memchr(from, '\n', std::size_t(size - pos_));
    const int limit = lf ? int(static_cast<const char*>(lf) - text_.data()) : size;
    const void* cr = std::memchr(from, '\r', std::size_t(limit - pos_));
    pos_ = cr ? int(static_cast<const char*>(cr) - text_.data()) : limit;
    token.kind = TokenKind::Comment;
  } else if (c == '"' || c == '\'') {
    ++pos_;
    token.unterminated = true;
    while (pos_ < size && !isLineEnd(at(pos_))) {
      const unsigned char d = at(pos_);
      if (d == '\\' && pos_ + 1 < size && !isLineEnd(at(pos_ + 1))) {
        pos_ += 2;
        continue;
      }
      ++pos_;
      if (d == c) {
        token.unterminated = false;
        break;
      }
    }
    token.kind = c == '"' ? TokenKind::String : TokenKind::Vector;
  } else if (isDigit(c) || (c == '.' && isDigit(at(pos_ + 1)))) {
    token.kind = TokenKind::Integer;
    if (c == '0' && (at(pos_ + 1) | 0x20) == 'x' && isHexDigit(at(pos_ + 2))) {
      pos_ += 2;
      while (isHexDigit(at(pos_))) ++pos_;
    } else {
      while (isDigit(at(pos_))) ++pos_;
      if (at(pos_) == '.' ) {
        // "1." and "1.5" and ".5" are floats.
        token.kind = TokenKind::Float;
        ++pos_;
        while (isDigit(at(pos_))) ++pos_;
      }
      const unsigned char e = at(pos_);
      if ((e | 0x20) == 'e') {
        int k = pos_ + 1;
        if (at(k) == '+' || at(k) == '-') ++k;
        if (isDigit(at(k))) {
          while (isDigit(at(k))) ++k;
          pos_ = k;
          token.kind = TokenKind::Float;
        }
      }
    }
  } else if (isNameStart(c)) {
    while (isNameChar(at(pos_))) ++pos_;
    const std::string_view word = text_.substr(start, pos_ - start);
    token.kind = isLexerKeyword(word) ? TokenKind::Keyword
                 : isLexerSectionWord(word) ? TokenKind::SectionWord
                                            : TokenKind::Name;
  } else if (isKnownStart(c)) {
    token.kind = TokenKind::Operator;
    const unsigned char d = at(pos_ + 1);
    const bool pair = (c == '&' && d == '&') || (c == '|' && d == '|') ||
                      ((c == '<' || c == '>' || c == '=' || c == '!') && d == '=');
    pos_ += pair ? 2 : 1;
  } else {
    // A run of bytes the game skips, kept as one token.
    while (pos_ < size && !isKnownStart(at(pos_))) ++pos_;
  }
  token.length = pos_ - start;
  return true;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x | 0x20);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y | 0x20);
    if (x != y) return false;
  }
  return true;
}

}  // namespace cog
