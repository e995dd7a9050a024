#pragma once
// What the program asks of the desktop about its windows as a whole.
class QWidget;

class DesktopWindows {
 public:
  virtual ~DesktopWindows() = default;

  // True while a modal window (a message box, a file dialog, a modal form)
  // has the program's input.
  virtual bool ModalWindowOpen() const = 0;

  // Restores, raises and activates a top-level window, as when the user
  // picks it in the desktop's task list.
  virtual void BringToFront(QWidget& window) = 0;
};
