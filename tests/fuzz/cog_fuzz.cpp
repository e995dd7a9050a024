// libFuzzer target over the COG library: the whole check for both games,
// the outline, and the lexer started at a line start the input chooses,
// with the lexer's promises checked (tokens in order, none across a line end).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cog/Lexer.h"
#include "cog/Script.h"

namespace {

void require(bool ok) {
  if (!ok) std::abort();
}

void lexFrom(std::string_view text, std::size_t wanted) {
  // The wanted-th line start (counting CR LF, lone CR and lone LF as line ends).
  std::size_t start = 0;
  int line = 1;
  for (std::size_t i = 0; i < text.size() && wanted > 0; ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      start = i + 1;
      ++line;
      --wanted;
    }
  }
  cog::Lexer lexer(text, int(start), line);
  cog::Token t{};
  int previousEnd = int(start);
  int lineStart = int(start);
  int currentLine = line;
  while (lexer.next(t)) {
    require(t.offset >= previousEnd && t.length > 0 && t.offset + t.length <= int(text.size()));
    require(t.line == currentLine && t.column == t.offset - lineStart + 1);
    const std::string_view s = text.substr(t.offset, t.length);
    if (t.kind == cog::TokenKind::LineEnd) {
      require(s == "\n" || s == "\r" || s == "\r\n");
      ++currentLine;
      lineStart = t.offset + t.length;
    } else {
      require(s.find('\n') == std::string_view::npos && s.find('\r') == std::string_view::npos);
    }
    previousEnd = t.offset + t.length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const cog::Game game : {cog::Game::JediKnight, cog::Game::MysteriesOfTheSith}) {
    const cog::ScriptReport report = cog::checkScript(text, game);
    for (const cog::Diagnostic& d : report.diagnostics) {
      require(d.offset >= 0 && d.length >= 0 && std::size_t(d.offset) + std::size_t(d.length) <= size);
      require(d.line >= 1 && d.column >= 1 && !d.check.empty() && !d.text.empty());
    }
  }
  (void)cog::outlineOf(text);
  lexFrom(text, size ? data[0] : 0);
  return 0;
}
