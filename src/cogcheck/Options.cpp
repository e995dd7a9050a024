#include "Options.h"

namespace cogcheck {

namespace {

bool setGame(const std::string& value, Options& o) {
  if (value == "jk") {
    o.game = cog::Game::JediKnight;
  } else if (value == "mots") {
    o.game = cog::Game::MysteriesOfTheSith;
  } else {
    o.action = Options::Action::Fail;
    o.error = "invalid game '" + value + "' (choose jk or mots)";
    return false;
  }
  return true;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& args) {
  Options o;
  bool options = true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (options && a == "--") {
      options = false;
    } else if (options && a == "--help") {
      o.action = Options::Action::Help;
      return o;
    } else if (options && a == "--version") {
      o.action = Options::Action::Version;
      return o;
    } else if (options && a == "--game") {
      if (i + 1 >= args.size()) {
        o.action = Options::Action::Fail;
        o.error = "option '--game' requires an argument";
        return o;
      }
      if (!setGame(args[++i], o)) return o;
    } else if (options && a.rfind("--game=", 0) == 0) {
      if (!setGame(a.substr(7), o)) return o;
    } else if (options && a.size() > 1 && a[0] == '-') {
      o.action = Options::Action::Fail;
      o.error = (a.rfind("--", 0) == 0 ? "unrecognized option '" : "invalid option '") + a + "'";
      return o;
    } else {
      o.paths.push_back(a);
    }
  }
  if (o.action == Options::Action::Check && o.paths.empty()) {
    o.action = Options::Action::Fail;
    o.error = "no file or folder to check";
  }
  return o;
}

const char* usageText() {
  return "Usage: torvane-cogcheck [--game jk|mots] PATH...\n"
         "Check Jedi Knight COG scripts: each PATH is a script, or a folder whose\n"
         ".cog files (any case, in every subfolder) are checked.\n"
         "\n"
         "  --game jk|mots  the game whose verbs and messages the scripts use:\n"
         "                  jk (Jedi Knight, the default) or mots (Mysteries of the Sith)\n"
         "  --help          display this help and exit\n"
         "  --version       output version information and exit\n"
         "\n"
         "One line per finding, in file and line order:\n"
         "  PATH:LINE:COLUMN: error|warning|note: TEXT [CHECK-NAME]\n"
         "and a summary on standard error.\n"
         "\n"
         "Exit status: 0 when no error or warning was found, 1 when one was,\n"
         "2 when the command line is wrong or a file could not be read.\n";
}

}  // namespace cogcheck
