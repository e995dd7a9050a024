#include "windows/frmNotePad.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenu>

#include "cogedit/CogCommands.h"
#include "cogedit/CogMenu.h"
#include "editing/EditCommands.h"
#include "editing/Search.h"
#include "recent/RecentFiles.h"
#include "recent/RecentMenuItems.h"
#include "windows/CheckItem.h"
#include "windows/DesignLayout.h"
#include "windows/TextBox.h"
#include "windows/Toolbar.h"
#include "windows/frmAbout1.h"
#include "windows/frmMDI.h"
#include "resources/Pictures.h"
#include "workspace/CloseDocuments.h"
#include "workspace/OpenFiles.h"
#include "workspace/SaveFiles.h"
#include "workspace/DocumentTable.h"
#include "workspace/Program.h"

frmNotePad::frmNotePad(Program& program, const QString& tag) : program_(program), tag_(tag) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowIcon(Pictures::programIcon());
  Text1 = new TextBox(this);
  Text1->move(0, 0);
  setFocusProxy(Text1);
  connect(Text1, &TextBox::Change, this, &frmNotePad::Text1_Change);
  buildMenus();
  Form_Load();
}

frmNotePad::~frmNotePad() { qDeleteAll(menus_); }

void frmNotePad::setCaption(const QString& caption) {
  setWindowTitle(caption);
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setWindowTitle(caption);
  ApplyCogColours(program_, *this);  // a new name may make it a COG script or not
}

QSize frmNotePad::sizeHint() const { return QSize(twipsToPixels(5685), twipsToPixels(4035)); }

void frmNotePad::buildMenus() {
  auto item = [](QMenu* menu, const QString& caption, auto handler, frmNotePad* self) {
    QAction* a = menu->addAction(caption);
    connect(a, &QAction::triggered, self, handler);
    return a;
  };

  mnuFile = new QMenu(QStringLiteral("&File"), this);
  mnuFileNew = item(mnuFile, QStringLiteral("New"), &frmNotePad::mnuFileNew_Click, this);
  mnuFileOpen = item(mnuFile, QStringLiteral("Open..."), &frmNotePad::mnuFileOpen_Click, this);
  mnuFileClose = item(mnuFile, QStringLiteral("Close"), &frmNotePad::mnuFileClose_Click, this);
  mnuFileSave = item(mnuFile, QStringLiteral("Save"), &frmNotePad::mnuFileSave_Click, this);
  mnuFileSaveAs = item(mnuFile, QStringLiteral("Save As..."), &frmNotePad::mnuFileSaveAs_Click, this);
  mnuFile->addSeparator();  // mnuFSep
  mnuFileExit = item(mnuFile, QStringLiteral("Exit"), &frmNotePad::mnuFileExit_Click, this);
  mnuRecentFile = makeRecentFileItems(mnuFile, [this](int index) { mnuRecentFile_Click(index); });

  mnuEdit = new QMenu(QStringLiteral("&Edit"), this);
  mnuEditCut = item(mnuEdit, QStringLiteral("Cut"), &frmNotePad::mnuEditCut_Click, this);
  mnuEditCut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
  mnuEditCopy = item(mnuEdit, QStringLiteral("Copy"), &frmNotePad::mnuEditCopy_Click, this);
  mnuEditCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  mnuEditPaste = item(mnuEdit, QStringLiteral("Paste"), &frmNotePad::mnuEditPaste_Click, this);
  mnuEditPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  mnuEditDelete = item(mnuEdit, QStringLiteral("Delete"), &frmNotePad::mnuEditDelete_Click, this);
  mnuEditDelete->setShortcut(QKeySequence(Qt::Key_Delete));
  mnuEdit->addSeparator();  // mnuESep1
  mnuEditSelectAll = item(mnuEdit, QStringLiteral("Select &All"), &frmNotePad::mnuEditSelectAll_Click, this);
  mnuEditTime = item(mnuEdit, QStringLiteral("Time/Date"), &frmNotePad::mnuEditTime_Click, this);

  mnutools = new QMenu(QStringLiteral("&Tools"), this);
  mnuSearch = mnutools->addMenu(QStringLiteral("Search"));
  mnuSearchFind = item(mnuSearch, QStringLiteral("Find Code"), &frmNotePad::mnuSearchFind_Click, this);
  mnuSearchFindNext = item(mnuSearch, QStringLiteral("Find Next Code"), &frmNotePad::mnuSearchFindNext_Click, this);
  mnuFont = mnutools->addMenu(QStringLiteral("&Font"));
  mnuFontName.append(mnuFont->addAction(QStringLiteral("FontName")));
  connect(mnuFontName[0], &QAction::triggered, this, [this] { mnuFontName_Click(0); });
  mnuOptionsToolbar = mnutools->addAction(QStringLiteral("Toolbar"));
  MakeCheckItem(mnuOptionsToolbar, true, [this] { mnuOptionsToolbar_Click(); });
  mnutools->addSeparator();  // mnudvid
  cmdAbout = item(mnutools, QStringLiteral("About Torv-Edit"), &frmNotePad::cmdAbout_Click, this);

  mnuWindow = new QMenu(QStringLiteral("&Window"), this);
  mnuWindowCascade = item(mnuWindow, QStringLiteral("Cascade"), &frmNotePad::mnuWindowCascade_Click, this);
  mnuWindowTile = item(mnuWindow, QStringLiteral("Tile"), &frmNotePad::mnuWindowTile_Click, this);
  connect(mnuWindow, &QMenu::aboutToShow, this, &frmNotePad::fillWindowList);

  menus_ = {mnuFile, mnuEdit, mnutools, mnuWindow};
  AddCogMenu(program_, *this, menus_);
}

// Below Cascade and Tile, every open document window; the active one checked.
void frmNotePad::fillWindowList() {
  for (QAction* a : windowList_) {
    mnuWindow->removeAction(a);
    a->deleteLater();
  }
  windowList_.clear();
  const QList<frmNotePad*> windows = program_.frame->DocumentWindows();
  if (windows.isEmpty()) return;
  windowList_.append(mnuWindow->addSeparator());
  frmNotePad* active = program_.frame->ActiveForm();
  int number = 1;
  for (frmNotePad* w : windows) {
    QAction* a = mnuWindow->addAction(QStringLiteral("&%1 %2").arg(number++).arg(w->Caption()));
    a->setCheckable(true);
    a->setChecked(w == active);
    QPointer<frmNotePad> target = w;
    connect(a, &QAction::triggered, this, [this, target] {
      if (target) program_.frame->Activate(target);
    });
    windowList_.append(a);
  }
}

void frmNotePad::Form_Load() {
  const QStringList fonts = program_.runtime().ScreenFonts();
  if (fonts.isEmpty()) return;
  mnuFontName[0]->setText(fonts[0]);
  for (int i = 1; i < fonts.size(); ++i) {
    QAction* a = mnuFont->addAction(fonts[i]);
    connect(a, &QAction::triggered, this, [this, i] { mnuFontName_Click(i); });
    mnuFontName.append(a);
  }
}

void frmNotePad::Form_Resize() {
  Text1->resize(width(), height());
}

void frmNotePad::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void frmNotePad::closeEvent(QCloseEvent* event) {
  if (unloaded_) {
    event->accept();
    return;
  }
  if (!unloadAsked) {
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel) {
      event->ignore();
      return;
    }
  }
  unloaded_ = true;
  Form_Unload();
  event->accept();
}

void frmNotePad::Form_QueryUnload(bool& Cancel) { QueryUnloadDocument(program_, *this, Cancel); }
void frmNotePad::Form_Unload() { DocumentUnloaded(program_, *this); }
void frmNotePad::Text1_Change() { MarkDocumentChanged(program_, *this); }

void frmNotePad::mnuFileNew_Click() { CreateNewDocument(program_); }
void frmNotePad::mnuFileOpen_Click() { PromptOpenFile(program_); }
void frmNotePad::mnuFileClose_Click() { UnloadDocument(program_, *this); }
void frmNotePad::mnuFileSave_Click() { SaveDocument(program_, *this); }
void frmNotePad::mnuFileSaveAs_Click() { SaveDocumentAs(program_, *this); }
void frmNotePad::mnuFileExit_Click() { QuitProgram(program_); }
void frmNotePad::mnuRecentFile_Click(int Index) { OpenRecentFile(program_, RecentFileCaption(mnuRecentFile[Index])); }

void frmNotePad::mnuEditCut_Click() { CutSelection(program_); }
void frmNotePad::mnuEditCopy_Click() { CopySelection(program_); }
void frmNotePad::mnuEditPaste_Click() { PasteClipboard(program_); }
void frmNotePad::mnuEditDelete_Click() { DeleteSelection(program_); }
void frmNotePad::mnuEditSelectAll_Click() { SelectAll(program_); }
void frmNotePad::mnuEditTime_Click() { InsertTimeDate(program_, *this); }

void frmNotePad::mnuSearchFind_Click() { OpenFindDialog(program_, *this); }
void frmNotePad::mnuSearchFindNext_Click() { FindNext(program_, *this); }

void frmNotePad::mnuFontName_Click(int Index) { Text1->SetFontName(mnuFontName[Index]->text()); }
void frmNotePad::mnuOptionsToolbar_Click() { ToggleToolbar(program_, this); }
void frmNotePad::cmdAbout_Click() { ShowAboutBox(program_); }
void frmNotePad::mnuWindowCascade_Click() { program_.frame->Arrange(frmMDI::Cascade); }
void frmNotePad::mnuWindowTile_Click() { program_.frame->Arrange(frmMDI::TileHorizontal); }
