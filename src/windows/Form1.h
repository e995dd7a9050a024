#pragma once
// The quit window: thanks the user before the program closes. It offers no
// way to stay; its Quit button and its close box both dismiss it.
#include <QDialog>

class QLabel;
class QPushButton;

class Form1 : public QDialog {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* picIcon = nullptr;
  QPushButton* Command1 = nullptr;

  void Command1_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
