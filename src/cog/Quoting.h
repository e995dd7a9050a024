#pragma once
// Small text helpers of the checker's messages and name look-ups.
#include <string>
#include <string_view>

namespace cog {

// ASCII lower case, as the game folds names.
std::string lowered(std::string_view s);
// A short quotation of a name or token for a message, control bytes shown as '?'.
std::string quote(std::string_view s);

}  // namespace cog
