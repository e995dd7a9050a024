#pragma once
// The find dialog: a borderless modal window over the banner picture, with
// the search text, the case option and the direction. It lives only while
// open; what outlasts it is kept in the program's search state.
#include <QDialog>

class Program;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmFind : public QDialog {
  Q_OBJECT
 public:
  explicit frmFind(Program& program, QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* chkCase = nullptr;  // a check box drawn as a button that stays down
  QPushButton* cmdFind = nullptr;
  QPushButton* cmdcancel = nullptr;
  QGroupBox* Frame1 = nullptr;
  QRadioButton* optDirection[2] = {nullptr, nullptr};  // 0 up, 1 down

  // The check box's value: 1 checked, 0 not.
  qint16 chkCaseValue() const;

  // Handlers.
  void Form_Load();
  void Text1_Change();
  void chkCase_Click();
  void optDirection_Click(int Index);
  void cmdFind_Click();
  void cmdCancel_Click();

  // Esc, and any other way of closing the dialog, is Cancel.
  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Program& program_;
  QPixmap background_;
};
