#pragma once
// A script's structure as the game reads it: the optional flags line, the
// symbols section (read line by line, like the game's configuration reader)
// and the facts of the code section (read with the grammar).
#include <string>
#include <string_view>
#include <vector>

namespace cog {

// Where something is in the text.
struct Span {
  int offset = 0;  // bytes from 0
  int length = 0;  // bytes
  int line = 1;    // from 1
  int column = 1;  // byte column, from 1
};

struct SymbolExtension {
  std::string key;    // local, desc, mask, linkid, nolink, or any other word
  std::string value;  // after '=', empty when there is none
  bool hasValue = false;
  Span at;
};

struct SymbolDeclaration {
  std::string type;   // as written
  std::string name;   // as written; empty when the line names none
  std::string value;  // after '=' (a template's "+name", a number), empty when none
  bool hasValue = false;
  std::vector<SymbolExtension> extensions;
  Span typeAt;
  Span nameAt;        // the type's place when there is no name
  int line = 1;
};

struct Layout {
  bool hasFlags = false;
  std::string flags;          // as written after "flags="
  Span flagsAt;
  bool hasSymbols = false;    // a "symbols" line where the game looks for it
  Span symbolsAt;
  bool hasSymbolsEnd = false;
  Span symbolsEndAt;
  std::vector<SymbolDeclaration> symbols;  // every line of the section that is not blank or a comment
  bool hasCode = false;
  Span codeAt;                // the word "code"
  int codeOffset = 0;         // the first byte the code parser reads: the line after "code"
  int codeLine = 1;
};

struct LabelDefinition {
  std::string name;  // as written
  Span at;
};

struct Jump {
  bool isCall = false;  // call, else goto
  std::string label;    // as written
  Span at;              // the label's name
};

struct VerbCall {
  std::string name;     // as written
  int arguments = 0;
  Span at;              // the verb's name
};

struct NameUse {
  std::string name;     // as written at its first use
  Span at;
};

struct CodeFacts {
  std::vector<LabelDefinition> labels;  // in text order
  std::vector<Jump> jumps;
  std::vector<VerbCall> calls;
  std::vector<NameUse> names;           // names read or written in expressions, first use of each
  int statements = 0;                   // top-level and nested statements read
  bool hasEnd = false;                  // the "end" that closes the code
  Span endAt;
};

}  // namespace cog
