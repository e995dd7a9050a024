#pragma once
// The frame window: toolbar strip, the client area holding the document
// windows, and the status bar. It shows its own menu bar only while no
// document window is open; otherwise the active document's.
#include <QList>
#include <QMainWindow>
#include <QVector>

#include "platform/Runtime.h"

class Program;
class frmNotePad;
class Toolbar;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

class frmMDI : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmMDI(Program& program);
  ~frmMDI() override;

  static constexpr int Cascade = 0;
  static constexpr int TileHorizontal = 1;

  // The active document window (the last active while the frame is not).
  frmNotePad* ActiveForm() const;
  QList<frmNotePad*> DocumentWindows() const;
  void ShowDocument(frmNotePad* document);  // adds it to the client area, active
  void Activate(frmNotePad* document);
  void Arrange(int mode);
  // Shows the active document's menus, or the frame's own when none is open.
  void UpdateMenuBar();
  QList<QMenu*> ShownMenus() const { return shown_; }
  const QList<QMenu*>& OwnMenus() const { return menus_; }

  QMdiArea* mdiArea() const { return mdi_; }
  Toolbar* picToolbar = nullptr;

  // The common file dialog that sits on the frame.
  FileDialogSettings CMDialog1;

  QMenu* mnuFile = nullptr;
  QAction* mnuFileNew = nullptr;
  QAction* mnuFileOpen = nullptr;
  QAction* mnuFileExit = nullptr;
  QVector<QAction*> mnuRecentFile;  // 0 is the separator, 1 to 5 the entries
  QMenu* mnuEdit = nullptr;
  QMenu* mnutools = nullptr;
  QMenu* mnuSearch = nullptr;
  QAction* mnuOptionsToolbar = nullptr;
  QAction* cmdAbout = nullptr;
  QMenu* mnuwin = nullptr;

  // Handlers.
  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  void mnuFileExit_Click();
  void mnuRecentFile_Click(int Index);
  void mnuOptionsToolbar_Click();
  void cmdAbout_Click();
  void Command1_Click();
  void MDIForm_Unload();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  Program& program_;
  QMdiArea* mdi_ = nullptr;
  QList<QMenu*> menus_;
  QList<QMenu*> shown_;
  bool destroying_ = false;
};
