#pragma once
// StatusBar1 along the bottom of the frame.
#include <QStatusBar>

class StatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit StatusBar(QWidget* parent);
};
