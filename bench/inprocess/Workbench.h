#pragma once
// The programs the benchmarks work in. They are created on first use and
// torn down by main before the application object goes.
#include <QTemporaryDir>
#include <memory>

#include "RecoveryInstance.h"
#include "TestEnv.h"
#include "cogedit/CogEditing.h"

namespace bench {

struct Workbench {
  std::unique_ptr<TestEnv> memory;     // documents piled up to weigh them
  std::unique_ptr<TestEnv> documents;  // New and Open, with some documents open
  std::unique_ptr<TestEnv> search;     // one document holding the searched text
  std::unique_ptr<TestEnv> save;       // one document holding the saved text
  std::unique_ptr<TestEnv> cog;        // the Cog menu installed, a script open at a time
  std::unique_ptr<CogEditing> cogEditing;
  QString cogScript65000;              // a long ordinary script, made on first use
  QTemporaryDir folder;
  std::unique_ptr<RecoveryInstance> recovery;  // one document whose copies are kept, in folder
  // A COG-like file of 65000 bytes, the largest the Open dialog takes.
  const QString& file65000();

 private:
  QString file65000_;
};

void registerMemoryBenchmarks(Workbench& bench);
void registerDocumentBenchmarks(Workbench& bench);
void registerSearchBenchmarks(Workbench& bench);
void registerSaveBenchmarks(Workbench& bench);
void registerRecoveryBenchmarks(Workbench& bench);
void registerCogBenchmarks(Workbench& bench);
void registerCogEditorBenchmarks(Workbench& bench);

}  // namespace bench
