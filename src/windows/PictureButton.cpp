#include "windows/PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "windows/DesignLayout.h"

namespace {
int buttonBits(Qt::MouseButtons buttons) {
  int bits = 0;
  if (buttons & Qt::LeftButton) bits |= 1;
  if (buttons & Qt::RightButton) bits |= 2;
  if (buttons & Qt::MiddleButton) bits |= 4;
  return bits;
}

int shiftBits(Qt::KeyboardModifiers modifiers) {
  int bits = 0;
  if (modifiers & Qt::ShiftModifier) bits |= 1;
  if (modifiers & Qt::ControlModifier) bits |= 2;
  if (modifiers & Qt::AltModifier) bits |= 4;
  return bits;
}

float twips(qreal pixels) { return float(pixels * kTwipsPerPixel); }
}  // namespace

PictureButton::PictureButton(QWidget* strip, const QString& name, const QString& toolTip, int left, int top,
                             const QPixmap& released, const QPixmap& pressed, std::function<void()> command)
    : QWidget(strip), Up(released), Dn(pressed), command_(std::move(command)) {
  setObjectName(name);
  setToolTip(toolTip);
  setMouseTracking(true);
  move(left / kTwipsPerPixel, top / kTwipsPerPixel);
  setPicture(Up);
}

void PictureButton::setPicture(const QPixmap& picture) {
  picture_ = picture;
  setFixedSize(picture.size());
  update();
}

int PictureButton::Width() const { return width() * kTwipsPerPixel; }
int PictureButton::Height() const { return height() * kTwipsPerPixel; }

void PictureButton::MouseDown(int, int, float, float) { setPicture(Dn); }

void PictureButton::MouseMove(int Button, int, float X, float Y) {
  if (Button != 1) return;  // only a drag with the left button alone
  const bool over = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
  setPicture(over ? Dn : Up);
}

void PictureButton::MouseUp(int, int, float, float) { setPicture(Up); }

void PictureButton::Click() {
  repaint();  // drawn released before the command runs
  command_();
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) leftPressHere_ = true;
  const QPointF at = event->position();
  MouseDown(buttonBits(event->button()), shiftBits(event->modifiers()), twips(at.x()), twips(at.y()));
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  MouseMove(buttonBits(event->buttons()), shiftBits(event->modifiers()), twips(at.x()), twips(at.y()));
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  // A click: the left button went down on the button and came up over it,
  // as the button was when released (MouseUp may change its size).
  const bool inside = at.x() >= 0 && at.x() < width() && at.y() >= 0 && at.y() < height();
  const bool click = event->button() == Qt::LeftButton && leftPressHere_ && inside;
  MouseUp(buttonBits(event->button()), shiftBits(event->modifiers()), twips(at.x()), twips(at.y()));
  if (event->button() == Qt::LeftButton) leftPressHere_ = false;
  if (click) Click();
}
