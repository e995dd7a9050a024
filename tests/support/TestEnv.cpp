#include "TestEnv.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "workspace/Startup.h"

#ifdef Q_OS_WIN
namespace {
const QString kSoftware = QStringLiteral("HKEY_CURRENT_USER\\Software");
const QString kTestsKey = QStringLiteral("Torvane Edit tests");
QString processKey() {
  return QStringLiteral("%1-%2").arg(QCoreApplication::applicationName()).arg(QCoreApplication::applicationPid());
}
}  // namespace
#endif

TestEnv::TestEnv(bool start, SystemServices* system, Registry* registry) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
  runtime.app_.Path = dir.path();
  platform.reset(new Platform{runtime, system ? *system : realSystem, settings, registry ? *registry : noRegistry});
  program = std::make_unique<Program>(*platform);
  frame = std::make_unique<frmMDI>(*program);
  if (start) MDIForm_Load(*program);
  QCoreApplication::processEvents();
}

TestEnv::~TestEnv() {
  frame.reset();
  QCoreApplication::processEvents();
#ifdef Q_OS_WIN
  QSettings software(kSoftware, QSettings::NativeFormat);
  software.remove(kTestsKey + QLatin1Char('/') + processKey());
  software.beginGroup(kTestsKey);
  const bool othersLeft = !software.childGroups().isEmpty();
  software.endGroup();
  if (!othersLeft) software.remove(kTestsKey);
#endif
}

#ifdef Q_OS_WIN
QString TestEnv::testRegistryRoot() { return kSoftware + QLatin1Char('\\') + kTestsKey + QLatin1Char('\\') + processKey(); }
#endif

QString TestEnv::writeFile(const QString& name, const QByteArray& bytes) const {
  QFile f(path(name));
  if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write test file");
  f.write(bytes);
  return path(name);
}

QByteArray TestEnv::readFile(const QString& name) const {
  QFile f(QFileInfo(name).isAbsolute() ? name : path(name));
  if (!f.open(QIODevice::ReadOnly)) return QByteArray("<missing>");
  return f.readAll();
}

QList<frmNotePad*> TestEnv::documents() const {
  QList<frmNotePad*> live;
  for (int i = 1; i < program->Documents.size(); ++i)
    if (program->Documents[i] && !program->DocumentStates[i].Deleted) live.append(program->Documents[i]);
  return live;
}
