#include "windows/Form1.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "resources/Pictures.h"
#include "windows/DesignLayout.h"


Form1::Form1(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  // The title bar is empty. Left truly empty, the platform fills in the
  // application's name; a blank keeps it empty.
  setWindowTitle(QStringLiteral(" "));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);

  // Labels are transparent: their text lies on the black window.
  Label1 = makeLabel(this, QStringLiteral("Label1"), fromTwips(120, 120, 6135, 615),
                     QStringLiteral("Thank your for trying Torvane Edit 1.00 Test. "), haettenschweiler(18),
                     QColor(0, 255, 0));
  Label1->setWordWrap(false);
  Label2 = makeLabel(this, QStringLiteral("Label2"), fromTwips(1560, 600, 2775, 1095),
                     QStringLiteral(" Future up dates will include direct FTP acess to upload your files and also "
                                    "Torv-Edit will be able to edit .mat files."),
                     haettenschweiler(11.25), QColor(247, 33, 2));

  Command1 = new QPushButton(QStringLiteral("Quit"), this);
  Command1->setGeometry(fromTwips(4680, 1200, 1095, 375));
  Command1->setCursor(Pictures::handCursor());
  Command1->setAutoDefault(true);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

  // Made after the button: the focus chain follows the order of making, and
  // the tab order has Quit first (the labels take no focus), then the picture.
  picIcon = new QLabel(this);
  picIcon->setPixmap(Pictures::productPicture());
  picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picIcon->setGeometry(fromTwips(120, 720, 1200, 750));
  picIcon->setFocusPolicy(Qt::TabFocus);
  Command1->setFocus();

  // The designed client area and its stored position.
  setGeometry(fromTwips(2175, 3600, 6135, 1695));
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
