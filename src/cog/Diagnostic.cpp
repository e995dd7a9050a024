#include "cog/Diagnostic.h"

namespace cog {

const char* severityName(Severity severity) {
  switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Note: return "note";
  }
  return "error";
}

}  // namespace cog
