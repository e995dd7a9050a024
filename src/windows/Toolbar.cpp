#include "windows/Toolbar.h"

#include <QAction>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>

#include "editing/EditCommands.h"
#include "resources/Pictures.h"
#include "windows/DesignLayout.h"
#include "windows/PictureButton.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/DocumentTable.h"
#include "workspace/OpenFiles.h"
#include "workspace/Program.h"

namespace {
constexpr int kButtonTop = 120;
// Where the banner does not reach: the client area's light blue.
const QColor kStripColour(0x80, 0x80, 0xFF);
}  // namespace

Toolbar::Toolbar(Program& program, QWidget* parent)
    : QWidget(parent), program_(program), banner_(Pictures::banner()) {
  setObjectName(QStringLiteral("picToolbar"));
  setFixedHeight(twipsToPixels(kHeightTwips));

  imgFileNewButton = addButton(QStringLiteral("imgFileNewButton"), QStringLiteral("New File"), 0, CreateNewDocument);
  imgFileOpenButton = addButton(QStringLiteral("imgFileOpenButton"), QStringLiteral("Open File"), 360, PromptOpenFile);
  imgCutButton = addButton(QStringLiteral("imgCutButton"), QStringLiteral("Cut"), 840, CutSelection);
  imgCopyButton = addButton(QStringLiteral("imgCopyButton"), QStringLiteral("Copy"), 1200, CopySelection);
  imgPasteButton = addButton(QStringLiteral("imgPasteButton"), QStringLiteral("Paste"), 1560, PasteClipboard);

  Command1 = new QPushButton(Pictures::quitIcon(), QStringLiteral("Quit"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(fromTwips(6240, kButtonTop, 740, 375));
  Command1->setIconSize(QSize(16, 16));
  Command1->setCursor(Pictures::handCursor());
  Command1->setFocusPolicy(Qt::NoFocus);
  connect(Command1, &QPushButton::clicked, this, [this] { program_.frame->Command1_Click(); });
}

PictureButton* Toolbar::addButton(const QString& name, const QString& toolTip, int left,
                                  void (*command)(Program&)) {
  return new PictureButton(this, name, toolTip, left, kButtonTop, Pictures::toolbarPicture(name + QStringLiteral("Up")),
                           Pictures::toolbarPicture(name + QStringLiteral("Dn")), [this, command] { command(program_); });
}

QSize Toolbar::sizeHint() const { return QSize(twipsToPixels(7110), twipsToPixels(kHeightTwips)); }

void Toolbar::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), kStripColour);
  painter.drawPixmap(0, 0, banner_);  // unscaled, clipped by the strip
}

void ShowEditButtons(Program& program) {
  Toolbar* strip = program.frame->picToolbar;
  strip->imgCutButton->setVisible(true);
  strip->imgCopyButton->setVisible(true);
  strip->imgPasteButton->setVisible(true);
}

void RestoreEditButtons(Program& program) {
  if (!program.EditButtonsHidden) return;
  ShowEditButtons(program);
  program.EditButtonsHidden = False16;
}

void HideEditButtons(Program& program) {
  Toolbar* strip = program.frame->picToolbar;
  strip->imgCutButton->setVisible(false);
  strip->imgCopyButton->setVisible(false);
  strip->imgPasteButton->setVisible(false);
}

void ToggleToolbar(Program& program, QWidget* window) {
  frmMDI* frame = program.frame;
  auto* document = qobject_cast<frmNotePad*>(window);
  QAction* item = document ? document->mnuOptionsToolbar : frame->mnuOptionsToolbar;
  item->setChecked(!item->isChecked());
  // Only the item used and the frame's follow; other documents keep theirs.
  if (document) frame->mnuOptionsToolbar->setChecked(item->isChecked());
  frame->picToolbar->setVisible(item->isChecked());
}
