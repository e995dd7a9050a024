#include "cog/DiagnosticSink.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace cog {

namespace {
constexpr int kMostPerCheck = 200;
}

void DiagnosticSink::add(Severity severity, const char* check, std::string text, const Span& at) {
  Count* count = nullptr;
  for (Count& c : counts_)
    if (std::strcmp(c.check, check) == 0) count = &c;
  if (!count) {
    counts_.push_back({check, 0});
    count = &counts_.back();
  }
  if (++count->count > kMostPerCheck) {
    ++omitted_[int(severity)];
    return;
  }
  if (severity != Severity::Note) ++serious_;
  Diagnostic d;
  d.line = at.line;
  d.column = at.column;
  d.offset = at.offset;
  d.length = at.length;
  d.severity = severity;
  d.check = check;
  d.text = std::move(text);
  list_.push_back(std::move(d));
}

std::vector<Diagnostic> DiagnosticSink::take() {
  std::fill(std::begin(omitted_), std::end(omitted_), 0);
  std::stable_sort(list_.begin(), list_.end(), [](const Diagnostic& a, const Diagnostic& b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
  });
  counts_.clear();
  serious_ = 0;
  return std::move(list_);
}

}  // namespace cog
