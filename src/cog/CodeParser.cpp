#include "cog/CodeParser.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "cog/Lexer.h"
#include "cog/Quoting.h"

namespace cog {

namespace {

Span spanOf(const Token& t) { return Span{t.offset, t.length, t.line, t.column}; }

// An operator of one or two characters as one number, compared without memcmp.
constexpr int opCode(std::string_view s) {
  return s.size() == 1   ? static_cast<unsigned char>(s[0])
         : s.size() == 2 ? static_cast<unsigned char>(s[0]) | (static_cast<unsigned char>(s[1]) << 8)
                         : -1;
}

// The significant tokens of the code: comments and line ends are passed
// over, bytes the game skips are noted and passed over too.
class Tokens {
 public:
  Tokens(std::string_view text, int offset, int line, DiagnosticSink& sink)
      : text_(text), lexer_(text, offset, line), sink_(sink) {}

  const Token& peek(int k = 0) {
    while (count_ <= k) fill();
    return buffer_[(first_ + k) % kSize];
  }
  bool eof(int k = 0) {
    peek(k);
    return eofAt_ >= 0 && k >= eofAt_;
  }
  Token take() {
    const Token t = peek();
    if (!eof()) {
      first_ = (first_ + 1) % kSize;
      --count_;
      if (eofAt_ > 0) --eofAt_;
      last_ = t;
      hasLast_ = true;
    }
    return t;
  }
  std::string_view text(const Token& t) const {
    return std::string_view(text_.data() + t.offset, std::size_t(t.length));
  }
  bool is(int k, std::string_view op) { return code(k) == opCode(op); }
  // The operator code of token k; 0 when it is not an operator.
  int code(int k) {
    const Token& t = peek(k);
    return !eof(k) && t.kind == TokenKind::Operator ? opCode(text(t)) : 0;
  }
  bool isWord(int k, TokenKind kind, std::string_view word) {
    const Token& t = peek(k);
    return !eof(k) && t.kind == kind && equalsNoCase(text(t), word);
  }
  bool isEnd(int k = 0) { return isWord(k, TokenKind::SectionWord, "end"); }
  // Whether token k+1 follows token k with nothing between.
  bool adjacent(int k) {
    const Token& a = peek(k);
    const int end = a.offset + a.length;
    return !eof(k + 1) && peek(k + 1).offset == end;
  }
  // A point just after the last token taken (where a missing ';' belongs).
  Span afterLast() const {
    if (!hasLast_) return Span{};
    return Span{last_.offset + last_.length, 0, last_.line, last_.column + last_.length};
  }
  bool lastUnterminated() const { return hasLast_ && last_.unterminated; }
  Span endOfText() {
    peek();
    return eofSpan_;
  }

 private:
  static constexpr int kSize = 4;
  void fill() {
    Token t{};
    if (eofAt_ < 0) {
      for (;;) {
        if (!lexer_.next(t)) {
          eofAt_ = count_;
          t = Token{TokenKind::LineEnd};
          t.offset = int(text_.size());
          t.line = lastLine_;
          t.column = int(text_.size()) - lastLineStart_ + 1;
          eofSpan_ = spanOf(t);
          break;
        }
        if (t.kind == TokenKind::LineEnd) {
          lastLine_ = t.line + 1;
          lastLineStart_ = t.offset + t.length;
          continue;
        }
        lastLine_ = t.line;
        lastLineStart_ = t.offset - (t.column - 1);
        if (t.kind == TokenKind::Comment) continue;
        if (t.kind == TokenKind::Operator && text_[t.offset] == '/' && t.offset + 1 < int(text_.size()) &&
            text_[t.offset + 1] == '*') {
          skipBlockComment(t);
          continue;
        }
        if (t.kind == TokenKind::Unknown) {
          sink_.add(Severity::Note, "ignored-character",
                    "the game skips " + std::string(t.length == 1 ? "this byte" : "these bytes") +
                        ", which are not part of the language",
                    spanOf(t));
          continue;
        }
        if (t.unterminated)
          sink_.add(Severity::Error, t.kind == TokenKind::String ? "unterminated-string" : "unterminated-vector",
                    t.kind == TokenKind::String ? "this string has no closing '\"' on its line"
                                                : "this vector has no closing ' on its line",
                    spanOf(t));
        break;
      }
    } else {
      t = buffer_[(first_ + eofAt_) % kSize];
    }
    buffer_[(first_ + count_) % kSize] = t;
    ++count_;
  }

  // The language has no /* */ comments; the game would read one as code.
  // Reported once, and read on after its close so that one mistake makes one error.
  void skipBlockComment(const Token& open) {
    std::size_t close = text_.find("*/", std::size_t(open.offset) + 2);
    close = close == std::string_view::npos ? text_.size() : close + 2;
    Span at = spanOf(open);
    at.length = 2;
    sink_.add(Severity::Error, "block-comment",
              "'/* */' comments are not part of the language: start each comment line with # or //", at);
    int line = open.line;
    int lineStart = open.offset - (open.column - 1);
    for (std::size_t i = std::size_t(open.offset); i < close; ++i) {
      const char c = text_[i];
      if (c == '\n' || (c == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n'))) {
        ++line;
        lineStart = int(i) + 1;
      }
    }
    lexer_ = Lexer(text_, int(close), line, lineStart);
  }

  std::string_view text_;
  Lexer lexer_;
  DiagnosticSink& sink_;
  Token buffer_[kSize]{};
  int first_ = 0;
  int count_ = 0;
  int eofAt_ = -1;  // index in the buffer of the end-of-text marker, once reached
  Span eofSpan_;
  int lastLine_ = 1;
  int lastLineStart_ = 0;
  Token last_{};
  bool hasLast_ = false;
};

class Parser {
 public:
  Parser(std::string_view text, int offset, int line, DiagnosticSink& sink)
      : text_(text), t_(text, offset, line, sink), sink_(sink) {}

  CodeFacts run();

 private:
  enum class Frame { Block, IfThen, IfElse, Loop, DoBody, Label };
  struct Open {
    Frame kind;
    Token at;
  };
  struct Bracket {
    char kind;  // '(' grouping, 'c' call, '[' index
    Token at;
    int call;  // index in facts_.calls, -1 for a call of no verb name
    int commas;
    bool savedBinary;
  };

  void statement();
  void statementDone();
  bool expression();
  // Takes `op` or reports `message()`: the text is made only for the report.
  template <class Message>
  bool expect(std::string_view op, const char* check, Message&& message) {
    if (t_.is(0, op)) {
      t_.take();
      return true;
    }
    reportExpected(check, message());
    return false;
  }
  void reportExpected(const char* check, const std::string& text);
  void recover();
  void finishAtEnd();
  void finishAtEof();
  void error(const char* check, std::string text, const Span& at) {
    sink_.add(Severity::Error, check, std::move(text), at);
  }
  std::string describe(const Token& t) {
    if (t_.eof()) return "the end of the text";
    if (t.kind == TokenKind::String) return "a string";
    if (t.kind == TokenKind::Vector) return "a vector";
    return quote(t_.text(t));
  }
  static const char* frameWord(Frame f) {
    switch (f) {
      case Frame::IfThen:
        return "'if (...)'";
      case Frame::IfElse:
        return "'else'";
      case Frame::Loop:
        return "the loop's head";
      case Frame::DoBody:
        return "'do'";
      case Frame::Label:
        return "a label";
      case Frame::Block:
        return "'{'";
    }
    return "";
  }
  bool badOperator();
  // Whether badOperator() could find anything: a quick test first.
  bool mayBeBadOperator(int op) {
    switch (op) {
      case '~':
      case '.':
        return true;
      case '+':
      case '-':
      case '*':
      case '/':
      case '%':
      case '&':
      case '|':
      case '^':
      case '=':
        return t_.adjacent(0) && t_.code(1) != 0;
      default:
        return false;
    }
  }
  // A label, 'if (...)', 'else' or a loop's head with no statement after it.
  void missingStatement(const Open& open, const Span& at) {
    if (open.kind == Frame::Label)
      error("label-without-statement",
            "the label " + quote(t_.text(open.at)) + " must be followed by a statement (a lone ';' will do)",
            spanOf(open.at));
    else
      error("syntax",
            "a statement must follow " + std::string(frameWord(open.kind)) + " on line " + std::to_string(open.at.line),
            at);
  }
  void useName(const Token& t);

  std::string_view text_;
  Tokens t_;
  DiagnosticSink& sink_;
  CodeFacts facts_;
  std::vector<Open> frames_;
  std::vector<Bracket> brackets_;
  std::vector<int> nameSlots_;             // indexes into facts_.names, -1 when free
  std::vector<std::uint32_t> nameHashes_;  // one per facts_.names entry
};

CodeFacts Parser::run() {
  for (;;) {
    if (t_.eof()) {
      finishAtEof();
      break;
    }
    if (t_.isEnd()) {
      finishAtEnd();
      break;
    }
    if (t_.is(0, "}")) {
      const Token close = t_.take();
      int block = int(frames_.size()) - 1;
      while (block >= 0 && frames_[block].kind != Frame::Block) --block;
      if (block < 0) {
        error("unbalanced-brackets", "'}' without a matching '{'", spanOf(close));
        continue;
      }
      if (block != int(frames_.size()) - 1) missingStatement(frames_.back(), spanOf(close));
      frames_.resize(block);
      statementDone();
      continue;
    }
    const int before = t_.peek().offset;
    statement();
    // Whatever went wrong, the reading moves on.
    if (!t_.eof() && t_.peek().offset == before && !t_.isEnd() && !t_.is(0, "}")) t_.take();
  }
  return std::move(facts_);
}

void Parser::statement() {
  ++facts_.statements;
  const Token t = t_.peek();
  if (t_.is(0, "{")) {
    frames_.push_back({Frame::Block, t_.take()});
    return;
  }
  if (t_.is(0, ";")) {
    t_.take();
    statementDone();
    return;
  }
  if (t.kind == TokenKind::Keyword) {
    const std::string word = lowered(t_.text(t));
    if (word == "if" || word == "while") {
      t_.take();
      if (!expect("(", "syntax", [&] { return "'" + word + "' must be followed by '('"; }) || !expression())
        return recover();
      if (!expect(")", "unbalanced-brackets", [&] { return "the '(' after '" + word + "' is not closed"; }))
        return recover();
      frames_.push_back({word == "if" ? Frame::IfThen : Frame::Loop, t});
      return;
    }
    if (word == "do") {
      frames_.push_back({Frame::DoBody, t_.take()});
      return;
    }
    if (word == "for") {
      t_.take();
      if (!expect("(", "syntax", [] { return std::string("'for' must be followed by '('"); })) return recover();
      for (int clause = 0; clause < 2; ++clause) {
        if (t_.is(0, ";")) {
          if (clause == 1)
            error("for-clause", "a 'for' needs a condition: the game does not read an empty one as true",
                  spanOf(t_.peek()));
          t_.take();
          continue;
        }
        if (!expression()) return recover();
        if (!expect(";", "syntax", [] { return std::string("expected ';' between the clauses of 'for'"); }))
          return recover();
      }
      if (t_.is(0, ")")) {
        error("for-clause", "a 'for' needs all three clauses: the game's grammar refuses an empty third one",
              spanOf(t_.peek()));
        t_.take();
      } else {
        if (!expression()) return recover();
        if (!expect(")", "unbalanced-brackets", [] { return std::string("the '(' after 'for' is not closed"); }))
          return recover();
      }
      frames_.push_back({Frame::Loop, t});
      return;
    }
    if (word == "goto" || word == "call") {
      t_.take();
      const Token name = t_.peek();
      if (t_.eof() || name.kind != TokenKind::Name) {
        error("syntax", "'" + word + "' must be followed by a label's name", t_.eof() ? t_.endOfText() : spanOf(name));
        return recover();
      }
      t_.take();
      facts_.jumps.push_back({word == "call", std::string(t_.text(name)), spanOf(name)});
      if (!expect(";", "missing-semicolon",
                  [&] { return "missing ';' after '" + word + " " + std::string(t_.text(name)) + "'"; }))
        return statementDone();
      statementDone();
      return;
    }
    if (word == "return" || word == "stop") {
      t_.take();
      if (!expect(";", "missing-semicolon", [&] { return "missing ';' after '" + std::string(t_.text(t)) + "'"; }))
        return statementDone();
      statementDone();
      return;
    }
    if (word == "break" || word == "continue") {
      error("unsupported-statement",
            "'" + word + "' is not part of the language: the game's grammar refuses it; use goto", spanOf(t));
      t_.take();
      return recover();
    }
    if (word == "else") {
      error("syntax", "'else' without an 'if'", spanOf(t));
      t_.take();
      return;
    }
    // "while" after a statement that is not the body of 'do'
    error("syntax", "unexpected " + quote(t_.text(t)), spanOf(t));
    t_.take();
    return recover();
  }
  if (t.kind == TokenKind::Name && t_.is(1, ":")) {
    t_.take();
    t_.take();
    facts_.labels.push_back({std::string(t_.text(t)), spanOf(t)});
    frames_.push_back({Frame::Label, t});
    return;
  }
  if (!expression()) return recover();
  if (t_.is(0, ")")) {
    error("unbalanced-brackets", "')' without a matching '('", spanOf(t_.peek()));
    return recover();
  }
  if (!expect(";", "missing-semicolon", [] { return std::string("missing ';' at the end of this statement"); }))
    return statementDone();
  statementDone();
}

void Parser::statementDone() {
  while (!frames_.empty()) {
    Open& top = frames_.back();
    switch (top.kind) {
      case Frame::Block:
        return;
      case Frame::IfThen:
        if (t_.isWord(0, TokenKind::Keyword, "else")) {
          t_.take();
          top.kind = Frame::IfElse;
          return;
        }
        frames_.pop_back();
        break;
      case Frame::IfElse:
      case Frame::Loop:
      case Frame::Label:
        frames_.pop_back();
        break;
      case Frame::DoBody: {
        const Token at = top.at;
        frames_.pop_back();
        if (!t_.isWord(0, TokenKind::Keyword, "while")) {
          error("syntax", "the 'do' on line " + std::to_string(at.line) + " needs 'while (...);' after its body",
                t_.eof() ? t_.endOfText() : spanOf(t_.peek()));
          break;
        }
        t_.take();
        if (!expect("(", "syntax", [] { return std::string("'while' must be followed by '('"); }) || !expression() ||
            !expect(")", "unbalanced-brackets", [] { return std::string("the '(' after 'while' is not closed"); })) {
          recover();
          return;
        }
        expect(";", "missing-semicolon", [] { return std::string("missing ';' after 'do ... while (...)'"); });
        break;
      }
    }
  }
}

void Parser::reportExpected(const char* check, const std::string& text) {
  if (std::string_view(check) == "missing-semicolon") {
    // After a string or vector left open, the missing ';' is the same mistake.
    if (!t_.lastUnterminated()) error(check, text, t_.afterLast());
  } else
    error(check, text + (t_.eof() ? "" : "; found " + describe(t_.peek())),
          t_.eof() ? t_.endOfText() : spanOf(t_.peek()));
}

// After an error: on to the end of the statement.
void Parser::recover() {
  while (!t_.eof() && !t_.isEnd() && !t_.is(0, "{") && !t_.is(0, "}")) {
    if (t_.is(0, ";")) {
      t_.take();
      break;
    }
    t_.take();
  }
  statementDone();
}

// Operators other languages have and this one has not.
bool Parser::badOperator() {
  const Token& t = t_.peek();
  const std::string_view op = t_.text(t);
  const bool glued = t_.adjacent(0);
  const std::string_view next = glued && t_.peek(1).kind == TokenKind::Operator ? t_.text(t_.peek(1)) : "";
  const char* message = nullptr;
  if ((op == "+" || op == "-") && next == op)
    message = op == "+" ? "'++' is not part of the language: write x = x + 1"
                        : "'--' is not part of the language: write x = x - 1";
  else if ((op == "+" || op == "-" || op == "*" || op == "/" || op == "%" || op == "&" || op == "|" || op == "^") &&
           (next == "=" || next == "=="))
    message = "compound assignments such as '+=' are not part of the language: write x = x + y";
  else if (op == "=" && next == ">")
    message = "'=>' is not an operator: did you mean '>='?";
  else if (op == "=" && next == "<")
    message = "'=<' is not an operator: did you mean '<='?";
  else if (op == "~")
    message = "'~' is not an operator the game's grammar takes";
  else if (op == ".")
    message = "'.' is not an operator the game's grammar takes";
  if (!message) return false;
  Span at = spanOf(t);
  if (!next.empty()) at.length += int(next.size());
  error("unsupported-operator", message, at);
  return true;
}

// The first use of each name, found with an open-addressing table of indexes
// into facts_.names keyed by a hash of the lower-case name: no string is made
// for a name seen before.
void Parser::useName(const Token& t) {
  const std::string_view name = t_.text(t);
  std::uint32_t hash = 2166136261u;
  for (const char c : name)
    hash = (hash ^ static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? (c | 0x20) : c)) * 16777619u;
  if ((facts_.names.size() + 1) * 2 > nameSlots_.size()) {
    std::vector<int> bigger(std::max<std::size_t>(64, nameSlots_.size() * 2), -1);
    for (std::size_t i = 0; i < facts_.names.size(); ++i) {
      std::size_t slot = nameHashes_[i] & (bigger.size() - 1);
      while (bigger[slot] >= 0) slot = (slot + 1) & (bigger.size() - 1);
      bigger[slot] = int(i);
    }
    nameSlots_.swap(bigger);
  }
  std::size_t slot = hash & (nameSlots_.size() - 1);
  while (nameSlots_[slot] >= 0) {
    const int i = nameSlots_[slot];
    if (nameHashes_[i] == hash && equalsNoCase(facts_.names[i].name, name)) return;
    slot = (slot + 1) & (nameSlots_.size() - 1);
  }
  nameSlots_[slot] = int(facts_.names.size());
  nameHashes_.push_back(hash);
  facts_.names.push_back({std::string(name), spanOf(t)});
}

// One expression, up to the ';', ')' or other token that cannot continue it
// (left for the caller). False after reporting an error.
bool Parser::expression() {
  brackets_.clear();
  bool operand = true;      // an operand is awaited
  bool binary = false;      // a binary operator seen in the current operand of '='
  bool openedCall = false;  // the last token was a call's '('
  for (;;) {
    const Token t = t_.peek();
    const bool eof = t_.eof();
    const bool end = t_.isEnd();
    const int op = t_.code(0);
    if (operand) {
      if (!eof && !end && (t.kind == TokenKind::Name || t.kind == TokenKind::SectionWord)) {
        t_.take();
        openedCall = false;
        if (t_.is(0, "(")) {
          const Token open = t_.take();
          facts_.calls.push_back({std::string(t_.text(t)), 0, spanOf(t)});
          brackets_.push_back({'c', open, int(facts_.calls.size()) - 1, 0, binary});
          binary = false;
          openedCall = true;
          continue;
        }
        useName(t);
        operand = false;
        continue;
      }
      if (!eof && (t.kind == TokenKind::Integer || t.kind == TokenKind::Float || t.kind == TokenKind::String ||
                   t.kind == TokenKind::Vector)) {
        t_.take();
        operand = false;
        openedCall = false;
        continue;
      }
      if (op == opCode("(")) {
        brackets_.push_back({'(', t_.take(), -1, 0, binary});
        binary = false;
        openedCall = false;
        continue;
      }
      if (op == opCode("-") || op == opCode("!")) {
        if (op == opCode("-") && mayBeBadOperator(op) && badOperator()) return false;
        t_.take();
        openedCall = false;
        continue;
      }
      if (op == opCode(")") && openedCall) {
        const Bracket b = brackets_.back();
        brackets_.pop_back();
        t_.take();
        binary = b.savedBinary;
        operand = false;
        openedCall = false;
        continue;
      }
      if (op && badOperator()) return false;
      if (op == opCode("+")) {
        error("unsupported-operator", "a leading '+' is not part of the language: write the number alone", spanOf(t));
        return false;
      }
      if (eof)
        error("syntax", "the text ends inside an expression", t_.endOfText());
      else if (end)
        error("syntax", "'end' inside an expression: the game stops reading there", spanOf(t));
      else
        error("syntax", "expected a value, a name or '(' but found " + describe(t), spanOf(t));
      return false;
    }
    // An operator, a closing bracket or the end of the expression is awaited.
    openedCall = false;
    if (op) {
      if (mayBeBadOperator(op) && badOperator()) return false;
      if (op == opCode("*") || op == opCode("/") || op == opCode("%") || op == opCode("+") || op == opCode("-") ||
          op == opCode("<") || op == opCode(">") || op == opCode("<=") || op == opCode(">=") || op == opCode("==") ||
          op == opCode("!=") || op == opCode("&") || op == opCode("^") || op == opCode("|") || op == opCode("&&") ||
          op == opCode("||")) {
        t_.take();
        binary = true;
        operand = true;
        continue;
      }
      if (op == opCode("=")) {
        if (binary) {
          error("assignment-target", "only a name, name[index] or a call's result can stand left of '='", spanOf(t));
          return false;
        }
        t_.take();
        operand = true;
        continue;
      }
      if (op == opCode(",")) {
        t_.take();
        if (!brackets_.empty() && brackets_.back().kind == 'c') ++brackets_.back().commas;
        binary = false;
        operand = true;
        continue;
      }
      if (op == opCode("[") || op == opCode("(")) {
        brackets_.push_back({op == opCode("[") ? '[' : 'c', t_.take(), -1, 0, binary});
        binary = false;
        operand = true;
        openedCall = op == opCode("(");
        continue;
      }
      if (op == opCode(")") || op == opCode("]")) {
        if (brackets_.empty()) {
          if (op == opCode(")")) return true;  // the caller's
          error("unbalanced-brackets", "']' without a matching '['", spanOf(t));
          return false;
        }
        const Bracket b = brackets_.back();
        const char want = b.kind == '[' ? ']' : ')';
        if ((op & 0xff) != want) {
          error("unbalanced-brackets",
                quote(t_.text(t)) + " does not match the " + quote(t_.text(b.at)) + " on line " +
                    std::to_string(b.at.line),
                spanOf(t));
          return false;
        }
        t_.take();
        brackets_.pop_back();
        if (b.kind == 'c' && b.call >= 0) facts_.calls[b.call].arguments = b.commas + 1;
        binary = b.savedBinary;
        continue;
      }
    }
    if (brackets_.empty()) return true;
    // An open string or vector has already been reported; this is the same mistake.
    if (t_.lastUnterminated()) return false;
    const Bracket& b = brackets_.back();
    if (eof || end || op == opCode(";") || op == opCode("{") || op == opCode("}") || t.line != b.at.line) {
      error("unbalanced-brackets", quote(t_.text(b.at)) + " is not closed", spanOf(b.at));
    } else {
      error("syntax",
            std::string("expected an operator, ") +
                (b.kind == 'c'   ? "',' or ')'"
                 : b.kind == '[' ? "']'"
                                 : "')'") +
                " but found " + describe(t),
            spanOf(t));
    }
    return false;
  }
}

void Parser::finishAtEnd() {
  const Token end = t_.take();
  facts_.hasEnd = true;
  facts_.endAt = spanOf(end);
  if (!frames_.empty()) {
    const Open& open = frames_.back();
    int block = int(frames_.size()) - 1;
    while (block >= 0 && frames_[block].kind != Frame::Block) --block;
    if (block >= 0)
      error("end-in-block",
            "'end' before the '{' on line " + std::to_string(frames_[block].at.line) +
                " is closed: the game stops reading here and refuses the script",
            spanOf(end));
    else
      missingStatement(open, spanOf(end));
  } else if (facts_.statements == 0) {
    error("empty-code", "the code section holds no statement: the game's grammar refuses it", spanOf(end));
  }
  // The game reads nothing after this word.
  Lexer rest(text_, end.offset - (end.column - 1), end.line);
  Token t{};
  while (rest.next(t)) {
    if (t.offset <= end.offset || t.kind == TokenKind::Comment || t.kind == TokenKind::LineEnd ||
        t.kind == TokenKind::Unknown)
      continue;
    error("text-after-end",
          "text after the code's 'end' on line " + std::to_string(end.line) + ": the game never reads it", spanOf(t));
    break;
  }
}

void Parser::finishAtEof() {
  const Span at = t_.endOfText();
  for (int i = int(frames_.size()) - 1; i >= 0; --i) {
    if (frames_[i].kind == Frame::Block) {
      error("unbalanced-brackets", "this '{' is never closed", spanOf(frames_[i].at));
      break;
    }
    if (i == int(frames_.size()) - 1) missingStatement(frames_[i], at);
  }
  if (facts_.statements == 0)
    error("empty-code", "the code section holds no statement: the game's grammar refuses it", at);
  sink_.add(Severity::Warning, "missing-end", "the code section has no closing 'end'", at);
}

}  // namespace

CodeFacts parseCode(std::string_view text, int offset, int line, DiagnosticSink& sink) {
  Parser parser(text, offset, line, sink);
  return parser.run();
}

}  // namespace cog
