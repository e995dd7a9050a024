// Message names: those a script may declare as `message` symbols and handle.
//
// Sources: the messages the engine reimplementation registers for each game
// (Jedi Knight: 41 names on 40 ids, `activate` and `activated` sharing one;
// Mysteries of the Sith adds six, two of them registered with the bubble
// verbs), checked against the reference page on messages. Names only one of
// the sources has for a third game, and the engine's global0..global15
// (variables, not messages), are left out.
#include <array>

#include "cog/Tables.h"
#include "cog/TablesOrder.h"

namespace cog {
namespace {

constexpr bool kMots = true;

constexpr std::array<MessageInfo, 47> kMessages = {{
    {"activate", false},      {"activated", false},    {"aievent", false},
    {"arrived", false},       {"attachkilled", kMots}, {"autoselect", false},
    {"blocked", false},       {"changed", false},      {"created", false},
    {"crossed", false},       {"damaged", false},      {"deactivated", false},
    {"deselected", false},    {"enterbubble", kMots},  {"entered", false},
    {"escaped", kMots},       {"exitbubble", kMots},   {"exited", false},
    {"fire", false},          {"join", false},         {"killed", false},
    {"leave", false},         {"loading", false},      {"newplayer", false},
    {"playeraction", kMots},  {"preblock", kMots},     {"pulse", false},
    {"removed", false},       {"respawn", false},      {"selected", false},
    {"shutdown", false},      {"sighted", false},      {"skill", false},
    {"splash", false},        {"startup", false},      {"taken", false},
    {"timer", false},         {"touched", false},      {"trigger", false},
    {"user0", false},         {"user1", false},        {"user2", false},
    {"user3", false},         {"user4", false},        {"user5", false},
    {"user6", false},         {"user7", false},
}};

constexpr std::string_view messageName(const MessageInfo& m) { return m.name; }

static_assert(tables::strictlyAscending<MessageInfo>(kMessages, messageName));

}  // namespace

bool isMessage(std::string_view name, Game game) {
  const MessageInfo* m = tables::findName<MessageInfo>(kMessages, name, messageName);
  return m != nullptr && (!m->motsOnly || game == Game::MysteriesOfTheSith);
}

std::span<const MessageInfo> allMessages() { return kMessages; }

}  // namespace cog
