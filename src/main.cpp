#include <QApplication>
#include <QDir>

#include "cogedit/CogEditing.h"
#include "launch/CommandLine.h"
#include "launch/HandOver.h"
#include "launch/Launcher.h"
#include "platform/QtDesktopWindows.h"
#include "platform/QtInstanceChannel.h"
#include "platform/QtRecoveryFolder.h"
#include "platform/QtRuntime.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSystemServices.h"
#include "platform/QtWorkerQueue.h"
#include "platform/SystemRegistry.h"
#include "recovery/DocumentRecovery.h"
#include "recovery/RecoverDocuments.h"
#include "windows/frmMDI.h"
#include "workspace/Program.h"
#include "workspace/Startup.h"

int main(int argc, char** argv) {
  QCoreApplication::setApplicationVersion(QStringLiteral(TORVANE_VERSION));
  // Before Qt starts: --help and --version answer without a display, and a
  // running editor takes the files without this start opening one.
  const std::optional<LaunchRequest> early = EarlyRequest(argc, argv, QDir::currentPath());
  if (early && early->action != LaunchRequest::Run) return FinishWithoutWindow(*early);
  QtInstanceChannel channel(RequestedPlatform(argc, argv));
  std::optional<HandOverResult> handOver;
  if (early) handOver = HandOverFiles(channel, early->files);
  if (handOver && handOver->handedOver) return 0;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Torvane Edit"));
  // Lets desktops match the running window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(TORVANE_APP_ID));
  // Before start-up makes the program's own folder the current one.
  const LaunchRequest request = ParseCommandLine(QCoreApplication::arguments(), QDir::currentPath());
  if (request.action != LaunchRequest::Run) return FinishWithoutWindow(request);
  if (!handOver) handOver = HandOverFiles(channel, request.files);
  if (handOver->handedOver) return 0;
  QtRuntime runtime;
  QtSystemServices system;
  QtSettingsStore settings;
  SystemRegistry registry;
  Platform platform{runtime, system, settings, registry};
  Program program(platform);
#ifndef TORVANE_WITHOUT_RECOVERY  // the benchmark's floor for start-up builds it without
  QtRecoveryFolder recoveryFolder(QtRecoveryFolder::standardRoot());
  QtWorkerQueue recoveryWriter;
  DocumentRecovery recovery(program, recoveryFolder, recoveryWriter);
  program.recovery = &recovery;
#endif
  CogEditing cog(program);
  frmMDI frame(program);
  MDIForm_Load(program);
  // Listening before the recovery question: a start made while it waits
  // hands its files here, and they open once it is answered.
  QtDesktopWindows desktop;
  Launcher launcher(program, channel, desktop, *handOver);
  OfferRecoveredDocuments(program);
  return app.exec();
}
