// The about box: its texts, layout, opening and closing.
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "TestEnv.h"
#include "windows/frmAbout1.h"

namespace {
const QStringList kSansStandIns = {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                   QStringLiteral("DejaVu Sans")};
}

class AboutTest : public QObject {
  Q_OBJECT
 private slots:
  void formLoadFillsTheTexts_data();
  void formLoadFillsTheTexts();
  void layout_data();
  void layout();
  void buttons();
  void labelsColoursAndFonts();
  void backgroundAndEtchedSeparator();
  void eachOpeningIsFreshAndModal();
  void closes_data();
  void closes();
  void sysInfoFailureKeepsTheBoxOpen();
};

void AboutTest::formLoadFillsTheTexts_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<int>("major");
  QTest::addColumn<int>("minor");
  QTest::addColumn<int>("revision");
  QTest::addColumn<QString>("version");
  QTest::newRow("this program") << QStringLiteral("Torvane Edit") << 1 << 0 << 1 << QStringLiteral("Version 1.0.1");
  QTest::newRow("numbers in plain decimal") << QStringLiteral("Other") << 2 << 10 << 0
                                            << QStringLiteral("Version 2.10.0");
}

void AboutTest::formLoadFillsTheTexts() {
  QFETCH(QString, title);
  QFETCH(int, major);
  QFETCH(int, minor);
  QFETCH(int, revision);
  QFETCH(QString, version);
  TestEnv env(false);
  env.runtime.app_ = {title, major, minor, revision, env.dir.path()};
  frmAbout1 box(*env.program);
  QCOMPARE(box.windowTitle(), QStringLiteral("About ") + title);
  QCOMPARE(box.Label1->text(), version);
  QCOMPARE(box.lblTitle->text(), title);
}

void AboutTest::layout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("pixels");
  QTest::newRow("picIcon") << QStringLiteral("picIcon") << QRect(0, 16, 80, 50);
  QTest::newRow("lblTitle") << QStringLiteral("lblTitle") << QRect(96, 16, 265, 33);
  QTest::newRow("Label1") << QStringLiteral("Label1") << QRect(96, 48, 265, 17);
  QTest::newRow("lblDescription") << QStringLiteral("lblDescription") << QRect(96, 72, 265, 81);
  QTest::newRow("cmdSysInfo") << QStringLiteral("cmdSysInfo") << QRect(8, 104, 83, 23);
  QTest::newRow("lblDisclaimer") << QStringLiteral("lblDisclaimer") << QRect(16, 168, 258, 71);
  QTest::newRow("cmdOK") << QStringLiteral("cmdOK") << QRect(283, 175, 84, 23);
}

void AboutTest::layout() {
  QFETCH(QString, name);
  QFETCH(QRect, pixels);
  TestEnv env(false);
  frmAbout1 box(*env.program);
  QCOMPARE(box.size(), QSize(382, 247));
  QCOMPARE(box.minimumSize(), box.maximumSize());
  auto* control = box.findChild<QWidget*>(name);
  QVERIFY(control);
  QCOMPARE(control->geometry(), pixels);
}

void AboutTest::buttons() {
  TestEnv env(false);
  frmAbout1 box(*env.program);
  QCOMPARE(box.cmdOK->text(), QStringLiteral("OK"));
  QVERIFY(box.cmdOK->isDefault());
  QCOMPARE(box.cmdSysInfo->text(), QStringLiteral("&System Info..."));
  QVERIFY(box.cmdSysInfo->isHidden());
  QCOMPARE(box.cmdOK->nextInFocusChain(), box.cmdSysInfo);
  QVERIFY(box.windowFlags() & Qt::WindowCloseButtonHint);
  QVERIFY(!(box.windowFlags() & Qt::WindowMaximizeButtonHint));
  QVERIFY(!(box.windowFlags() & Qt::WindowContextHelpButtonHint));
}

void AboutTest::labelsColoursAndFonts() {
  TestEnv env(false);
  frmAbout1 box(*env.program);
  const QColor green(0, 255, 0);
  for (QLabel* label : {box.lblTitle, box.Label1, box.lblDescription, box.lblDisclaimer}) {
    QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), 11);
    QVERIFY2(kSansStandIns.contains(QFontInfo(label->font()).family()), qPrintable(QFontInfo(label->font()).family()));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->palette().color(QPalette::WindowText), label == box.lblDisclaimer ? QColor(255, 0, 0) : green);
    QCOMPARE(label->autoFillBackground(), label == box.lblDisclaimer);
  }
  QCOMPARE(box.lblDisclaimer->palette().color(QPalette::Window), QColor(Qt::black));
  QVERIFY(box.lblDescription->text().startsWith(QStringLiteral(
      "Torvane Edit is a un-supported program for writting and editing cog, Multi player,Single player, and .DAT "
      "files,for Jedi Knight this is only a test version. Please report any bugs to: ")));
  QVERIFY(box.lblDescription->text().contains(QLatin1Char('@')));
  QCOMPARE(box.lblDisclaimer->text(),
           QStringLiteral("Warning: This is just a test program the author is not responsible for any damage caused "
                          "by this software and the author is also not responsible for the actions of the user!!!!!"));
}

void AboutTest::backgroundAndEtchedSeparator() {
  TestEnv env(false);
  frmAbout1 box(*env.program);
  const QImage shot = box.grab().toImage();
  const QRgb black = qRgb(0, 0, 0), grey = qRgb(128, 128, 128), white = qRgb(255, 255, 255);
  struct Pixel { int x, y; QRgb colour; };
  const Pixel pixels[] = {
      {200, 5, black},   {100, 162, black}, {100, 163, grey}, {100, 164, white}, {100, 165, white},
      {100, 166, black}, {5, 163, black},   {6, 163, grey},   {377, 163, grey},  {378, 163, black},
      {6, 164, black},   {7, 164, white},   {377, 165, white}, {378, 165, black}, {380, 240, black},
  };
  for (const Pixel& p : pixels)
    QVERIFY2(shot.pixel(p.x, p.y) == p.colour,
             qPrintable(QStringLiteral("%1,%2 is %3").arg(p.x).arg(p.y).arg(shot.pixel(p.x, p.y), 8, 16)));
}

void AboutTest::eachOpeningIsFreshAndModal() {
  TestEnv env;
  QPointer<QDialog> first;
  env.runtime.modalActions.enqueue([&](QDialog& window) {
    auto& box = static_cast<frmAbout1&>(window);
    first = &box;
    QVERIFY(box.isModal());
    QCOMPARE(box.parentWidget(), nullptr);
    QCOMPARE(box.focusWidget(), box.cmdOK);
    box.Label1->setText(QStringLiteral("scribbled"));
    box.setWindowTitle(QStringLiteral("scribbled"));
    box.cmdOK->click();
  });
  env.runtime.modalActions.enqueue([&](QDialog& window) {
    auto& box = static_cast<frmAbout1&>(window);
    QCOMPARE(box.windowTitle(), QStringLiteral("About Torvane Edit"));
    QCOMPARE(box.Label1->text(), QStringLiteral("Version 1.0.1"));
    QCOMPARE(box.lblTitle->text(), QStringLiteral("Torvane Edit"));
    box.cmdOK->click();
  });
  env.frame->cmdAbout->trigger();
  QVERIFY(first.isNull());  // released once the modal show returned
  env.doc(1)->cmdAbout->trigger();
  QCOMPARE(env.runtime.modalWindows, (QList<QString>{QStringLiteral("frmAbout1"), QStringLiteral("frmAbout1")}));
  QCOMPARE(env.runtime.unscripted, 0);
}

void AboutTest::closes_data() {
  QTest::addColumn<int>("how");
  QTest::addColumn<bool>("throughOK");
  QTest::newRow("OK") << 0 << true;
  QTest::newRow("Enter") << 1 << true;
  QTest::newRow("Esc") << 2 << true;
  QTest::newRow("close box") << 3 << false;
}

void AboutTest::closes() {
  QFETCH(int, how);
  QFETCH(bool, throughOK);
  TestEnv env;
  int clicks = -1;
  env.runtime.modalActions.enqueue([&](QDialog& window) {
    auto& box = static_cast<frmAbout1&>(window);
    QSignalSpy spy(box.cmdOK, &QPushButton::clicked);
    switch (how) {
      case 0: QTest::mouseClick(box.cmdOK, Qt::LeftButton); break;
      case 1: QTest::keyClick(box.focusWidget(), Qt::Key_Return); break;
      case 2: QTest::keyClick(box.focusWidget(), Qt::Key_Escape); break;
      default: box.close(); break;
    }
    clicks = int(spy.count());
    QVERIFY(!box.isVisible());
  });
  ShowAboutBox(*env.program);
  QCOMPARE(clicks, throughOK ? 1 : 0);
  QCOMPARE(env.runtime.unscripted, 0);
}

void AboutTest::sysInfoFailureKeepsTheBoxOpen() {
  TestEnv env;  // no registry: the failure path
  bool openAfter = false;
  env.runtime.modalActions.enqueue([&](QDialog& window) {
    auto& box = static_cast<frmAbout1&>(window);
    box.cmdSysInfo->click();
    openAfter = box.isVisible();
    box.cmdOK->click();
  });
  ShowAboutBox(*env.program);
  QVERIFY(openAfter);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
