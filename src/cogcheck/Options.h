#pragma once
// The command line of torvane-cogcheck.
#include <string>
#include <vector>

#include "cog/Game.h"

namespace cogcheck {

struct Options {
  enum class Action { Check, Help, Version, Fail };
  Action action = Action::Check;
  cog::Game game = cog::Game::JediKnight;
  std::vector<std::string> paths;
  std::string error;  // why the command line is refused (Action::Fail)
};

Options parseOptions(const std::vector<std::string>& args);
const char* usageText();

}  // namespace cogcheck
