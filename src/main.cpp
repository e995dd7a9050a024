#include <QApplication>

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
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Torvane Edit"));
  // Lets desktops match the running window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(TORVANE_APP_ID));
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
  frmMDI frame(program);
  MDIForm_Load(program);
  OfferRecoveredDocuments(program);
  return app.exec();
}
