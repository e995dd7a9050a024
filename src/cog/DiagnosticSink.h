#pragma once
// Collects a script's diagnostics; a check that fires very often (a binary
// file read as a script) is kept to its first few hundred.
#include <string>
#include <vector>

#include "cog/Diagnostic.h"
#include "cog/Structure.h"

namespace cog {

class DiagnosticSink {
 public:
  void add(Severity severity, const char* check, std::string text, const Span& at);
  // Count of errors and warnings so far.
  int serious() const { return serious_; }
  // In text order (line, then column); the sink is left empty.
  std::vector<Diagnostic> take();
  // Left out since the last take(), by Severity.
  const int* omitted() const { return omitted_; }

 private:
  struct Count {
    const char* check;
    int count;
  };
  std::vector<Diagnostic> list_;
  std::vector<Count> counts_;
  int serious_ = 0;
  int omitted_[3] = {0, 0, 0};
};

}  // namespace cog
