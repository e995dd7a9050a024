#pragma once
// StatusBar1 along the bottom of the frame: the program's name, the cloud
// picture, the time and the date. It keeps its clock panels current itself;
// no other code reads or writes it, except for a notice shown in the text panel.
#include <QStatusBar>

class Program;
class QLabel;
class QTimer;

class StatusBar : public QStatusBar {
  Q_OBJECT
 public:
  StatusBar(Program& program, QWidget* parent);

  // Panels 1 to 4, left to right.
  QLabel* textPanel = nullptr;
  QWidget* picturePanel = nullptr;
  QLabel* timePanel = nullptr;
  QLabel* datePanel = nullptr;

  // Puts a short notice in the text panel, its detail as the panel's tip.
  void ShowNotice(const QString& text, const QString& detail);

  static constexpr int kTextMinTwips = 1440;
  static constexpr int kPictureTwips = 2000;
  static constexpr int kClockTwips = 1000;

 private:
  void showClock();
  Program& program_;
  QTimer* clock_ = nullptr;
};
