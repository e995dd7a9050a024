// The splash window: its texts, layout, clicks and keys.
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QtTest>

#include "TestEnv.h"
#include "resources/Pictures.h"
#include "windows/frmSplash.h"
#include "workspace/Startup.h"

namespace {
const QStringList kCondensedStandIns = {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                                        QStringLiteral("DejaVu Sans Condensed")};
const QStringList kSansStandIns = {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                   QStringLiteral("DejaVu Sans")};

// A shown splash whose frame loader counts its calls and notes whether the
// splash had gone by then.
struct ShownSplash {
  explicit ShownSplash(TestEnv& env)
      : splash(*env.program, [this] {
          ++loads;
          goneBeforeLoad = !splash.isVisible();
        }) {
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
  }
  int loads = 0;
  bool goneBeforeLoad = false;
  frmSplash splash;
};
}  // namespace

class SplashTest : public QObject {
  Q_OBJECT
 private slots:
  void formLoadFillsTheTexts_data();
  void formLoadFillsTheTexts();
  void window();
  void layout_data();
  void layout();
  void fittedLabels();
  void fixedTextsColoursAndFonts();
  void handOverEveryControl();
  void clicks_data();
  void clicks();
  void keys_data();
  void keys();
  void aClickLoadsTheFrameWithItsFirstDocument();
  void aKeyPressClosingTheOnlyWindowEndsTheProgram();
};

void SplashTest::formLoadFillsTheTexts_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<int>("major");
  QTest::addColumn<int>("minor");
  QTest::addColumn<int>("revision");
  QTest::addColumn<QString>("version");
  QTest::newRow("no point before the revision")
      << QStringLiteral("Torvane Edit") << 1 << 0 << 1 << QStringLiteral("Version 1.01");
  QTest::newRow("plain decimal") << QStringLiteral("Other") << 2 << 3 << 45 << QStringLiteral("Version 2.345");
}

void SplashTest::formLoadFillsTheTexts() {
  QFETCH(QString, title);
  QFETCH(int, major);
  QFETCH(int, minor);
  QFETCH(int, revision);
  QFETCH(QString, version);
  TestEnv env(false);
  env.runtime.app_ = {title, major, minor, revision, env.dir.path()};
  frmSplash splash(*env.program, {});
  QCOMPARE(splash.lbltome->text(), version);
  QCOMPARE(splash.lblProductName->text(), title);
}

void SplashTest::window() {
  TestEnv env(false);
  frmSplash splash(*env.program, {});
  QCOMPARE(splash.size(), QSize(480, 286));
  QCOMPARE(splash.minimumSize(), splash.maximumSize());
  const Qt::WindowFlags flags = splash.windowFlags();
  QVERIFY(flags & Qt::CustomizeWindowHint);
  for (Qt::WindowType hint : {Qt::WindowTitleHint, Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint,
                              Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
    QVERIFY(!(flags & hint));
  QVERIFY(splash.windowTitle().isEmpty());
  QCOMPARE(splash.Frame1->palette().color(QPalette::Window), QColor(Qt::black));
  QVERIFY(splash.Frame1->autoFillBackground());
  for (QWidget* control : splash.Frame1->findChildren<QWidget*>()) QCOMPARE(control->focusPolicy(), Qt::NoFocus);
}

void SplashTest::layout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("pixels");
  QTest::newRow("Frame1") << QStringLiteral("Frame1") << QRect(0, 0, 480, 286);
  QTest::newRow("imgLogo") << QStringLiteral("imgLogo") << QRect(56, 64, 80, 50);
  QTest::newRow("lblTitle(0)") << QStringLiteral("lblTitle") << QRect(176, 160, 105, 17);
  QTest::newRow("lblWarninguagain(1)") << QStringLiteral("lblWarninguagain") << QRect(8, 232, 57, 25);
  QTest::newRow("lblWarning(0)") << QStringLiteral("lblWarning") << QRect(72, 232, 403, 45);
}

void SplashTest::layout() {
  QFETCH(QString, name);
  QFETCH(QRect, pixels);
  TestEnv env(false);
  frmSplash splash(*env.program, {});
  auto* control = splash.findChild<QWidget*>(name);
  QVERIFY(control);
  QCOMPARE(control->geometry(), pixels);
  QCOMPARE(control->isHidden(), name == QStringLiteral("lblTitle"));
}

void SplashTest::fittedLabels() {
  // One line as large as the text; right-aligned labels keep their right edge.
  TestEnv env(false);
  frmSplash splash(*env.program, {});
  struct Fitted { QLabel* label; QPoint anchor; bool right; };
  const Fitted fitted[] = {{splash.lblCompanyProduct, {168, 40}, false},
                           {splash.lblProductName, {168, 72}, false},
                           {splash.lblPlatform, {312 + 143 - 1, 152}, true},
                           {splash.lbltome, {392 + 66 - 1, 184}, true}};
  for (const Fitted& f : fitted) {
    const QRect g = f.label->geometry();
    QCOMPARE(g.size(), f.label->sizeHint());
    QCOMPARE(f.right ? g.topRight() : g.topLeft(), f.anchor);
    QVERIFY(!f.label->wordWrap());
    QVERIFY(QRect(0, 0, 480, 286).contains(g));
  }
}

void SplashTest::fixedTextsColoursAndFonts() {
  TestEnv env(false);
  frmSplash splash(*env.program, {});
  const QColor white(Qt::white), green(0, 255, 0), red(255, 0, 0);
  const QString haett = QStringLiteral("Haettenschweiler");
  struct Expected { QLabel* label; QString text; QString face; int pixels; int weight; QColor colour; bool opaque; };
  const Expected expected[] = {
      {splash.lblCompanyProduct, QStringLiteral("Brellin Design:"), haett, 24, 800, white, true},
      {splash.lblProductName, QStringLiteral("Torvane Edit"), haett, 43, 800, green, true},
      {splash.lblPlatform, QStringLiteral("For Windows 95/98"), haett, 21, 800, white, true},
      {splash.lblTitle, QStringLiteral("(click to enter)"), QStringLiteral("MS Sans Serif"), 11, QFont::Bold, white,
       false},
      {splash.lbltome, QStringLiteral("Version 1.01"), haett, 19, 800, white, true},
      {splash.lblWarninguagain, QStringLiteral("WARNING:"), QStringLiteral("Arial"), 12, QFont::Bold, red, true},
      {splash.lblWarning,
       QStringLiteral("This is just a test program the author is not responsible for any damage caused by this "
                      "software and the author is also not responsible for the actions of the user! "),
       QStringLiteral("Arial"), 11, QFont::Bold, red, true},
  };
  for (const Expected& e : expected) {
    QCOMPARE(e.label->text(), e.text);
    QCOMPARE(e.label->font().family(), e.face);
    QCOMPARE(e.label->font().pixelSize(), e.pixels);
    QCOMPARE(int(e.label->font().weight()), e.weight);
    QCOMPARE(e.label->palette().color(QPalette::WindowText), e.colour);
    QCOMPARE(e.label->autoFillBackground(), e.opaque);
    if (e.opaque) QCOMPARE(e.label->palette().color(QPalette::Window), QColor(Qt::black));
    // A face this machine has stands in: condensed for the display face.
    const QString shown = QFontInfo(e.label->font()).family();
    const QStringList standIns = e.face == haett ? kCondensedStandIns : kSansStandIns;
    QVERIFY2(standIns.contains(shown), qPrintable(e.face + QStringLiteral(" shown as ") + shown));
  }
  QVERIFY(splash.lblWarning->wordWrap());
  QVERIFY(splash.lbltome->alignment() & Qt::AlignRight);
  QVERIFY(splash.lblPlatform->alignment() & Qt::AlignRight);
  // The maker-and-year line lies just above the warnings.
  QVERIFY(splash.lblCompany->geometry().bottom() < splash.lblWarning->geometry().top());
  QVERIFY(!splash.lblCompany->geometry().intersects(splash.lbltome->geometry()));
}

void SplashTest::handOverEveryControl() {
  TestEnv env(false);
  frmSplash splash(*env.program, {});
  const QCursor picture = Pictures::handCursor();
  const Qt::CursorShape shape =
      picture.shape() == Qt::BitmapCursor && !picture.pixmap().isNull() ? Qt::BitmapCursor : Qt::PointingHandCursor;
  const QList<QWidget*> controls = {splash.Frame1,     splash.imgLogo, splash.lblCompanyProduct, splash.lblProductName,
                                    splash.lblPlatform, splash.lblTitle, splash.lbltome, splash.lblCompany,
                                    splash.lblWarninguagain, splash.lblWarning};
  for (QWidget* control : controls) {
    QVERIFY2(control->testAttribute(Qt::WA_SetCursor), qPrintable(control->objectName()));
    QCOMPARE(control->cursor().shape(), shape);
  }
}

void SplashTest::clicks_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QPoint>("at");  // within the control
  QTest::addColumn<Qt::MouseButton>("button");
  QTest::addColumn<bool>("closesAndLoads");
  const QPoint in(3, 3);
  QTest::newRow("the panel") << QStringLiteral("Frame1") << QPoint(20, 20) << Qt::LeftButton << true;
  QTest::newRow("imgLogo") << QStringLiteral("imgLogo") << in << Qt::LeftButton << true;
  QTest::newRow("lblCompany") << QStringLiteral("lblCompany") << in << Qt::LeftButton << true;
  QTest::newRow("lblCompanyProduct") << QStringLiteral("lblCompanyProduct") << in << Qt::LeftButton << true;
  QTest::newRow("lblPlatform") << QStringLiteral("lblPlatform") << in << Qt::LeftButton << true;
  QTest::newRow("lblProductName") << QStringLiteral("lblProductName") << in << Qt::LeftButton << true;
  QTest::newRow("lbltome") << QStringLiteral("lbltome") << in << Qt::LeftButton << true;
  QTest::newRow("lblWarning(0) has no handler") << QStringLiteral("lblWarning") << in << Qt::LeftButton << false;
  QTest::newRow("lblWarninguagain(1) has no handler")
      << QStringLiteral("lblWarninguagain") << in << Qt::LeftButton << false;
  QTest::newRow("lblTitle(0) has no handler") << QStringLiteral("lblTitle") << in << Qt::LeftButton << false;
  QTest::newRow("right button on the panel") << QStringLiteral("Frame1") << QPoint(20, 20) << Qt::RightButton
                                             << false;
}

void SplashTest::clicks() {
  QFETCH(QString, name);
  QFETCH(QPoint, at);
  QFETCH(Qt::MouseButton, button);
  QFETCH(bool, closesAndLoads);
  TestEnv env(false);
  ShownSplash shown(env);
  auto* control = shown.splash.findChild<QWidget*>(name);
  QVERIFY(control);
  QTest::mouseClick(control, button, {}, at);
  QCOMPARE(shown.splash.isVisible(), !closesAndLoads);
  QCOMPARE(shown.loads, closesAndLoads ? 1 : 0);
  if (closesAndLoads) QVERIFY(shown.goneBeforeLoad);
}

void SplashTest::keys_data() {
  // Each key with the text the windowing system gives it.
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("text");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::addColumn<bool>("closes");
  const Qt::KeyboardModifiers none;
  QTest::newRow("letter") << int(Qt::Key_A) << QStringLiteral("a") << none << true;
  QTest::newRow("capital") << int(Qt::Key_A) << QStringLiteral("A") << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
  QTest::newRow("space") << int(Qt::Key_Space) << QStringLiteral(" ") << none << true;
  QTest::newRow("Enter") << int(Qt::Key_Return) << QStringLiteral("\r") << none << true;
  QTest::newRow("Esc") << int(Qt::Key_Escape) << QStringLiteral("\x1b") << none << true;
  QTest::newRow("Backspace") << int(Qt::Key_Backspace) << QStringLiteral("\b") << none << true;
  QTest::newRow("Ctrl+C") << int(Qt::Key_C) << QStringLiteral("\x03") << Qt::KeyboardModifiers(Qt::ControlModifier)
                          << true;
  QTest::newRow("arrow") << int(Qt::Key_Left) << QString() << none << false;
  QTest::newRow("function key") << int(Qt::Key_F1) << QString() << none << false;
  QTest::newRow("Shift alone") << int(Qt::Key_Shift) << QString() << Qt::KeyboardModifiers(Qt::ShiftModifier)
                               << false;
  QTest::newRow("Delete") << int(Qt::Key_Delete) << QStringLiteral("\x7f") << none << false;
  QTest::newRow("Alt with a letter") << int(Qt::Key_A) << QStringLiteral("a") << Qt::KeyboardModifiers(Qt::AltModifier)
                                     << false;
}

void SplashTest::keys() {
  QFETCH(int, key);
  QFETCH(QString, text);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  QFETCH(bool, closes);
  TestEnv env(false);
  ShownSplash shown(env);
  QTest::sendKeyEvent(QTest::Press, &shown.splash, Qt::Key(key), text, modifiers);
  QTest::sendKeyEvent(QTest::Release, &shown.splash, Qt::Key(key), text, modifiers);
  QCOMPARE(shown.splash.isVisible(), !closes);
  QCOMPARE(shown.loads, 0);
}

void SplashTest::aClickLoadsTheFrameWithItsFirstDocument() {
  TestEnv env(false);
  frmSplash splash(*env.program, [&] { MDIForm_Load(*env.program); });
  splash.show();
  QTest::mouseClick(splash.lblProductName, Qt::LeftButton, {}, QPoint(3, 3));
  QVERIFY(!splash.isVisible());
  QVERIFY(env.frame->isVisible());
  QCOMPARE(env.documents().size(), 1);
  QCOMPARE(env.doc(1)->Caption(), QStringLiteral("Untitled:1"));
}

void SplashTest::aKeyPressClosingTheOnlyWindowEndsTheProgram() {
  TestEnv env(false);  // the frame is not loaded
  QVERIFY(!env.frame->isVisible());
  ShownSplash shown(env);
  // The program's event loop ends once its last window has gone.
  QTimer::singleShot(0, &shown.splash, [&] { QTest::keyClick(&shown.splash, Qt::Key_X); });
  QTimer giveUp;
  giveUp.setSingleShot(true);
  connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  giveUp.start(5000);
  QCOMPARE(QCoreApplication::exec(), 0);
  QVERIFY(!shown.splash.isVisible());
  QCOMPARE(shown.loads, 0);
}

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
