// The small word lists: symbol types, symbol extensions, keywords, section words.
//
// Sources: the engine reimplementation's symbols-section reader (the type
// words it compares against, `flex` and `float` being one type; the
// extension keys it acts on) and its lexer (the reserved words); checked
// against the reference pages on the file layout and on symbol extensions.
// `stop` is the lexer's other spelling of `return`; `break` and `continue`
// are lexed although no statement uses them.
#include <array>

#include "cog/Tables.h"
#include "cog/TablesOrder.h"

namespace cog {
namespace {

using tables::findName;
using tables::itself;
using tables::strictlyAscending;

constexpr std::array<std::string_view, 15> kSymbolTypes = {
    "ai",       "cog",     "flex",  "float",  "int",      "keyframe", "material", "message",
    "model",    "sector",  "sound", "surface", "template", "thing",    "vector",
};

constexpr std::array<std::string_view, 5> kSymbolExtensions = {
    "desc", "linkid", "local", "mask", "nolink",
};

constexpr std::array<std::string_view, 11> kKeywords = {
    "break", "call", "continue", "do", "else", "for", "goto", "if", "return", "stop", "while",
};

constexpr std::array<std::string_view, 4> kSectionWords = {"code", "end", "flags", "symbols"};

static_assert(strictlyAscending<std::string_view>(kSymbolTypes, itself));
static_assert(strictlyAscending<std::string_view>(kSymbolExtensions, itself));
static_assert(strictlyAscending<std::string_view>(kKeywords, itself));
static_assert(strictlyAscending<std::string_view>(kSectionWords, itself));

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& words, std::string_view name) {
  return findName<std::string_view>(words, name, itself) != nullptr;
}

}  // namespace

bool isSymbolType(std::string_view name) { return contains(kSymbolTypes, name); }
bool isSymbolExtension(std::string_view name) { return contains(kSymbolExtensions, name); }
bool isKeyword(std::string_view name) { return contains(kKeywords, name); }
bool isSectionWord(std::string_view name) { return contains(kSectionWords, name); }

std::span<const std::string_view> allSymbolTypes() { return kSymbolTypes; }
std::span<const std::string_view> allSymbolExtensions() { return kSymbolExtensions; }
std::span<const std::string_view> allKeywords() { return kKeywords; }
std::span<const std::string_view> allSectionWords() { return kSectionWords; }

}  // namespace cog
