// New and Open, timed from the call until the window is painted, and the
// memory each open document takes.
#include <benchmark/benchmark.h>

#include "Workbench.h"
#include "Workload.h"
#include "workspace/DocumentTable.h"
#include "workspace/OpenFiles.h"

namespace bench {
namespace {

constexpr int kDocumentsPerWeighing = 20;

// One timed step that should add exactly one document window, closed again
// untimed; false (with the reason given to the benchmark) when it did not.
template <class Step>
bool timeOneDocument(benchmark::State& state, TestEnv& env, Step step, int expectedLength) {
  const QList<frmNotePad*> before = env.documents();
  PaintWatch watch;
  const double seconds = secondsOf([&] {
    step();
    paintPending();
  });
  frmNotePad* added = documentAddedSince(env, before);
  const bool painted = added && watch.painted(added->Text1);
  drain();
  if (!added) {
    state.SkipWithError("no document window was added");
    return false;
  }
  if (!painted) {
    state.SkipWithError("the new document was not painted");
    return false;
  }
  if (added->Text1->Length() != expectedLength) {
    state.SkipWithError("the new document does not hold the expected text");
    return false;
  }
  state.SetIterationTime(seconds);
  if (!closeDocument(env, added)) {
    state.SkipWithError("the new document would not close without a question");
    return false;
  }
  return true;
}

TestEnv& documentsEnv(Workbench& bench) {
  if (!bench.documents) bench.documents = startProgram();
  return *bench.documents;
}

TestEnv& memoryEnv(Workbench& bench) {
  if (!bench.memory) bench.memory = startProgram();
  return *bench.memory;
}

// Bytes of resident memory per document added by `step`, the documents kept.
template <class Step>
void weighDocuments(benchmark::State& state, TestEnv& env, Step step) {
  for (auto _ : state) {
    const int before = liveCount(env);
    const qint64 start = residentBytes();
    for (int i = 0; i < kDocumentsPerWeighing; ++i) {
      step();
      drain();
    }
    const qint64 grown = residentBytes() - start;
    if (liveCount(env) != before + kDocumentsPerWeighing) {
      state.SkipWithError("no document window was added");
      return;
    }
    state.counters["bytes_per_document"] = double(grown) / kDocumentsPerWeighing;
  }
}

}  // namespace

void registerMemoryBenchmarks(Workbench& bench) {
  benchmark::RegisterBenchmark("memory/new_document", [&bench](benchmark::State& state) {
    TestEnv& env = memoryEnv(bench);
    weighDocuments(state, env, [&] { CreateNewDocument(*env.program); });
  })->Iterations(1);
  benchmark::RegisterBenchmark("memory/open_65000_bytes", [&bench](benchmark::State& state) {
    TestEnv& env = memoryEnv(bench);
    const QString file = bench.file65000();
    weighDocuments(state, env, [&] { LoadDocumentFile(*env.program, file); });
  })->Iterations(1);
}

void registerDocumentBenchmarks(Workbench& bench) {
  // Opening against New, both with the start-up document open beside them.
  benchmark::RegisterBenchmark("open/LoadDocumentFile_65000_bytes", [&bench](benchmark::State& state) {
    TestEnv& env = documentsEnv(bench);
    keepLive(env, 1);
    const QString file = bench.file65000();
    for (auto _ : state)
      if (!timeOneDocument(state, env, [&] { LoadDocumentFile(*env.program, file); }, 65000)) return;
  })->UseManualTime()->Unit(benchmark::kMillisecond);

  // New with 1, 100 and 1000 documents open already.
  benchmark::RegisterBenchmark("new/CreateNewDocument", [&bench](benchmark::State& state) {
    TestEnv& env = documentsEnv(bench);
    keepLive(env, int(state.range(0)));
    for (auto _ : state)
      if (!timeOneDocument(state, env, [&] { CreateNewDocument(*env.program); }, 0)) return;
  })->ArgName("open")->Arg(1)->Arg(100)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);
}

}  // namespace bench
