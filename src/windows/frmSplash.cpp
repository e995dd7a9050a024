#include "windows/frmSplash.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "resources/Pictures.h"
#include "windows/DesignLayout.h"
#include "workspace/Program.h"

namespace {
const QString kWarning = QStringLiteral(
    "This is just a test program the author is not responsible for any damage caused by this software and the "
    "author is also not responsible for the actions of the user! ");

// A key "produces a character" as the system's character messages count it:
// not with Alt held, and not Delete, which the toolkit gives a text of its own.
bool producesCharacter(const QKeyEvent& event) {
  if (event.text().isEmpty() || (event.modifiers() & Qt::AltModifier)) return false;
  return !(event.text().size() == 1 && event.text().at(0) == QChar(0x7F));
}
}  // namespace

frmSplash::frmSplash(Program& program, std::function<void()> loadFrame)
    : program_(program), loadFrame_(std::move(loadFrame)) {
  setObjectName(QStringLiteral("frmSplash"));
  // A dialog frame with no title bar and no control box.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint);
  const QSize client = fromTwips(0, 0, 7200, 4290).size();
  setGeometry(QRect(QPoint(twipsToPixels(2025), twipsToPixels(1800)), client));
  setFixedSize(client);
  // No control takes the focus; the window sees every key.
  setFocusPolicy(Qt::StrongFocus);

  Frame1 = new QFrame(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(fromTwips(0, 0, 7200, 4290));
  Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  QPalette black = Frame1->palette();
  black.setColor(QPalette::Window, Qt::black);
  Frame1->setPalette(black);
  Frame1->setAutoFillBackground(true);

  imgLogo = new QLabel(Frame1);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setGeometry(fromTwips(840, 960, 1200, 750));
  imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  imgLogo->setPixmap(Pictures::productPicture());

  lblCompanyProduct = makeLabel(Frame1, QStringLiteral("lblCompanyProduct"), fromTwips(2520, 600, 1950, 390),
                                QStringLiteral("Brellin Design:"), haettenschweiler(18), Qt::white, Qt::black);
  lblProductName = makeLabel(Frame1, QStringLiteral("lblProductName"), fromTwips(2520, 1080, 2925, 660),
                             QStringLiteral("Product"), haettenschweiler(32.25), kDesignGreen, Qt::black);
  lblPlatform = makeLabel(Frame1, QStringLiteral("lblPlatform"), fromTwips(4680, 2280, 2145, 345),
                          QStringLiteral("For Windows 95/98"), haettenschweiler(15.75), Qt::white, Qt::black);
  lblTitle = makeLabel(Frame1, QStringLiteral("lblTitle"), fromTwips(2640, 2400, 1575, 255),
                       QStringLiteral("(click to enter)"), msSansSerif(8.25, true), Qt::white);
  lblTitle->setVisible(false);
  lbltome = makeLabel(Frame1, QStringLiteral("lbltome"), fromTwips(5880, 2760, 990, 315), QStringLiteral("Version"),
                      haettenschweiler(14.25), Qt::white, Qt::black);
  lblCompany = makeLabel(Frame1, QStringLiteral("lblCompany"), fromTwips(120, 3180, 3000, 255),
                         QStringLiteral("Brellin Design 1999"), arial(8.25, true), Qt::white, Qt::black);
  lblWarninguagain = makeLabel(Frame1, QStringLiteral("lblWarninguagain"), fromTwips(120, 3480, 855, 375),
                               QStringLiteral("WARNING:"), arial(9, true), kDesignRed, Qt::black);
  lblWarning = makeLabel(Frame1, QStringLiteral("lblWarning"), fromTwips(1080, 3480, 6045, 675), kWarning,
                         arial(8.25, true), kDesignRed, Qt::black);
  for (QLabel* rightAligned : {lbltome, lblPlatform}) rightAligned->setAlignment(Qt::AlignRight | Qt::AlignTop);

  clickHandlers_ = {
      {Frame1, &frmSplash::Frame1_Click},
      {imgLogo, &frmSplash::imgLogo_Click},
      {lblCompany, &frmSplash::lblCompany_Click},
      {lblCompanyProduct, &frmSplash::lblCompanyProduct_Click},
      {lblPlatform, &frmSplash::lblPlatform_Click},
      {lblProductName, &frmSplash::lblProductName_Click},
      {lbltome, &frmSplash::lbltome_Click},
      {lblWarning, nullptr},
      {lblWarninguagain, nullptr},
      {lblTitle, nullptr},
  };
  const QCursor hand = Pictures::handCursor();
  for (auto it = clickHandlers_.cbegin(); it != clickHandlers_.cend(); ++it) {
    auto* control = static_cast<QWidget*>(it.key());
    control->setCursor(hand);
    control->installEventFilter(this);
  }

  Form_Load();
  for (QLabel* fitted : {lbltome, lblPlatform, lblProductName, lblCompanyProduct}) fitToText(fitted);
}

void frmSplash::Form_Load() {
  const AppInfo& app = program_.App();
  // No point between the minor number and the revision: 1.0.1 reads 1.01.
  lbltome->setText(QStringLiteral("Version %1.%2%3").arg(app.Major).arg(app.Minor).arg(app.Revision));
  lblProductName->setText(app.Title);
}

void frmSplash::fitToText(QLabel* label) {
  // One line, as wide and high as its text; a right-aligned label keeps its
  // right edge, the others their left.
  label->setWordWrap(false);
  const QRect designed = label->geometry();
  QRect fitted(designed.topLeft(), label->sizeHint());
  if (label->alignment() & Qt::AlignRight) fitted.moveRight(designed.right());
  label->setGeometry(fitted);
}

void frmSplash::Form_KeyPress() { close(); }

void frmSplash::unloadThenLoadFrame() {
  close();
  if (loadFrame_) loadFrame_();
}

void frmSplash::Frame1_Click() { unloadThenLoadFrame(); }
void frmSplash::imgLogo_Click() { unloadThenLoadFrame(); }
void frmSplash::lblCompany_Click() { unloadThenLoadFrame(); }
void frmSplash::lblCompanyProduct_Click() { unloadThenLoadFrame(); }
void frmSplash::lblPlatform_Click() { unloadThenLoadFrame(); }
void frmSplash::lblProductName_Click() { unloadThenLoadFrame(); }
void frmSplash::lbltome_Click() { unloadThenLoadFrame(); }

void frmSplash::keyPressEvent(QKeyEvent* event) {
  if (!producesCharacter(*event)) {
    event->ignore();
    return;
  }
  Form_KeyPress();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
  const auto found = clickHandlers_.constFind(watched);
  if (found == clickHandlers_.cend()) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return true;  // a control's own, even without a handler: never the panel's
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const auto* control = static_cast<QWidget*>(watched);
      const auto handler = found.value();
      if (handler && mouse->button() == Qt::LeftButton && control->rect().contains(mouse->position().toPoint()))
        (this->*handler)();
      return true;
    }
    default:
      return QDialog::eventFilter(watched, event);
  }
}
