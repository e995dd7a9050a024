#include "windows/ClientArea.h"

ClientArea::ClientArea(QWidget* parent) : QMdiArea(parent) {
  setBackground(QColor(0x80, 0x80, 0xFF));  // &H00FF8080&
}
