#include "Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace cogcheck {

namespace {

bool endsWithCog(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char& c : tail)
    if (c >= 'A' && c <= 'Z') c = char(c | 0x20);
  return tail == ".cog";
}

std::string causeOf(const std::error_code& ec) {
  std::string text = ec.message();
  return text.empty() ? "unreadable" : text;
}

void collectFolder(const std::string& folder, std::vector<Input>& out) {
  std::vector<Input> found;
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, fs::directory_options::none, ec), end;
  if (ec) {
    out.push_back({folder, causeOf(ec)});
    return;
  }
  while (it != end) {
    std::error_code entryError;
    const fs::directory_entry& entry = *it;
    const std::string name = entry.path().filename().string();
    if (endsWithCog(name) && !entry.is_directory(entryError)) found.push_back({entry.path().string(), {}});
    it.increment(ec);
    if (ec) {
      // A subfolder that cannot be opened is named; the rest is still searched.
      found.push_back({it == end ? folder : it->path().string(), causeOf(ec)});
      if (it == end) break;
      it.disable_recursion_pending();
      it.increment(ec);
      if (ec) break;
    }
  }
  std::sort(found.begin(), found.end(), [](const Input& a, const Input& b) { return a.path < b.path; });
  out.insert(out.end(), found.begin(), found.end());
}

}  // namespace

std::vector<Input> collectInputs(const std::vector<std::string>& paths) {
  std::vector<Input> out;
  for (const std::string& path : paths) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec && !fs::exists(status)) {
      out.push_back({path, causeOf(ec)});
    } else if (fs::is_directory(status)) {
      collectFolder(path, out);
    } else {
      out.push_back({path, {}});
    }
  }
  return out;
}

bool readWholeFile(const std::string& path, std::string& text, std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    error = std::strerror(errno);
    return false;
  }
  text.clear();
  char buffer[1 << 16];
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
    text.append(buffer, n);
    if (n < sizeof buffer) break;
  }
  const bool failed = std::ferror(f);
  const int cause = errno;
  std::fclose(f);
  if (failed) {
    error = std::strerror(cause);
    return false;
  }
  return true;
}

}  // namespace cogcheck
