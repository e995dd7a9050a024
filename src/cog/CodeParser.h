#pragma once
// Reads the code section with the game's grammar: statements, labels,
// expressions and verb calls. Iterative, with explicit stacks, so that
// deep nesting costs heap, not stack; linear in the text's size.
#include <string_view>

#include "cog/DiagnosticSink.h"
#include "cog/Structure.h"

namespace cog {

// Reads from `offset`, the start of line `line`, to the code's "end" or the
// end of the text; reports what the grammar rejects and collects the facts.
CodeFacts parseCode(std::string_view text, int offset, int line, DiagnosticSink& sink);

}  // namespace cog
