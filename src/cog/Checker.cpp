// The checks that need the whole script and the game's tables: declarations,
// handlers, labels, verbs and names.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "cog/CodeParser.h"
#include "cog/DiagnosticSink.h"
#include "cog/LayoutReader.h"
#include "cog/Quoting.h"
#include "cog/Lexer.h"
#include "cog/Script.h"
#include "cog/Tables.h"

namespace cog {

namespace {

// Larger texts are refused whole: offsets are ints.
constexpr std::size_t kLargestText = 512u * 1024 * 1024;

const char* gameName(Game game) {
  return game == Game::JediKnight ? "Jedi Knight" : "Mysteries of the Sith";
}

struct Script {
  Layout layout;
  CodeFacts code;
  // By lower-case name: the first declaration, the first label.
  std::unordered_map<std::string, const SymbolDeclaration*> symbols;
  std::unordered_map<std::string, const LabelDefinition*> labels;
  std::unordered_set<std::string> jumpTargets;
};

void read(Script& s, std::string_view text, DiagnosticSink& sink) {
  s.layout = readLayout(text, sink);
  if (s.layout.hasCode) s.code = parseCode(text, s.layout.codeOffset, s.layout.codeLine, sink);
  for (const SymbolDeclaration& d : s.layout.symbols)
    if (!d.name.empty() && isSymbolType(d.type)) s.symbols.emplace(lowered(d.name), &d);
  for (const LabelDefinition& l : s.code.labels) s.labels.emplace(lowered(l.name), &l);
  for (const Jump& j : s.code.jumps) s.jumpTargets.insert(lowered(j.label));
}

bool declaredMessage(const Script& s, const std::string& key) {
  const auto it = s.symbols.find(key);
  return it != s.symbols.end() && equalsNoCase(it->second->type, "message");
}

void checkSymbols(const Script& s, Game game, DiagnosticSink& sink) {
  std::unordered_map<std::string, const SymbolDeclaration*> seen;
  for (const SymbolDeclaration& d : s.layout.symbols) {
    if (!isSymbolType(d.type)) {
      sink.add(Severity::Warning, "unknown-symbol-type",
               "unknown symbol type " + quote(d.type) + ": the game skips this line", d.typeAt);
      continue;
    }
    if (d.name.empty()) {
      sink.add(Severity::Warning, "symbol-without-name", "this " + quote(d.type) + " declaration names no symbol",
               d.typeAt);
      continue;
    }
    const std::string key = lowered(d.name);
    const auto [it, fresh] = seen.emplace(key, &d);
    if (!fresh)
      sink.add(Severity::Error, "duplicate-symbol",
               quote(d.name) + " is already declared on line " + std::to_string(it->second->line), d.nameAt);
    if (equalsNoCase(d.type, "message")) {
      // The game looks the message up by the text after '=' when there is one.
      const std::string_view message = d.hasValue ? std::string_view(d.value) : std::string_view(d.name);
      if (!isMessage(message, game)) {
        const bool other = isMessage(message, game == Game::JediKnight ? Game::MysteriesOfTheSith : Game::JediKnight);
        sink.add(Severity::Warning, "unknown-message",
                 quote(message) + (other ? std::string(" is not a message of ") + gameName(game) + " (only of " +
                                               gameName(game == Game::JediKnight ? Game::MysteriesOfTheSith
                                                                                 : Game::JediKnight) +
                                               "): the game ignores this declaration"
                                         : " is not a message the game sends: the game ignores this declaration"),
                 d.nameAt);
      } else if (!s.labels.count(key)) {
        sink.add(Severity::Warning, "unhandled-message",
                 "message " + quote(d.name) + " is declared but no label of that name handles it", d.nameAt);
      }
    }
  }
}

void checkLabels(const Script& s, Game game, DiagnosticSink& sink) {
  std::unordered_map<std::string, const LabelDefinition*> seen;
  for (const LabelDefinition& l : s.code.labels) {
    const std::string key = lowered(l.name);
    const auto [it, fresh] = seen.emplace(key, &l);
    if (!fresh) {
      sink.add(Severity::Error, "duplicate-label",
               "label " + quote(l.name) + " is already defined on line " + std::to_string(it->second->at.line) +
                   ": the game jumps to only one of them",
               l.at);
      continue;
    }
    if (isMessage(l.name, game) && !declaredMessage(s, key) && !s.jumpTargets.count(key))
      sink.add(Severity::Warning, "undeclared-handler",
               quote(l.name) + " is named after a message that the symbols do not declare: the game never sends it "
                               "here (add 'message " + l.name + "')",
               l.at);
  }
  for (const Jump& j : s.code.jumps)
    if (!s.labels.count(lowered(j.label)))
      sink.add(Severity::Error, "missing-label",
               std::string(j.isCall ? "call" : "goto") + " to " + quote(j.label) + ", a label the code does not define",
               j.at);
}

void checkCalls(const Script& s, Game game, DiagnosticSink& sink) {
  for (const VerbCall& c : s.code.calls) {
    const VerbInfo* verb = findVerb(c.name, game);
    if (!verb) {
      const Game other = game == Game::JediKnight ? Game::MysteriesOfTheSith : Game::JediKnight;
      const bool elsewhere = findVerb(c.name, other) != nullptr;
      sink.add(Severity::Error, "unknown-verb",
               elsewhere ? quote(c.name) + " is a verb of " + gameName(other) + ", not of " + gameName(game)
                         : quote(c.name) + " is not a verb of " + gameName(game),
               c.at);
      continue;
    }
    if (verb->args >= 0 && verb->args != c.arguments)
      sink.add(Severity::Note, "argument-count",
               quote(verb->name) + " takes " + std::to_string(verb->args) +
                   (verb->args == 1 ? " argument" : " arguments") + ", given " + std::to_string(c.arguments) +
                   (c.arguments > verb->args ? ": the game ignores the extra ones"
                                             : ": the game reads the missing ones as -1"),
               c.at);
  }
}

void checkNames(const Script& s, Game game, DiagnosticSink& sink) {
  for (const NameUse& n : s.code.names) {
    const std::string key = lowered(n.name);
    if (s.symbols.count(key) || s.labels.count(key) || isMessage(n.name, game) || findVerb(n.name, game)) continue;
    sink.add(Severity::Note, "undeclared-name",
             quote(n.name) + " is not declared: the game makes it a new variable", n.at);
  }
}

std::vector<OutlineEntry> outlineFrom(const Script& s) {
  std::vector<OutlineEntry> out;
  out.reserve(s.layout.symbols.size() + s.code.labels.size());
  for (const SymbolDeclaration& d : s.layout.symbols)
    if (!d.name.empty())
      out.push_back({OutlineEntry::Kind::Symbol, d.name, d.type, d.nameAt.line, d.nameAt.offset});
  for (const LabelDefinition& l : s.code.labels)
    out.push_back({declaredMessage(s, lowered(l.name)) ? OutlineEntry::Kind::Handler : OutlineEntry::Kind::Label,
                   l.name, std::string(), l.at.line, l.at.offset});
  std::stable_sort(out.begin(), out.end(),
                   [](const OutlineEntry& a, const OutlineEntry& b) { return a.offset < b.offset; });
  return out;
}

}  // namespace

ScriptReport checkScript(std::string_view text, Game game) {
  ScriptReport report;
  DiagnosticSink sink;
  if (text.size() > kLargestText) {
    sink.add(Severity::Error, "too-large", "the text is too large to be a script", Span{});
    report.diagnostics = sink.take();
    return report;
  }
  Script s;
  read(s, text, sink);
  checkSymbols(s, game, sink);
  checkLabels(s, game, sink);
  checkCalls(s, game, sink);
  checkNames(s, game, sink);
  report.outline = outlineFrom(s);
  std::copy_n(sink.omitted(), 3, report.omitted);
  report.diagnostics = sink.take();
  return report;
}

std::vector<OutlineEntry> outlineOf(std::string_view text) {
  if (text.size() > kLargestText) return {};
  DiagnosticSink sink;
  Script s;
  read(s, text, sink);
  return outlineFrom(s);
}

}  // namespace cog
