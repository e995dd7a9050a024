#pragma once
// Generated COG scripts for the checker's benchmarks: realistic in layout and
// size (a header of remarks, a symbols section of every common type, several
// handlers and subroutines with loops, verb calls, vectors and comments),
// clean for the checker (notes only), different for each seed.
#include <cstddef>
#include <string>

namespace bench {

// About `size` bytes; exactly `size` when `exact` (padded with a remark).
std::string cogScriptText(std::size_t size, unsigned seed, bool exact);

}  // namespace bench
