#pragma once
// Case-insensitive ordering of names, shared by the table files: the tables
// are kept sorted by it so that look-ups are binary searches, and the
// compiler checks that order (and the absence of duplicates) at build time.
#include <cstddef>
#include <span>
#include <string_view>

namespace cog::tables {

constexpr char foldCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// <0, 0 or >0 as `a` sorts before, with or after `b`, ignoring ASCII case.
constexpr int compareNames(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(foldCase(a[i]));
    const auto y = static_cast<unsigned char>(foldCase(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// True when every name sorts strictly after the one before it.
template <typename T, typename Key>
constexpr bool strictlyAscending(std::span<const T> rows, Key key) {
  for (std::size_t i = 1; i < rows.size(); ++i)
    if (compareNames(key(rows[i - 1]), key(rows[i])) >= 0) return false;
  return true;
}

// The row whose name equals `name` ignoring case, or null.
template <typename T, typename Key>
constexpr const T* findName(std::span<const T> rows, std::string_view name, Key key) {
  std::size_t lo = 0;
  std::size_t hi = rows.size();
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    const int c = compareNames(key(rows[mid]), name);
    if (c == 0) return &rows[mid];
    if (c < 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return nullptr;
}

constexpr std::string_view itself(std::string_view s) { return s; }

}  // namespace cog::tables
