// The in-process benchmarks: Google Benchmark driving the program's own
// procedures, on the offscreen platform, in one process.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "Workbench.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  bench::Workbench workbench;
  // Memory first: later benchmarks leave freed memory behind that new
  // documents would reuse, hiding their weight.
  bench::registerMemoryBenchmarks(workbench);
  bench::registerDocumentBenchmarks(workbench);
  bench::registerSearchBenchmarks(workbench);
  bench::registerSaveBenchmarks(workbench);
  bench::registerRecoveryBenchmarks(workbench);
  bench::registerCogBenchmarks(workbench);
  bench::registerCogEditorBenchmarks(workbench);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
