#include "windows/StatusBar.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTimer>

#include "resources/Pictures.h"
#include "windows/DesignLayout.h"
#include "workspace/Program.h"

namespace {
// The cloud texture from the panel's left edge, clipped by the panel. The
// panel's size is fixed, so only that corner of the large bitmap is read.
class PicturePanel : public QWidget {
 public:
  PicturePanel(QWidget* parent, const QSize& most)
      : QWidget(parent), picture_(Pictures::statusBarClouds(most)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.drawPixmap(0, 0, picture_);
  }

 private:
  QPixmap picture_;
};

QLabel* clockPanel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setFixedWidth(StatusBar::kClockTwips / kTwipsPerPixel);
  label->setAlignment(Qt::AlignCenter);
  return label;
}
}  // namespace

StatusBar::StatusBar(Program& program, QWidget* parent) : QStatusBar(parent), program_(program) {
  setObjectName(QStringLiteral("StatusBar1"));
  setFixedHeight(255 / kTwipsPerPixel);
  setSizeGripEnabled(false);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  font.setWeight(QFont::Normal);
  setFont(font);

  textPanel = new QLabel(QStringLiteral("Torvane Edit 1.00 (Test Mode)"), this);
  textPanel->setMinimumWidth(kTextMinTwips / kTwipsPerPixel);
  picturePanel = new PicturePanel(this, QSize(kPictureTwips / kTwipsPerPixel, height()));
  picturePanel->setFixedWidth(kPictureTwips / kTwipsPerPixel);
  timePanel = clockPanel(this);
  datePanel = clockPanel(this);
  // Permanent panels: menu status tips never cover them.
  addPermanentWidget(textPanel, 1);
  addPermanentWidget(picturePanel);
  addPermanentWidget(timePanel);
  addPermanentWidget(datePanel);

  showClock();
  clock_ = new QTimer(this);
  clock_->setInterval(1000);
  connect(clock_, &QTimer::timeout, this, &StatusBar::showClock);
  clock_->start();
}

void StatusBar::showClock() {
  const QDateTime now = program_.system().Now();
  const QLocale locale;
  timePanel->setText(locale.toString(now.time(), QLocale::ShortFormat));
  datePanel->setText(locale.toString(now.date(), QLocale::ShortFormat));
}

void StatusBar::ShowNotice(const QString& text, const QString& detail) {
  textPanel->setText(text);
  textPanel->setToolTip(detail);
}
