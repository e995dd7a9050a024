#pragma once
// Synthetic mouse events for a widget, written as a short script so that a
// test table can hold whole gestures. Steps are separated by ';':
//   "down L 150 150"   press the left button at X 150, Y 150 twips
//   "move LR 600 -15"  move with left and right held ("-" for none)
//   "up R 0 0"         release the right button
// Buttons: L left, R right, M middle. Coordinates are twips relative to the
// widget (15 to a pixel); the events go to the widget as to one that holds
// the mouse grab, wherever the pointer is.
#include <QString>
#include <functional>

class QWidget;

// Runs the steps on the widget, calling after(step) once each step is done.
void runMouseScript(QWidget* widget, const QString& script, const std::function<void(int step)>& after);
