#pragma once
// Reads the parts of a script the game reads line by line: the flags line,
// "symbols" ... "end" and the "code" line. Reports what keeps the game from
// finding them; the meaning of each declaration is left to the checker.
#include <string_view>

#include "cog/DiagnosticSink.h"
#include "cog/Structure.h"

namespace cog {

Layout readLayout(std::string_view text, DiagnosticSink& sink);

}  // namespace cog
