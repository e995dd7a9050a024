#pragma once
// A runtime that answers from a script and records what the program showed.
#include <QDialog>
#include <QList>
#include <QQueue>
#include <functional>

#include "platform/Runtime.h"

struct ShownMessage {
  QString text;
  int buttons;
  QString title;
};

struct ShownFileDialog {
  bool save;
  FileDialogSettings settings;  // as the program set it before the show
};

class FakeRuntime : public Runtime {
 public:
  FakeRuntime();

  // Script: answers for message boxes, file dialogs and modal windows.
  QQueue<int> msgBoxAnswers;                 // unscripted: OK for OK-only, else Cancel
  QQueue<std::optional<QString>> fileAnswers;  // a name, or nullopt for Cancel
  QQueue<std::function<void(QDialog&)>> modalActions;  // act inside the window, then close it

  // Record.
  QList<ShownMessage> messages;
  QList<ShownFileDialog> fileDialogs;
  QList<QString> modalWindows;  // class names of the windows shown modally
  QList<int> pointerHistory;
  int unscripted = 0;
  int ended = 0;

  QStringList fonts = {QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Serif"),
                       QStringLiteral("Liberation Mono")};
  std::optional<QString> clipboard = QString();
  bool clipboardFails = false;

  int MsgBox(const QString& prompt, int buttons, const QString& title) override;
  int ShowOpen(FileDialogSettings& settings) override;
  int ShowSave(FileDialogSettings& settings) override;
  void ShowModal(QDialog& window) override;
  void SetMousePointer(int pointer) override;
  int MousePointer() const override { return pointer_; }
  std::optional<QString> ClipboardGetText() override;
  bool ClipboardSetText(const QString& text) override;
  QStringList ScreenFonts() override { return fonts; }
  const AppInfo& App() const override { return app_; }
  void End() override { ++ended; }

  AppInfo app_;

 private:
  int fileDialog(FileDialogSettings& settings, bool save);
  int pointer_ = MousePointer::Default;
};
