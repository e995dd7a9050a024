#pragma once
// The document window: one document, its text box and the program's working
// menu bar, which the frame shows while this window is active.
#include <QList>
#include <QVector>
#include <QWidget>

class Program;
class TextBox;
class QAction;
class QMenu;
struct CogMenu;

class frmNotePad : public QWidget {
  Q_OBJECT
 public:
  frmNotePad(Program& program, const QString& tag);
  ~frmNotePad() override;

  const QString& Tag() const { return tag_; }
  QString Caption() const { return windowTitle(); }
  void setCaption(const QString& caption);

  // The name of the real file behind the caption (the caption is upper case).
  QString FileName;

  TextBox* Text1 = nullptr;

  // The menus the frame shows while this window is active, in order.
  const QList<QMenu*>& Menus() const { return menus_; }

  QMenu* mnuFile = nullptr;
  QAction* mnuFileNew = nullptr;
  QAction* mnuFileOpen = nullptr;
  QAction* mnuFileClose = nullptr;
  QAction* mnuFileSave = nullptr;
  QAction* mnuFileSaveAs = nullptr;
  QAction* mnuFileExit = nullptr;
  QVector<QAction*> mnuRecentFile;  // 0 is the separator, 1 to 5 the entries

  QMenu* mnuEdit = nullptr;
  QAction* mnuEditCut = nullptr;
  QAction* mnuEditCopy = nullptr;
  QAction* mnuEditPaste = nullptr;
  QAction* mnuEditDelete = nullptr;
  QAction* mnuEditSelectAll = nullptr;
  QAction* mnuEditTime = nullptr;

  QMenu* mnutools = nullptr;
  QMenu* mnuSearch = nullptr;
  QAction* mnuSearchFind = nullptr;
  QAction* mnuSearchFindNext = nullptr;
  QMenu* mnuFont = nullptr;
  QVector<QAction*> mnuFontName;
  QAction* mnuOptionsToolbar = nullptr;
  QAction* cmdAbout = nullptr;

  QMenu* mnuWindow = nullptr;
  QAction* mnuWindowCascade = nullptr;
  QAction* mnuWindowTile = nullptr;

  CogMenu* mnuCog = nullptr;  // between Tools and Window, when the COG editing is installed

  // Handlers.
  void Form_Load();
  void Form_Resize();
  void Form_QueryUnload(bool& Cancel);
  void Form_Unload();
  void Text1_Change();
  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  void mnuFileClose_Click();
  void mnuFileSave_Click();
  void mnuFileSaveAs_Click();
  void mnuFileExit_Click();
  void mnuRecentFile_Click(int Index);
  void mnuEditCut_Click();
  void mnuEditCopy_Click();
  void mnuEditPaste_Click();
  void mnuEditDelete_Click();
  void mnuEditSelectAll_Click();
  void mnuEditTime_Click();
  void mnuSearchFind_Click();
  void mnuSearchFindNext_Click();
  void mnuFontName_Click(int Index);
  void mnuOptionsToolbar_Click();
  void cmdAbout_Click();
  void mnuWindowCascade_Click();
  void mnuWindowTile_Click();

  // Set while the frame unloads this window after asking it already.
  bool unloadAsked = false;
  bool unloaded() const { return unloaded_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  QSize sizeHint() const override;

 private:
  void buildMenus();
  void fillWindowList();

  Program& program_;
  QString tag_;
  QList<QMenu*> menus_;
  QList<QAction*> windowList_;
  bool unloaded_ = false;
};
