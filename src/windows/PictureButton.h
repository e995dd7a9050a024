#pragma once
// A toolbar picture button: a plain image that behaves like a push button.
// It shows its released picture, or its pressed one while the left button
// holds it down over it, and takes the size of the picture it shows.
#include <QPixmap>
#include <QWidget>
#include <functional>

class PictureButton : public QWidget {
  Q_OBJECT
 public:
  // Left and top in twips inside the strip; the command runs on a click.
  PictureButton(QWidget* strip, const QString& name, const QString& toolTip, int left, int top,
                const QPixmap& released, const QPixmap& pressed, std::function<void()> command);

  // The two companion images, never shown themselves (...Up and ...Dn).
  const QPixmap Up;
  const QPixmap Dn;

  const QPixmap& Picture() const { return picture_; }
  void setPicture(const QPixmap& picture);
  // Current size in twips.
  int Width() const;
  int Height() const;

  // Handlers. Button: 1 left, 2 right, 4 middle; Shift: 1 shift, 2 ctrl,
  // 4 alt; X and Y in twips from the button's top-left corner.
  void MouseDown(int Button, int Shift, float X, float Y);
  void MouseMove(int Button, int Shift, float X, float Y);
  void MouseUp(int Button, int Shift, float X, float Y);
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  std::function<void()> command_;
  bool leftPressHere_ = false;  // a left press began on the button
};
