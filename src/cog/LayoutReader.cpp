#include "cog/LayoutReader.h"

#include <string>
#include <vector>

#include "cog/Lexer.h"

namespace cog {

namespace {

struct Word {
  std::string_view key;    // before '=' (the whole word when there is none)
  std::string_view value;  // after '=' (the whole word when there is none)
  bool hasValue = false;
  Span at;
};

struct Line {
  int start = 0;
  int end = 0;  // before the line end
  int number = 1;
};

// The game's reader: lines that begin with ';' or '#' are comments, '#'
// anywhere ends the line, words are split on blanks, tabs and commas, and a
// line of no words is skipped. Inside the symbols section "//" also ends a
// line here: the game takes it for an unknown type or an extra word there,
// which it skips either way.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // The next line that holds words; false at the end of the text.
  bool next(Line& line, std::vector<Word>& words, bool slashComments) {
    while (pos_ < int(text_.size())) {
      line.start = pos_;
      line.number = number_;
      int end = pos_;
      while (end < int(text_.size()) && text_[end] != '\n' && text_[end] != '\r') ++end;
      line.end = end;
      pos_ = end;
      if (pos_ < int(text_.size())) {
        pos_ += (text_[pos_] == '\r' && pos_ + 1 < int(text_.size()) && text_[pos_ + 1] == '\n') ? 2 : 1;
        ++number_;
      }
      if (line.end == line.start || text_[line.start] == ';' || text_[line.start] == '#') continue;
      split(line, words, slashComments);
      if (!words.empty()) return true;
    }
    return false;
  }

  int position() const { return pos_; }
  int lineNumber() const { return number_; }
  Span endSpan() const {
    int lineStart = int(text_.size());
    while (lineStart > 0 && text_[lineStart - 1] != '\n' && text_[lineStart - 1] != '\r') --lineStart;
    return Span{int(text_.size()), 0, number_, int(text_.size()) - lineStart + 1};
  }

 private:
  void split(Line line, std::vector<Word>& words, bool slashComments) {
    words.clear();
    // The game's reader works on C strings: a NUL ends the line for it.
    for (int k = line.start; k < line.end; ++k)
      if (text_[k] == '\0') line.end = k;
    int i = line.start;
    while (i < line.end) {
      const char c = text_[i];
      if (c == '#' || (slashComments && c == '/' && i + 1 < line.end && text_[i + 1] == '/')) break;
      if (c == ' ' || c == '\t' || c == ',') {
        ++i;
        continue;
      }
      int j = i;
      while (j < line.end && text_[j] != ' ' && text_[j] != '\t' && text_[j] != ',' && text_[j] != '#' &&
             !(slashComments && text_[j] == '/' && j + 1 < line.end && text_[j + 1] == '/'))
        ++j;
      Word w;
      const std::string_view word = text_.substr(i, j - i);
      const std::size_t eq = word.find('=');
      w.key = eq == std::string_view::npos ? word : word.substr(0, eq);
      w.value = eq == std::string_view::npos ? word : word.substr(eq + 1);
      w.hasValue = eq != std::string_view::npos;
      w.at = Span{i, j - i, line.number, i - line.start + 1};
      words.push_back(w);
      i = j;
    }
  }

  std::string_view text_;
  int pos_ = 0;
  int number_ = 1;
};

SymbolDeclaration declarationOf(const std::vector<Word>& words, const Line& line) {
  SymbolDeclaration d;
  d.type = std::string(words[0].value);
  d.typeAt = words[0].at;
  d.line = line.number;
  d.nameAt = words[0].at;
  if (words.size() > 1) {
    d.name = std::string(words[1].key);
    d.value = words[1].hasValue ? std::string(words[1].value) : std::string();
    d.hasValue = words[1].hasValue;
    d.nameAt = words[1].at;
    d.nameAt.length = int(words[1].key.size());
  }
  for (std::size_t i = 2; i < words.size(); ++i) {
    SymbolExtension e;
    e.key = std::string(words[i].key);
    e.value = words[i].hasValue ? std::string(words[i].value) : std::string();
    e.hasValue = words[i].hasValue;
    e.at = words[i].at;
    d.extensions.push_back(std::move(e));
  }
  return d;
}

}  // namespace

Layout readLayout(std::string_view text, DiagnosticSink& sink) {
  Layout layout;
  LineReader reader(text);
  Line line;
  std::vector<Word> words;
  const auto firstIs = [&](std::string_view word) { return !words.empty() && equalsNoCase(words[0].value, word); };
  // Looks ahead for a line that begins with `word`; the reader is left after it when found.
  const auto seek = [&](std::string_view word, bool slashComments) {
    while (reader.next(line, words, slashComments))
      if (firstIs(word)) return true;
    return false;
  };
  const auto startCode = [&]() {
    layout.hasCode = true;
    layout.codeAt = words[0].at;
    layout.codeOffset = reader.position();
    layout.codeLine = reader.lineNumber();
  };

  if (!reader.next(line, words, false)) {
    sink.add(Severity::Error, "missing-symbols",
             "the script is empty: it needs a 'symbols' section and a 'code' section", Span{});
    return layout;
  }
  if (equalsNoCase(words[0].key, "flags")) {
    layout.hasFlags = true;
    layout.flags = std::string(words[0].value);
    layout.flagsAt = words[0].at;
    if (!reader.next(line, words, false)) {
      sink.add(Severity::Error, "missing-symbols", "no 'symbols' section after the flags line", reader.endSpan());
      return layout;
    }
  }
  bool inSymbols = true;
  if (!firstIs("symbols")) {
    const Span at = words[0].at;
    std::string found(words[0].key.substr(0, 40));
    const bool slashes = words[0].key.substr(0, 2) == "//";
    LineReader rest = reader;
    if (firstIs("code")) {
      sink.add(Severity::Error, "missing-symbols", "no 'symbols' section before 'code'", at);
      inSymbols = false;
      startCode();
    } else if (seek("symbols", false)) {
      sink.add(Severity::Error, "missing-symbols",
               slashes ? "the game reads '//' here as text, not as a comment: a script must begin with 'symbols' "
                         "(after an optional flags= line); start the remark with '#'"
                       : "a script must begin with 'symbols' (after an optional flags= line), not '" + found + "'",
               at);
    } else {
      reader = rest;
      sink.add(Severity::Error, "missing-symbols",
               "no 'symbols' section: a script begins with 'symbols' (after an optional flags= line)", at);
      if (seek("code", false)) {
        inSymbols = false;
        startCode();
      } else {
        sink.add(Severity::Error, "missing-code", "no 'code' section", reader.endSpan());
        return layout;
      }
    }
  }
  if (inSymbols) {
    layout.hasSymbols = true;
    layout.symbolsAt = words[0].at;
    const Span symbolsAt = words[0].at;
    bool ended = false;
    while (reader.next(line, words, true)) {
      if (firstIs("end")) {
        layout.hasSymbolsEnd = true;
        layout.symbolsEndAt = words[0].at;
        ended = true;
        break;
      }
      if (firstIs("code")) {
        sink.add(Severity::Error, "missing-symbols-end", "the symbols section has no 'end' before 'code'",
                 words[0].at);
        startCode();
        return layout;
      }
      layout.symbols.push_back(declarationOf(words, line));
    }
    if (!ended) {
      sink.add(Severity::Error, "missing-symbols-end", "the symbols section has no 'end'", symbolsAt);
      sink.add(Severity::Error, "missing-code", "no 'code' section", reader.endSpan());
      return layout;
    }
    if (!reader.next(line, words, false)) {
      sink.add(Severity::Error, "missing-code", "no 'code' section after the symbols", reader.endSpan());
      return layout;
    }
    if (!firstIs("code")) {
      const Span at = words[0].at;
      const bool slashes = words[0].key.substr(0, 2) == "//";
      sink.add(Severity::Error, "text-between-sections",
               slashes ? "the game reads '//' here as text, not as a comment: only blank lines and lines starting "
                         "with '#' or ';' may stand between the symbols' 'end' and 'code'"
                       : "only blank lines and comments may stand between the symbols' 'end' and 'code': the game "
                         "refuses the script",
               at);
      if (!seek("code", false)) {
        sink.add(Severity::Error, "missing-code", "no 'code' section", reader.endSpan());
        return layout;
      }
    }
    startCode();
  }
  return layout;
}

}  // namespace cog
