#pragma once
// One problem found in a script.
#include <string>

namespace cog {

enum class Severity { Error, Warning, Note };

struct Diagnostic {
  int line = 1;       // from 1
  int column = 1;     // byte column, from 1
  int offset = 0;     // byte offset of the range, from 0
  int length = 0;     // bytes; 0 marks a point
  Severity severity = Severity::Error;
  std::string check;  // stable name, e.g. "unknown-verb"
  std::string text;   // one line, no trailing full stop needed
};

const char* severityName(Severity severity);  // "error", "warning", "note"

}  // namespace cog
