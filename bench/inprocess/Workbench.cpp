#include "Workbench.h"

#include <QFile>

#include "Workload.h"

namespace bench {

const QString& Workbench::file65000() {
  if (file65000_.isEmpty()) {
    const QString name = folder.filePath(QStringLiteral("bench65000.cog"));
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(cogLikeText(65000)) != 65000)
      qFatal("cannot write the benchmark's file");
    file65000_ = name;
  }
  return file65000_;
}

}  // namespace bench
