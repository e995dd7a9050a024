#pragma once
// The frame's client area: light blue, with the banner picture drawn once.
#include <QMdiArea>

class ClientArea : public QMdiArea {
  Q_OBJECT
 public:
  explicit ClientArea(QWidget* parent);
};
