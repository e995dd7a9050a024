#pragma once
// The scripts a command line names: files as given, folders searched for
// .cog files in every subfolder, in a stable order.
#include <string>
#include <vector>

namespace cogcheck {

struct Input {
  std::string path;
  std::string error;  // why it cannot be read; empty when it can
};

std::vector<Input> collectInputs(const std::vector<std::string>& paths);
// The whole file; false with the cause in `error`.
bool readWholeFile(const std::string& path, std::string& text, std::string& error);

}  // namespace cogcheck
