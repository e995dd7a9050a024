// Checking a 65000-byte COG script (the largest file the editor opens), and
// its floor: one scan of the same bytes counting line ends.
#include <benchmark/benchmark.h>

#include <string>

#include "CogScriptText.h"
#include "Workbench.h"
#include "Workload.h"
#include "cog/Script.h"

namespace bench {
namespace {

constexpr std::size_t kScriptSize = 65000;

const std::string& script65000() {
  static const std::string text = cogScriptText(kScriptSize, 1, true);
  return text;
}

void checkScript(benchmark::State& state) {
  const std::string& text = script65000();
  for (auto _ : state) {
    cog::ScriptReport report;
    const double seconds = secondsOf([&] { report = cog::checkScript(text, cog::Game::JediKnight); });
    for (const cog::Diagnostic& d : report.diagnostics)
      if (d.severity != cog::Severity::Note) {
        state.SkipWithError(("the generated script was misread: line " + std::to_string(d.line) + ": " + d.text).c_str());
        return;
      }
    if (text.size() != kScriptSize || report.outline.empty()) {
      state.SkipWithError("the generated script is not what the figure is about");
      return;
    }
    benchmark::DoNotOptimize(report);
    state.SetIterationTime(seconds);
  }
}

void countLineEnds(benchmark::State& state) {
  const std::string& text = script65000();
  for (auto _ : state) {
    int lines = 0;
    const double seconds = secondsOf([&] {
      for (const char c : text) lines += c == '\n';
    });
    benchmark::DoNotOptimize(lines);
    state.SetIterationTime(seconds);
  }
}

}  // namespace

void registerCogBenchmarks(Workbench&) {
  benchmark::RegisterBenchmark("cog/checkScript_65000_bytes", checkScript)->UseManualTime();
  benchmark::RegisterBenchmark("cog_floor/count_line_ends_65000_bytes", countLineEnds)->UseManualTime();
}

}  // namespace bench
