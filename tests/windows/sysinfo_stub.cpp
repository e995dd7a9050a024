// Started in place of the system-information tool by the tests: leaves its
// own path in the file that TORVANE_STUB_MARK names, and ends.
#include <cstdio>
#include <cstdlib>

int main(int, char** argv) {
  const char* mark = std::getenv("TORVANE_STUB_MARK");
  if (!mark) return 1;
  std::FILE* file = std::fopen(mark, "wb");
  if (!file) return 1;
  std::fputs(argv[0], file);
  return std::fclose(file) == 0 ? 0 : 1;
}
