#include "windows/frmMDI.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "recent/RecentFiles.h"
#include "resources/Pictures.h"
#include "windows/CheckItem.h"
#include "windows/ClientArea.h"
#include "windows/DesignLayout.h"
#include "windows/StatusBar.h"
#include "windows/TextBox.h"
#include "windows/Toolbar.h"
#include "windows/frmAbout1.h"
#include "windows/frmNotePad.h"
#include "workspace/CloseDocuments.h"
#include "workspace/DocumentTable.h"
#include "workspace/OpenFiles.h"
#include "workspace/Program.h"

frmMDI::frmMDI(Program& program) : program_(program) {
  program_.frame = this;
  setWindowTitle(QStringLiteral("Torv-Edit Test ver.1.0"));
  setWindowIcon(Pictures::programIcon());

  CMDialog1.DefaultExt = QStringLiteral("COG");
  CMDialog1.DialogTitle = QStringLiteral("Torv Cog ");
  CMDialog1.Filter = QStringLiteral(
      "Cog Files (*.cog)|*.cog|DAT Files (*.dat)|*.dat|Multi Player Files (*.mpc)|*.mpc|"
      "Single Player Files (*.plr)|*.plr|Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
  CMDialog1.InitDir = QStringLiteral("\\jediknight");

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  picToolbar = new Toolbar(program_, central);
  layout->addWidget(picToolbar);
  mdi_ = new ClientArea(central);
  layout->addWidget(mdi_, 1);
  setCentralWidget(central);
  setStatusBar(new StatusBar(program_, this));

  // The designed inner area: 7110 x 5475 twips.
  resize(twipsToPixels(7110), twipsToPixels(5475));

  buildMenus();
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateMenuBar(); });
  UpdateMenuBar();
}

frmMDI::~frmMDI() {
  destroying_ = true;
  menuBar()->clear();
  qDeleteAll(menus_);
  if (program_.frame == this) program_.frame = nullptr;
}

void frmMDI::buildMenus() {
  mnuFile = new QMenu(QStringLiteral("&File"), this);
  mnuFileNew = mnuFile->addAction(QStringLiteral("&New"), this, &frmMDI::mnuFileNew_Click);
  mnuFileOpen = mnuFile->addAction(QStringLiteral("&Open"), this, &frmMDI::mnuFileOpen_Click);
  mnuFileExit = mnuFile->addAction(QStringLiteral("E&xit"), this, &frmMDI::mnuFileExit_Click);
  mnuFile->addSeparator();  // mnuSeparator(0), always visible
  mnuFile->setSeparatorsCollapsible(false);  // even when it ends the menu
  mnuRecentFile = makeRecentFileItems(mnuFile, [this](int index) { mnuRecentFile_Click(index); });

  // Items for commands that need a document: shown, greyed, no handlers.
  auto disabled = [](QMenu* menu, const QString& caption, const QKeySequence& key = {}) {
    QAction* a = menu->addAction(caption);
    a->setShortcut(key);
    a->setEnabled(false);
    return a;
  };
  mnuEdit = new QMenu(QStringLiteral("&Edit"), this);
  disabled(mnuEdit, QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));    // mnu1
  disabled(mnuEdit, QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));   // mnu2
  disabled(mnuEdit, QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));  // mnu3
  disabled(mnuEdit, QStringLiteral("Delete"));                                     // mnu4
  mnuEdit->addSeparator();                                                         // mnudvid(0)
  disabled(mnuEdit, QStringLiteral("Select All"));                                 // mnuSA
  disabled(mnuEdit, QStringLiteral("Date/time"));                                  // mnuDT

  mnutools = new QMenu(QStringLiteral("&Tools"), this);
  mnuSearch = mnutools->addMenu(QStringLiteral("Search"));
  mnuSearch->addAction(QStringLiteral("Find Code"));       // mnugo
  mnuSearch->addAction(QStringLiteral("Find Next Code"));  // mnunext
  mnuSearch->menuAction()->setEnabled(false);
  disabled(mnutools, QStringLiteral("Front"));  // mnufront
  mnuOptionsToolbar = mnutools->addAction(QStringLiteral("Toolbar"));
  MakeCheckItem(mnuOptionsToolbar, true, [this] { mnuOptionsToolbar_Click(); });
  mnutools->addSeparator();  // mnudvidd(0)
  cmdAbout = mnutools->addAction(QStringLiteral("About Torv-Cog"), this, &frmMDI::cmdAbout_Click);

  mnuwin = new QMenu(QStringLiteral("&Window"), this);
  disabled(mnuwin, QStringLiteral("Cascade"));  // mnucas
  disabled(mnuwin, QStringLiteral("Title"));    // mnutitle

  menus_ = {mnuFile, mnuEdit, mnutools, mnuwin};
}

QList<frmNotePad*> frmMDI::DocumentWindows() const {
  QList<frmNotePad*> windows;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    auto* doc = qobject_cast<frmNotePad*>(sub->widget());
    if (doc && !doc->unloaded()) windows.append(doc);
  }
  return windows;
}

frmNotePad* frmMDI::ActiveForm() const {
  QMdiSubWindow* sub = mdi_->currentSubWindow();
  auto* doc = sub ? qobject_cast<frmNotePad*>(sub->widget()) : nullptr;
  return doc && !doc->unloaded() ? doc : nullptr;
}

void frmMDI::ShowDocument(frmNotePad* document) {
  QMdiSubWindow* sub = mdi_->addSubWindow(document);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowTitle(document->Caption());
  sub->setWindowIcon(document->windowIcon());
  connect(sub, &QObject::destroyed, this, [this] { UpdateMenuBar(); });
  sub->show();
  Activate(document);
  document->Text1->setFocus();
}

void frmMDI::Activate(frmNotePad* document) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(document->parentWidget())) mdi_->setActiveSubWindow(sub);
  UpdateMenuBar();
}

void frmMDI::UpdateMenuBar() {
  if (destroying_) return;
  QList<QMenu*> wanted = menus_;
  frmNotePad* doc = ActiveForm();
  if (!doc) {
    const QList<frmNotePad*> windows = DocumentWindows();
    if (!windows.isEmpty()) doc = windows.constLast();
  }
  if (doc) wanted = doc->Menus();
  if (wanted == shown_) return;
  menuBar()->clear();
  for (QMenu* m : wanted) menuBar()->addMenu(m);
  shown_ = wanted;
}

void frmMDI::Arrange(int mode) {
  if (mode == Cascade) {
    mdi_->cascadeSubWindows();
    return;
  }
  // Tile horizontally: the windows stacked one above another, full width.
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
    if (!sub->isMinimized() && sub->isVisible()) windows.append(sub);
  if (windows.isEmpty()) return;
  const QRect area = mdi_->viewport()->rect();
  const int n = int(windows.size());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* sub = windows[i];
    if (sub->isMaximized()) sub->showNormal();
    const int top = area.height() * i / n;
    const int bottom = area.height() * (i + 1) / n;
    sub->setGeometry(0, top, area.width(), bottom - top);
  }
}

void frmMDI::mnuFileNew_Click() { CreateNewDocument(program_); }
void frmMDI::mnuFileOpen_Click() { PromptOpenFile(program_); }
void frmMDI::mnuFileExit_Click() { QuitProgram(program_); }
void frmMDI::mnuRecentFile_Click(int Index) { OpenRecentFile(program_, RecentFileCaption(mnuRecentFile[Index])); }
void frmMDI::mnuOptionsToolbar_Click() { ToggleToolbar(program_, this); }
void frmMDI::cmdAbout_Click() { ShowAboutBox(program_); }
void frmMDI::Command1_Click() { QuitProgram(program_); }
void frmMDI::MDIForm_Unload() { FrameUnloaded(program_); }

void frmMDI::closeEvent(QCloseEvent* event) {
  if (!UnloadAllDocuments(program_)) {
    event->ignore();
    return;
  }
  MDIForm_Unload();
  event->accept();
}
