#pragma once
// The toolbar strip picToolbar along the top of the frame.
#include <QWidget>

class Program;

class Toolbar : public QWidget {
  Q_OBJECT
 public:
  Toolbar(Program& program, QWidget* parent);
  QSize sizeHint() const override;

 private:
  Program& program_;
};

// Make the Cut, Copy and Paste buttons visible / invisible.
void ShowEditButtons(Program& program);
void HideEditButtons(Program& program);
// The Toolbar item of a window (the frame or a document window) was chosen.
void ToggleToolbar(Program& program, QWidget* window);
