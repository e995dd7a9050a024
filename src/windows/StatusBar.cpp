#include "windows/StatusBar.h"

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("StatusBar1"));
  setFixedHeight(255 / 15);
}
