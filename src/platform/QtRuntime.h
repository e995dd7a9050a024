#pragma once
#include "platform/Runtime.h"

// The runtime on Qt Widgets.
class QtRuntime : public Runtime {
 public:
  QtRuntime();
  int MsgBox(const QString& prompt, int buttons, const QString& title) override;
  int ShowOpen(FileDialogSettings& settings) override;
  int ShowSave(FileDialogSettings& settings) override;
  void ShowModal(QDialog& window) override;
  void SetMousePointer(int pointer) override;
  int MousePointer() const override { return pointer_; }
  std::optional<QString> ClipboardGetText() override;
  bool ClipboardSetText(const QString& text) override;
  QStringList ScreenFonts() override;
  const AppInfo& App() const override { return app_; }
  void End() override;

 private:
  int showFileDialog(FileDialogSettings& settings, bool save);
  int pointer_ = MousePointer::Default;
  AppInfo app_;
};

// "Desc|pattern|Desc|pattern" as Qt name filters, in the same order.
QStringList nameFiltersFromPipeFilter(const QString& filter);
// A folder given in the dialog's own notation ("\jediknight"), mapped onto
// this machine: the folder itself when it exists, else the user's home.
QString resolveInitialFolder(const QString& initDir);
