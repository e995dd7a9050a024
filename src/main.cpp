#include <QApplication>

#include "platform/QtRuntime.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSystemServices.h"
#include "platform/SystemRegistry.h"
#include "cogedit/CogEditing.h"
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
  CogEditing cog(program);
  frmMDI frame(program);
  MDIForm_Load(program);
  return app.exec();
}
