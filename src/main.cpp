#include <QApplication>

#include "platform/QtRuntime.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSystemServices.h"
#include "platform/SystemRegistry.h"
#include "windows/frmMDI.h"
#include "workspace/Program.h"
#include "workspace/Startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Torvane Edit"));
  QtRuntime runtime;
  QtSystemServices system;
  QtSettingsStore settings;
  SystemRegistry registry;
  Platform platform{runtime, system, settings, registry};
  Program program(platform);
  frmMDI frame(program);
  MDIForm_Load(program);
  return app.exec();
}
