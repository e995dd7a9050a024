// The search's worst case over a 65000-character text: the only match at the
// far end from the caret, searched fresh, in both directions, with and
// without case. The floor is one library scan over the same text, copied out
// of the text box the same way.
#include <benchmark/benchmark.h>

#include <cstring>

#include "Workbench.h"
#include "Workload.h"
#include "editing/Search.h"
#include "windows/frmMDI.h"

namespace bench {
namespace {

constexpr int kTextLength = 65000;
constexpr int kUp = 0, kDown = 1;

struct SearchCase {
  const char* name;
  int direction;
  bool matchCase;
};

// The text for a direction: the marker, in mixed case, at the end (down) or
// at the start (up); the caret at the other end.
QByteArray searchedText(int direction) {
  const QByteArray marker(kMarker);
  QByteArray text = cogLikeText(kTextLength - int(marker.size()));
  return direction == kDown ? text + marker : marker + text;
}

// What the user types: the marker itself, or in lower case with Match Case off.
QByteArray typedText(bool matchCase) {
  const QByteArray marker(kMarker);
  return matchCase ? marker : marker.toLower();
}

int caretFor(int direction) { return direction == kDown ? 0 : kTextLength; }
int matchFor(int direction) { return direction == kDown ? kTextLength - int(std::strlen(kMarker)) : 0; }

TestEnv& searchEnv(Workbench& bench, int direction) {
  if (!bench.search) bench.search = startProgram();
  TextBox* box = bench.search->doc(1)->Text1;
  const QByteArray text = searchedText(direction);
  if (box->Text() != text) box->SetText(text);
  return *bench.search;
}

void searchActiveDocument(benchmark::State& state, Workbench& bench, SearchCase c) {
  TestEnv& env = searchEnv(bench, c.direction);
  TextBox* box = env.doc(1)->Text1;
  SearchState& search = env.program->Search;
  search.FindText = QString::fromLatin1(typedText(c.matchCase));
  search.MatchCase = c.matchCase ? 1 : 0;
  search.SearchDirection = qint16(c.direction);
  for (auto _ : state) {
    box->SetSelStart(caretFor(c.direction));
    search.NewSearch = true;
    const double seconds = secondsOf([&] { SearchActiveDocument(*env.program); });
    if (box->SelStart() != matchFor(c.direction) || box->SelLength() != int(std::strlen(kMarker))) {
      const QString shown = env.runtime.messages.isEmpty() ? QStringLiteral("nothing") : env.runtime.messages.last().text;
      state.SkipWithError(("the match was not selected; the program showed: " + shown.toStdString()).c_str());
      return;
    }
    env.runtime.messages.clear();
    state.SetIterationTime(seconds);
  }
}

void scanFloor(benchmark::State& state, Workbench& bench, SearchCase c) {
  TestEnv& env = searchEnv(bench, c.direction);
  TextBox* box = env.doc(1)->Text1;
  const QByteArray typed = typedText(c.matchCase);
  for (auto _ : state) {
    qsizetype found = -1;
    const double seconds = secondsOf([&] {
      const QByteArray text = box->Text();
      const QByteArray subject = c.matchCase ? text : text.toUpper();
      const QByteArray pattern = c.matchCase ? typed : typed.toUpper();
      found = c.direction == kDown ? subject.indexOf(pattern) : subject.lastIndexOf(pattern);
    });
    benchmark::DoNotOptimize(found);
    if (found != matchFor(c.direction)) {
      state.SkipWithError("the floor scan found the wrong place");
      return;
    }
    state.SetIterationTime(seconds);
  }
}

}  // namespace

void registerSearchBenchmarks(Workbench& bench) {
  const SearchCase cases[] = {{"down_case", kDown, true},
                              {"down_nocase", kDown, false},
                              {"up_case", kUp, true},
                              {"up_nocase", kUp, false}};
  for (const SearchCase& c : cases) {
    benchmark::RegisterBenchmark((std::string("search/") + c.name).c_str(),
                                 [&bench, c](benchmark::State& state) { searchActiveDocument(state, bench, c); })
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((std::string("search_floor/") + c.name).c_str(),
                                 [&bench, c](benchmark::State& state) { scanFloor(state, bench, c); })
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace bench
