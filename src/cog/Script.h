#pragma once
// A script read whole: its outline and its problems.
#include <string>
#include <string_view>
#include <vector>

#include "cog/Diagnostic.h"
#include "cog/Game.h"

namespace cog {

struct OutlineEntry {
  enum class Kind { Handler, Label, Symbol };
  Kind kind;
  std::string name;    // as written
  std::string detail;  // a symbol's type; empty for labels
  int line = 1;
  int offset = 0;      // byte offset of the name
};

struct ScriptReport {
  std::vector<OutlineEntry> outline;       // in text order
  std::vector<Diagnostic> diagnostics;     // in text order (line, then column)
  // Left out of the list, by Severity: a check that fires very often (a binary
  // file read as a script) is listed only for its first few hundred places.
  int omitted[3] = {0, 0, 0};
};

// Reads and checks the whole script. Linear in its size, stack bounded
// whatever the nesting; any bytes are accepted.
ScriptReport checkScript(std::string_view text, Game game);

// Only the outline, for a quick Go To; never slower than checkScript.
std::vector<OutlineEntry> outlineOf(std::string_view text);

}  // namespace cog
