#include "cog/Quoting.h"

namespace cog {

std::string lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c | 0x20);
  return out;
}

std::string quote(std::string_view s) {
  constexpr std::size_t kLongest = 40;
  std::string out = "'";
  for (const char c : s.substr(0, kLongest)) out += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
  if (s.size() > kLongest) out += "...";
  return out + "'";
}

}  // namespace cog
