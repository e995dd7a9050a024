#pragma once
#include "platform/DesktopWindows.h"

// The desktop's windows through Qt Widgets.
class QtDesktopWindows : public DesktopWindows {
 public:
  bool ModalWindowOpen() const override;
  void BringToFront(QWidget& window) override;
};
