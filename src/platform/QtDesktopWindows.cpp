#include "platform/QtDesktopWindows.h"

#include <QApplication>
#include <QWidget>

bool QtDesktopWindows::ModalWindowOpen() const { return QApplication::activeModalWidget() != nullptr; }

void QtDesktopWindows::BringToFront(QWidget& window) {
  if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.show();
  window.raise();
  window.activateWindow();
}
