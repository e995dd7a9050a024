// Saving 65000 bytes through WriteDocumentFile, against the floor of any
// atomic, flushed save: write a temporary file, fsync it, rename it over
// the target.
#include <benchmark/benchmark.h>

#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "Workbench.h"
#include "Workload.h"
#include "workspace/SaveFiles.h"

namespace bench {
namespace {

constexpr int kSize = 65000;

TestEnv& saveEnv(Workbench& bench) {
  if (!bench.save) {
    bench.save = startProgram();
    bench.save->doc(1)->Text1->SetText(cogLikeText(kSize));
  }
  return *bench.save;
}

bool atomicFlushedWrite(const QByteArray& path, const QByteArray& bytes) {
  const QByteArray temporary = path + ".tmp";
  const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  return ok && std::rename(temporary.constData(), path.constData()) == 0;
}

}  // namespace

void registerSaveBenchmarks(Workbench& bench) {
  benchmark::RegisterBenchmark("save/WriteDocumentFile_65000_bytes", [&bench](benchmark::State& state) {
    TestEnv& env = saveEnv(bench);
    frmNotePad* document = env.doc(1);
    const QString target = env.path(QStringLiteral("SAVED.COG"));
    for (auto _ : state) {
      bool written = false;
      const double seconds = secondsOf([&] { written = WriteDocumentFile(*env.program, *document, target); });
      if (!written || QFileInfo(target).size() < kSize) {
        state.SkipWithError("WriteDocumentFile did not write the file");
        return;
      }
      state.SetIterationTime(seconds);
      drain();
      env.runtime.pointerHistory.clear();
    }
  })->UseManualTime()->Unit(benchmark::kMillisecond);

  benchmark::RegisterBenchmark("save_floor/atomic_flushed_write_65000_bytes", [&bench](benchmark::State& state) {
    TestEnv& env = saveEnv(bench);
    const QByteArray bytes = env.doc(1)->Text1->Text();
    const QByteArray target = QFile::encodeName(env.path(QStringLiteral("FLOOR.COG")));
    for (auto _ : state) {
      bool written = false;
      const double seconds = secondsOf([&] { written = atomicFlushedWrite(target, bytes); });
      if (!written) {
        state.SkipWithError("the floor's write failed");
        return;
      }
      state.SetIterationTime(seconds);
    }
  })->UseManualTime()->Unit(benchmark::kMillisecond);
}

}  // namespace bench
