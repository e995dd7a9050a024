#include "launch/Launcher.h"

#include "launch/HandOverMessage.h"
#include "launch/LaunchReport.h"
#include "platform/InstanceChannel.h"
#include "windows/frmMDI.h"
#include "workspace/Program.h"

Launcher::Launcher(Program& program, InstanceChannel& channel, DesktopWindows& desktop,
                   const HandOverResult& start)
    : program_(program),
      pending_(program, desktop),
      drops_(*program.frame, [this](const QStringList& files) { pending_.Add(files, false); }) {
  if (start.mayListen) listening_ = channel.Listen([this](const QByteArray& message) { return receive(message); });
  report_ = LaunchReport::FromEnvironment(program, pending_, listening_);
  if (!start.left.isEmpty()) pending_.Add(start.left, false);
}

Launcher::~Launcher() = default;

bool Launcher::receive(const QByteArray& message) {
  const std::optional<QStringList> files = ReadHandOverMessage(message);
  if (!files) return false;
  if (!files->isEmpty()) pending_.Add(*files, true);
  return true;
}
