// Writes the scripts torvane-cogcheck is timed over:
//   torvane-cog-scripts FOLDER COUNT
// COUNT scripts of 1.5 to 12 KB (about 4 KB on average), and prints their
// total size in bytes.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "CogScriptText.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: torvane-cog-scripts FOLDER COUNT\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int count = std::atoi(argv[2]);
  unsigned long long total = 0;
  for (int i = 0; i < count; ++i) {
    const unsigned r = unsigned(i) * 2246822519u + 374761393u;
    // Mostly small, a few large: like a level's scripts.
    const std::size_t size = 1500 + (r % 4000) + ((r >> 12) % 8 == 0 ? 6500 : 0);
    const std::string text = bench::cogScriptText(size, unsigned(i), false);
    char name[32];
    std::snprintf(name, sizeof name, "/gen%04d.cog", i);
    std::FILE* f = std::fopen((folder + name).c_str(), "wb");
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) {
      std::fprintf(stderr, "torvane-cog-scripts: cannot write %s%s\n", folder.c_str(), name);
      return 1;
    }
    total += text.size();
  }
  std::printf("%llu\n", total);
  return 0;
}
