#include "windows/Form1.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "resources/Pictures.h"
#include "windows/TextBox.h"

namespace {
// Layouts are designed in twips, 15 to a pixel.
constexpr int px(int twips) { return twips / 15; }

QLabel* label(QWidget* parent, const QString& text, const QColor& colour, qreal points) {
  auto* l = new QLabel(text, parent);
  // The labels are set in the documents' face and weight.
  QFont font = documentFont();
  font.setPointSizeF(points);
  l->setFont(font);
  QPalette palette = l->palette();
  palette.setColor(QPalette::WindowText, colour);
  l->setPalette(palette);
  l->setAutoFillBackground(false);  // transparent: the text lies on the black window
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return l;
}
}  // namespace

Form1::Form1(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  // The title bar is empty. Left truly empty, the platform fills in the
  // application's name; a blank keeps it empty.
  setWindowTitle(QStringLiteral(" "));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);

  Label1 = label(this, QStringLiteral("Thank your for trying Torvane Edit 1.00 Test. "), QColor(0, 255, 0), 18);
  Label1->setGeometry(px(120), px(120), px(6135), px(615));

  Label2 = label(this,
                 QStringLiteral(" Future up dates will include direct FTP acess to upload your files and also "
                                "Torv-Edit will be able to edit .mat files."),
                 QColor(247, 33, 2), 11.25);
  Label2->setWordWrap(true);
  Label2->setGeometry(px(1560), px(600), px(2775), px(1095));

  Command1 = new QPushButton(QStringLiteral("Quit"), this);
  Command1->setGeometry(px(4680), px(1200), px(1095), px(375));
  const QCursor hand = Pictures::handCursor();
  Command1->setCursor(hand.pixmap().isNull() ? QCursor(Qt::PointingHandCursor) : hand);
  Command1->setAutoDefault(true);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

  // Made after the button: the focus chain follows the order of making, and
  // the tab order has Quit first (the labels take no focus), then the picture.
  picIcon = new QLabel(this);
  picIcon->setPixmap(Pictures::productPicture());
  picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picIcon->setGeometry(px(120), px(720), px(1200), px(750));
  picIcon->setFocusPolicy(Qt::TabFocus);
  Command1->setFocus();

  // The designed client area and its stored position.
  setGeometry(px(2175), px(3600), px(6135), px(1695));
}

void Form1::Command1_Click() { close(); }

// Esc does nothing here: the window has no cancel button.
void Form1::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
