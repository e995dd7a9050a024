#pragma once
// Which game's tables a script is read against.

namespace cog {

enum class Game { JediKnight, MysteriesOfTheSith };

}  // namespace cog
