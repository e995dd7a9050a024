#pragma once
// The windowing runtime as the program uses it. Everything modal, and every
// screen-wide service, goes through here so that tests can script it.
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;

// Button and icon codes of the message box, and the buttons it returns.
namespace MsgBoxCode {
inline constexpr int OKOnly = 0;
inline constexpr int OKCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
// Added to the buttons: the second one is the default.
inline constexpr int DefaultButton2 = 256;
}  // namespace MsgBoxCode

namespace MsgBoxResult {
inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace MsgBoxResult

// Screen mouse pointers.
namespace MousePointer {
inline constexpr int Default = 0;
inline constexpr int Hourglass = 11;
}  // namespace MousePointer

// The error number the common dialog reports for Cancel.
inline constexpr int DialogCancelled = 32755;

struct FileDialogSettings {
  QString FileName;
  QString DialogTitle;
  QString Filter;  // "Shown as|pattern|Shown as|pattern..."
  QString DefaultExt;
  QString InitDir;
};

struct AppInfo {
  QString Title = QStringLiteral("Torvane Edit");
  int Major = 1;
  int Minor = 0;
  int Revision = 1;
  QString Path;  // folder that holds the program
};

class Runtime {
 public:
  virtual ~Runtime() = default;

  // Shows a message box; returns the button pressed (MsgBoxResult).
  virtual int MsgBox(const QString& prompt, int buttons, const QString& title) = 0;

  // Common file dialog. On acceptance settings.FileName is the chosen file's
  // full name and the result is 0; Cancel returns DialogCancelled and leaves it.
  virtual int ShowOpen(FileDialogSettings& settings) = 0;
  virtual int ShowSave(FileDialogSettings& settings) = 0;

  // Shows a window modally; returns once it has been closed (unloaded).
  virtual void ShowModal(QDialog& window) = 0;

  virtual void SetMousePointer(int pointer) = 0;
  virtual int MousePointer() const = 0;

  // Plain-text clipboard. Reading an empty clipboard gives "". A clipboard
  // that cannot be reached gives nullopt / false.
  virtual std::optional<QString> ClipboardGetText() = 0;
  virtual bool ClipboardSetText(const QString& text) = 0;

  // Screen fonts, in the platform's order.
  virtual QStringList ScreenFonts() = 0;

  virtual const AppInfo& App() const = 0;

  // Ends the program at once.
  virtual void End() = 0;
};
