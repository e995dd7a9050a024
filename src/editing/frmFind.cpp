#include "editing/frmFind.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include <limits>

#include "editing/Search.h"
#include "platform/Codepage1252.h"
#include "resources/Pictures.h"
#include "windows/DesignLayout.h"
#include "workspace/Program.h"

namespace {
// Only what the document's code page can hold can be looked for.
class Codepage1252Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return Cp1252::fromUnicode(input) ? Acceptable : Invalid;
  }
};

// A frame filled with its background colour, an etched line around it and
// its caption on the top line, whatever the widget style draws for a group.
class CaptionedFrame : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QFontMetrics metrics(font());
    const QRect line = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(line.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(line.adjusted(1, 1, 0, 0));
    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
  }
};

void setGrey(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
  palette.setColor(QPalette::Light, Qt::white);
  widget->setPalette(palette);
  widget->setBackgroundRole(QPalette::Window);  // buttons would fill with their button colour
  widget->setAutoFillBackground(true);
}
}  // namespace

frmFind::frmFind(Program& program, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), program_(program), background_(Pictures::banner()) {
  setWindowTitle(QStringLiteral("Find Code"));
  setWindowIcon(Pictures::programIcon());
  setFont(msSansSerif(8.25, true));
  setFixedSize(twipsToPixels(4950), twipsToPixels(1395));

  Label1 = new QLabel(QStringLiteral("Find Code:"), this);
  Label1->setGeometry(fromTwips(120, 240, 975, 255));
  Label1->setAutoFillBackground(false);

  Text1 = new QLineEdit(this);
  Text1->setGeometry(fromTwips(1200, 120, 2415, 375));
  Text1->setToolTip(QStringLiteral("Text to Find"));
  Text1->setValidator(new Codepage1252Validator(Text1));
  // Any selection of a document can be looked for, not only its first 32767 characters.
  Text1->setMaxLength(std::numeric_limits<int>::max());

  chkCase = new QPushButton(QStringLiteral("Match Case"), this);
  chkCase->setGeometry(fromTwips(120, 720, 1335, 495));
  chkCase->setCheckable(true);
  chkCase->setAutoDefault(false);
  chkCase->setToolTip(QStringLiteral("Case Sensitivity"));

  cmdFind = new QPushButton(QStringLiteral("&Find"), this);
  cmdFind->setGeometry(fromTwips(3720, 120, 1092, 372));
  cmdFind->setDefault(true);
  cmdFind->setToolTip(QStringLiteral("Start Search"));

  cmdcancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdcancel->setGeometry(fromTwips(3720, 600, 1092, 372));
  cmdcancel->setAutoDefault(false);
  cmdcancel->setToolTip(QStringLiteral("Return to Notepad"));

  Frame1 = new CaptionedFrame(QStringLiteral("Direction"), this);
  Frame1->setGeometry(fromTwips(1560, 600, 2052, 615));
  setGrey(Frame1);

  optDirection[1] = new QRadioButton(QStringLiteral("&Down"), Frame1);
  optDirection[1]->setGeometry(fromTwips(960, 240, 852, 252));
  optDirection[1]->setToolTip(QStringLiteral("Search to End of Document"));
  optDirection[1]->setChecked(true);
  optDirection[0] = new QRadioButton(QStringLiteral("&Up"), Frame1);
  optDirection[0]->setGeometry(fromTwips(240, 240, 612, 252));
  optDirection[0]->setToolTip(QStringLiteral("Search to Beginning of Document"));
  for (QRadioButton* option : optDirection) setGrey(option);

  setTabOrder(Text1, chkCase);
  setTabOrder(chkCase, cmdFind);
  setTabOrder(cmdFind, cmdcancel);
  setTabOrder(cmdcancel, optDirection[1]);
  setTabOrder(optDirection[1], optDirection[0]);

  connect(Text1, &QLineEdit::textChanged, this, &frmFind::Text1_Change);
  connect(chkCase, &QPushButton::toggled, this, &frmFind::chkCase_Click);
  for (int index : {0, 1})
    connect(optDirection[index], &QRadioButton::toggled, this, [this, index](bool on) {
      if (on) optDirection_Click(index);
    });
  connect(cmdFind, &QPushButton::clicked, this, &frmFind::cmdFind_Click);
  connect(cmdcancel, &QPushButton::clicked, this, &frmFind::cmdCancel_Click);

  Form_Load();
}

qint16 frmFind::chkCaseValue() const { return chkCase->isChecked() ? 1 : 0; }

void frmFind::Form_Load() {
  cmdFind->setEnabled(false);
  optDirection[program_.Search.SearchDirection == 0 ? 0 : 1]->setChecked(true);
}

void frmFind::Text1_Change() {
  program_.Search.NewSearch = true;
  cmdFind->setEnabled(!Text1->text().isEmpty());
}

void frmFind::chkCase_Click() { program_.Search.MatchCase = chkCaseValue(); }

void frmFind::optDirection_Click(int Index) { program_.Search.SearchDirection = qint16(Index); }

void frmFind::cmdFind_Click() {
  program_.Search.FindText = Text1->text();
  SearchActiveDocument(program_);
}

void frmFind::cmdCancel_Click() {
  program_.Search.FindText = Text1->text();
  program_.Search.MatchCase = chkCaseValue();
  QDialog::reject();
}

void frmFind::reject() { cmdCancel_Click(); }

void frmFind::paintEvent(QPaintEvent*) {
  // The banner unscaled from the top-left corner, clipped by the window.
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (!background_.isNull()) painter.drawPixmap(0, 0, background_);
}
