#pragma once
// The words the lexer sets apart, without going through the tables: the
// colouring lexes every visible line and wants this to be quick.
#include <string_view>

namespace cog {

// if else while do for goto call return stop break continue
bool isLexerKeyword(std::string_view word);
// symbols code end flags
bool isLexerSectionWord(std::string_view word);

}  // namespace cog
