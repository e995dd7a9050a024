#pragma once
// The splash window: a black panel naming the product, its maker, version
// and platform, with a warning. A click on it closes it and loads the frame
// window; a key press only closes it. Start-up does not show it.
#include <QDialog>
#include <QHash>
#include <functional>

class Program;
class QFrame;
class QLabel;

class frmSplash : public QDialog {
  Q_OBJECT
 public:
  // loadFrame loads the frame window, and does nothing when it is loaded
  // already; the click handlers call it after the splash has unloaded.
  frmSplash(Program& program, std::function<void()> loadFrame);

  QFrame* Frame1 = nullptr;
  QLabel* imgLogo = nullptr;
  QLabel* lblCompanyProduct = nullptr;
  QLabel* lblProductName = nullptr;
  QLabel* lblPlatform = nullptr;
  QLabel* lblTitle = nullptr;  // lblTitle(0), hidden
  QLabel* lbltome = nullptr;
  QLabel* lblCompany = nullptr;
  QLabel* lblWarninguagain = nullptr;  // lblWarninguagain(1)
  QLabel* lblWarning = nullptr;        // lblWarning(0)

  // Handlers.
  void Form_Load();
  void Form_KeyPress();
  void Frame1_Click();
  void imgLogo_Click();
  void lblCompany_Click();
  void lblCompanyProduct_Click();
  void lblPlatform_Click();
  void lblProductName_Click();
  void lbltome_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void unloadThenLoadFrame();
  void fitToText(QLabel* label);

  Program& program_;
  std::function<void()> loadFrame_;
  // Every control, with its click handler or none.
  QHash<QObject*, void (frmSplash::*)()> clickHandlers_;
};
