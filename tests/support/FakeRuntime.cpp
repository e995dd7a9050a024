#include "FakeRuntime.h"

#include <QCoreApplication>

FakeRuntime::FakeRuntime() { app_.Path = QCoreApplication::applicationDirPath(); }

int FakeRuntime::MsgBox(const QString& prompt, int buttons, const QString& title) {
  messages.append({prompt, buttons, title});
  if (!msgBoxAnswers.isEmpty()) return msgBoxAnswers.dequeue();
  if ((buttons & 0x7) == MsgBoxCode::OKOnly) return MsgBoxResult::OK;
  ++unscripted;
  return MsgBoxResult::Cancel;
}

int FakeRuntime::fileDialog(FileDialogSettings& settings, bool save) {
  fileDialogs.append({save, settings});
  if (fileAnswers.isEmpty()) {
    ++unscripted;
    return DialogCancelled;
  }
  const std::optional<QString> answer = fileAnswers.dequeue();
  if (!answer) return DialogCancelled;
  settings.FileName = *answer;
  return 0;
}

int FakeRuntime::ShowOpen(FileDialogSettings& settings) { return fileDialog(settings, false); }
int FakeRuntime::ShowSave(FileDialogSettings& settings) { return fileDialog(settings, true); }

void FakeRuntime::ShowModal(QDialog& window) {
  modalWindows.append(QString::fromLatin1(window.metaObject()->className()));
  window.setModal(true);
  window.show();
  QCoreApplication::processEvents();
  if (modalActions.isEmpty()) {
    ++unscripted;
  } else {
    modalActions.dequeue()(window);
  }
  // A modal show returns only once the window has closed.
  if (window.isVisible()) {
    ++unscripted;
    window.close();
  }
}

void FakeRuntime::SetMousePointer(int pointer) {
  pointer_ = pointer;
  pointerHistory.append(pointer);
}

std::optional<QString> FakeRuntime::ClipboardGetText() {
  if (clipboardFails) return std::nullopt;
  return clipboard;
}

bool FakeRuntime::ClipboardSetText(const QString& text) {
  if (clipboardFails) return false;
  clipboard = text;
  return true;
}
