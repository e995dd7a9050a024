#include "windows/ClientArea.h"

#include <QPainter>
#include <QPaintEvent>

#include "resources/Pictures.h"

ClientArea::ClientArea(QWidget* parent) : QMdiArea(parent), banner_(Pictures::banner()) {
  setBackground(QColor(0x80, 0x80, 0xFF));  // &H00FF8080&
}

// The colour first, then the picture once: a texture brush would repeat it.
void ClientArea::paintEvent(QPaintEvent* event) {
  QMdiArea::paintEvent(event);
  QPainter painter(viewport());
  painter.setClipRect(event->rect());
  painter.drawPixmap(0, 0, banner_);
}
