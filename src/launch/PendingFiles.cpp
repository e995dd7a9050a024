#include "launch/PendingFiles.h"

#include "launch/OpenFileList.h"
#include "platform/DesktopWindows.h"
#include "windows/frmMDI.h"
#include "workspace/Program.h"

PendingFiles::PendingFiles(Program& program, DesktopWindows& desktop, QObject* parent)
    : QObject(parent), program_(program), desktop_(desktop) {
  retry_.setSingleShot(true);
  retry_.setInterval(kModalPollMs);
  connect(&retry_, &QTimer::timeout, this, &PendingFiles::openWaiting);
}

void PendingFiles::Add(const QStringList& files, bool bringToFront) {
  batches_.append({files, bringToFront});
  QTimer::singleShot(0, this, &PendingFiles::openWaiting);
}

void PendingFiles::openWaiting() {
  // Files that come while a batch is opening (during its message boxes)
  // are taken by the loop below, after it.
  if (opening_ || batches_.isEmpty()) return;
  if (desktop_.ModalWindowOpen()) {
    retry_.start();
    return;
  }
  opening_ = true;
  while (!batches_.isEmpty() && program_.frame) {
    const Batch batch = batches_.takeFirst();
    if (batch.bringToFront) desktop_.BringToFront(*program_.frame);
    OpenFilesInOrder(program_, batch.files);
  }
  opening_ = false;
  emit Opened();
}
