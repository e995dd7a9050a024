#pragma once
// A program with the COG editing installed, as main starts it, and the steps
// the tests of the Cog menu take.
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <memory>

#include "DocumentSteps.h"
#include "TestEnv.h"
#include "cogedit/CogEditing.h"
#include "cogedit/CogMenu.h"
#include "workspace/Startup.h"

struct CogEnv {
  CogEnv() : env(false) {
    cog = std::make_unique<CogEditing>(*env.program);
    MDIForm_Load(*env.program);
    QCoreApplication::processEvents();
  }
  ~CogEnv() { cog.reset(); }

  // Opens a file of these bytes through the Open dialog; the new document.
  frmNotePad* open(const QString& name, const QByteArray& bytes) {
    return openThroughDialog(env, env.writeFile(name, bytes));
  }
  CogMenu& menu(frmNotePad* document) const { return *document->mnuCog; }

  TestEnv env;
  std::unique_ptr<CogEditing> cog;
};

// The script the tests and screenshots share: a clean, ordinary lift script.
inline QByteArray liftScript() {
  QFile file(QStringLiteral(TORVANE_COGUI_FIXTURES "/lift.cog"));
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read lift.cog");
  return file.readAll();
}
