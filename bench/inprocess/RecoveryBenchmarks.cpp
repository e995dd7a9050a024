// The share of a recovery write that the user-interface thread does for a
// 65000-byte document: copying the text out and handing it to the writer
// thread. The floor is copying the text out alone, the least any copy costs.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

#include "Workbench.h"
#include "Workload.h"
#include "recovery/RecoveryCopy.h"

namespace bench {
namespace {

constexpr int kSize = 65000;

RecoveryInstance& recoveryEditor(Workbench& bench) {
  if (!bench.recovery) {
    bench.recovery = std::make_unique<RecoveryInstance>(bench.folder.filePath(QStringLiteral("recovery")));
    bench.recovery->env.doc(1)->Text1->SetText(cogLikeText(kSize));
    bench.recovery->settle();
  }
  return *bench.recovery;
}

}  // namespace

void registerRecoveryBenchmarks(Workbench& bench) {
  benchmark::RegisterBenchmark("recovery/HandOff_65000_bytes", [&bench](benchmark::State& state) {
    RecoveryInstance& editor = recoveryEditor(bench);
    frmNotePad* document = editor.env.doc(1);
    for (auto _ : state) {
      const double seconds = secondsOf([&] { editor.recovery.HandOff(*document); });
      // The writer finishes untimed, so that copies do not pile up.
      editor.queue.Finish();
      const QString copy = QDir(QDir(editor.folder.root()).filePath(editor.folder.ownSet()))
                               .filePath(QStringLiteral("1.copy"));
      QFile file(copy);
      if (!file.open(QIODevice::ReadOnly) || !DecodeRecoveryCopy(file.readAll()) ||
          editor.recovery.FailureTold()) {
        state.SkipWithError("the hand-off did not lead to a whole copy");
        return;
      }
      state.SetIterationTime(seconds);
    }
    // A fixed count: every hand-off is followed by a whole flushed write,
    // which the hand-off's small figure would otherwise multiply.
  })->UseManualTime()->Iterations(100)->Unit(benchmark::kMicrosecond);

  benchmark::RegisterBenchmark("recovery_floor/copy_text_out_65000_bytes", [&bench](benchmark::State& state) {
    RecoveryInstance& editor = recoveryEditor(bench);
    TextBox* box = editor.env.doc(1)->Text1;
    for (auto _ : state) {
      QByteArray text;
      const double seconds = secondsOf([&] { text = box->Text(); });
      if (text.size() != kSize) {
        state.SkipWithError("the text was not copied out");
        return;
      }
      state.SetIterationTime(seconds);
    }
  })->UseManualTime()->Unit(benchmark::kMicrosecond);
}

}  // namespace bench
