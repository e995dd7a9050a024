#pragma once
// The frame's client area: light blue, with the banner picture drawn once,
// unscaled, at its top-left corner.
#include <QMdiArea>
#include <QPixmap>

class ClientArea : public QMdiArea {
  Q_OBJECT
 public:
  explicit ClientArea(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap banner_;
};
