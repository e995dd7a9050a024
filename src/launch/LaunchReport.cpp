#include "launch/LaunchReport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

#include "launch/PendingFiles.h"
#include "recent/RecentFiles.h"
#include "windows/PictureButton.h"
#include "windows/TextBox.h"
#include "windows/Toolbar.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/Program.h"

namespace {
constexpr int kRetries = 100;
constexpr int kRetryMs = 20;
}  // namespace

std::unique_ptr<LaunchReport> LaunchReport::FromEnvironment(Program& program, PendingFiles& pending,
                                                            bool listening) {
  const QString path = qEnvironmentVariable("TORVANE_LAUNCH_REPORT");
  if (path.isEmpty()) return nullptr;
  return std::make_unique<LaunchReport>(program, pending, listening, path);
}

LaunchReport::LaunchReport(Program& program, PendingFiles& pending, bool listening, const QString& path)
    : program_(program), path_(path), listening_(listening) {
  connect(&pending, &PendingFiles::Opened, this, [this] {
    ++opened_;
    write();
  });
  connect(&boxes_, &QTimer::timeout, this, &LaunchReport::answerMessageBox);
  boxes_.start(20);
  QTimer::singleShot(0, this, &LaunchReport::write);  // start-up is over once the loop runs
}

void LaunchReport::answerMessageBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || !box->isVisible()) return;
  messages_.append(box->text());
  QAbstractButton* button = box->defaultButton();
  if (!button && !box->buttons().isEmpty()) button = box->buttons().constFirst();
  if (button)
    button->click();
  else
    box->reject();
}

void LaunchReport::write() {
  QByteArray out = QByteArrayLiteral("listening\t") + (listening_ ? "yes" : "no") + '\n';
  if (frmMDI* frame = program_.frame) {
    for (int slot = 1; slot < program_.Documents.size(); ++slot) {
      frmNotePad* document = program_.Documents[slot];
      if (!document || program_.DocumentStates[slot].Deleted) continue;
      const QByteArray text = document->Text1->Text();
      out += "document\t" + document->Caption().toUtf8() + '\t' + QByteArray::number(text.size()) + '\t' +
             QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex() + '\n';
    }
    if (frmNotePad* active = frame->ActiveForm()) out += "active\t" + active->Caption().toUtf8() + '\n';
    for (int k = 1; k < frame->mnuRecentFile.size(); ++k)
      if (frame->mnuRecentFile[k]->isVisible()) out += "recent\t" + RecentFileCaption(frame->mnuRecentFile[k]).toUtf8() + '\n';
    out += QByteArrayLiteral("editbuttons\t") + (frame->picToolbar->imgCutButton->isVisibleTo(frame) ? "shown" : "hidden") + '\n';
  }
  for (const QString& message : messages_) out += "message\t" + message.toUtf8() + '\n';
  out += "opened\t" + QByteArray::number(opened_) + '\n';
  QSaveFile file(path_);
  const bool written = file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.commit();
  // On Windows a reader holding the report open stops its replacement: the
  // reader lets go within moments, so write the then current state again.
  if (written) {
    retries_ = 0;
  } else if (retries_ < kRetries) {
    ++retries_;
    QTimer::singleShot(kRetryMs, this, &LaunchReport::write);
  }
}
