#pragma once
// What the games know: symbol types and extensions, message names, verbs.
// All look-ups are ASCII case-insensitive.
#include <span>
#include <string_view>

#include "cog/Game.h"

namespace cog {

struct VerbInfo {
  std::string_view name;  // as the references spell it
  // Argument count where the sources agree; -1 where they do not or are silent.
  int args;
  bool returnsValue;
  bool motsOnly;  // added by Mysteries of the Sith
};

// Null when the game does not know the verb.
const VerbInfo* findVerb(std::string_view name, Game game);
bool isMessage(std::string_view name, Game game);
bool isSymbolType(std::string_view name);       // ai, cog, flex, float, ...
bool isSymbolExtension(std::string_view name);  // local, desc, mask, linkid, nolink
bool isKeyword(std::string_view name);          // if else while do for goto call return stop break continue
bool isSectionWord(std::string_view name);      // symbols code end flags

// The whole tables, for lists and colouring. Each is sorted by name ignoring
// case, without duplicates.
// Every verb of either game; those with motsOnly set exist only in the expansion.
std::span<const VerbInfo> allVerbs();

struct MessageInfo {
  std::string_view name;
  bool motsOnly;  // added by Mysteries of the Sith
};
std::span<const MessageInfo> allMessages();
std::span<const std::string_view> allSymbolTypes();
std::span<const std::string_view> allSymbolExtensions();
std::span<const std::string_view> allKeywords();
std::span<const std::string_view> allSectionWords();

}  // namespace cog
