#pragma once
// A fresh program for one test: scripted runtime, real files in a temporary
// folder, a real settings store in a temporary location, and its frame.
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "FakeRuntime.h"
#include "platform/NoRegistry.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSystemServices.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "windows/TextBox.h"
#include "workspace/Program.h"

struct TestEnv {
  // Starts the program (MDIForm_Load) unless told not to.
  explicit TestEnv(bool start = true, SystemServices* system = nullptr, Registry* registry = nullptr);
  ~TestEnv();

#ifdef Q_OS_WIN
  // In the notation the open and save dialogs hand names back in there.
  QString path(const QString& name) const { return QDir::toNativeSeparators(dir.filePath(name)); }
#else
  QString path(const QString& name) const { return dir.filePath(name); }
#endif
  QString writeFile(const QString& name, const QByteArray& bytes) const;
  QByteArray readFile(const QString& name) const;

  // The live document windows, in slot order.
  QList<frmNotePad*> documents() const;
  frmNotePad* doc(int slot) const { return program->Documents.value(slot); }

  QTemporaryDir dir;
  QTemporaryDir settingsDir;
  FakeRuntime runtime;
  QtSystemServices realSystem;
#ifdef Q_OS_WIN
  // The store is the registry there, which QSettings::setPath does not move:
  // each test program keeps its own key, emptied when a test's program ends,
  // and the user's own settings are never touched.
  QtSettingsStore settings{testRegistryRoot()};
  static QString testRegistryRoot();
#else
  QtSettingsStore settings;
#endif
  NoRegistry noRegistry;
  std::unique_ptr<Platform> platform;
  std::unique_ptr<Program> program;
  std::unique_ptr<frmMDI> frame;
};
