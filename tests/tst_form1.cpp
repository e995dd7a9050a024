// The quit window: its layout, and that it can only be dismissed.
#include <QtTest>

#include <QLabel>
#include <QPushButton>

#include "resources/Pictures.h"
#include "windows/Form1.h"
#include "windows/TextBox.h"

class Form1Test : public QObject {
  Q_OBJECT
 private slots:
  void windowLayout();
  void labels_data();
  void labels();
  void pictureAndButton();
  void quitHasTheFocusAndTheTabOrder();
  void escapeDoesNothing();
  void keysPressQuit_data();
  void keysPressQuit();
  void closeBoxDismisses();
};

static QRect twips(int left, int top, int width, int height) {
  return QRect(left / 15, top / 15, width / 15, height / 15);
}

void Form1Test::windowLayout() {
  Form1 w;
  QCOMPARE(w.windowTitle().trimmed(), QString());
  QVERIFY(!w.windowTitle().isEmpty());  // an empty one would show the application's name
  QCOMPARE(w.size(), QSize(6135 / 15, 1695 / 15));
  QCOMPARE(w.geometry().topLeft(), QPoint(2175 / 15, 3600 / 15));
  QVERIFY(w.autoFillBackground());
  QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::black));
  QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
  QVERIFY(w.minimumSize() != w.maximumSize());  // resizable
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  const QImage shot = w.grab().toImage();
  QCOMPARE(shot.pixelColor(w.width() - 3, 3), QColor(Qt::black));  // a corner no control covers
}

void Form1Test::labels_data() {
  QTest::addColumn<int>("which");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QColor>("colour");
  QTest::addColumn<qreal>("points");
  QTest::addColumn<bool>("wraps");
  QTest::newRow("Label1") << 1 << twips(120, 120, 6135, 615)
                          << QStringLiteral("Thank your for trying Torvane Edit 1.00 Test. ") << QColor(0, 255, 0)
                          << 18.0 << false;
  QTest::newRow("Label2") << 2 << twips(1560, 600, 2775, 1095)
                          << QStringLiteral(" Future up dates will include direct FTP acess to upload your files and "
                                            "also Torv-Edit will be able to edit .mat files.")
                          << QColor(247, 33, 2) << 11.25 << true;
}

void Form1Test::labels() {
  QFETCH(int, which);
  QFETCH(QRect, geometry);
  QFETCH(QString, text);
  QFETCH(QColor, colour);
  QFETCH(qreal, points);
  QFETCH(bool, wraps);
  Form1 w;
  QLabel* label = which == 1 ? w.Label1 : w.Label2;
  QCOMPARE(label->geometry(), geometry);
  QCOMPARE(label->text(), text);
  QCOMPARE(label->palette().color(QPalette::WindowText), colour);
  QVERIFY(!label->autoFillBackground());
  QCOMPARE(label->font().family(), QStringLiteral("Haettenschweiler"));
  QCOMPARE(label->font().pointSizeF(), points);
  QCOMPARE(label->font().weight(), QFont::Weight(800));
  QCOMPARE(label->wordWrap(), wraps);
  QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void Form1Test::pictureAndButton() {
  Form1 w;
  QCOMPARE(w.picIcon->geometry(), twips(120, 720, 1200, 750));
  const QPixmap product = Pictures::productPicture();
  QCOMPARE(w.picIcon->pixmap().isNull(), product.isNull());
  if (!product.isNull()) QCOMPARE(w.picIcon->pixmap().toImage(), product.toImage());

  QCOMPARE(w.Command1->geometry(), twips(4680, 1200, 1095, 375));
  QCOMPARE(w.Command1->text(), QStringLiteral("Quit"));
  QVERIFY(w.Command1->testAttribute(Qt::WA_SetCursor));
  const QCursor hand = Pictures::handCursor();
  if (hand.pixmap().isNull()) {
    QCOMPARE(w.Command1->cursor().shape(), Qt::PointingHandCursor);  // the picture is missing
  } else {
    QCOMPARE(w.Command1->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(w.Command1->cursor().hotSpot(), QPoint(12, 1));
  }
  QVERIFY(!w.testAttribute(Qt::WA_SetCursor));  // only over the button
}

void Form1Test::quitHasTheFocusAndTheTabOrder() {
  Form1 w;
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QCOMPARE(QApplication::focusWidget(), w.Command1);
  QCOMPARE(w.Command1->nextInFocusChain(), static_cast<QWidget*>(w.picIcon));
}

void Form1Test::escapeDoesNothing() {
  Form1 w;
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QSignalSpy finished(&w, &QDialog::finished);
  QTest::keyClick(&w, Qt::Key_Escape);
  QTest::keyClick(w.Command1, Qt::Key_Escape);
  QCoreApplication::processEvents();
  QVERIFY(w.isVisible());
  QCOMPARE(finished.count(), 0);
}

void Form1Test::keysPressQuit_data() {
  QTest::addColumn<int>("key");
  QTest::newRow("Enter") << int(Qt::Key_Return);
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
  QTest::newRow("Space") << int(Qt::Key_Space);
}

void Form1Test::keysPressQuit() {
  QFETCH(int, key);
  Form1 w;
  w.show();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QSignalSpy finished(&w, &QDialog::finished);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
  QTRY_VERIFY(!w.isVisible());
  QCOMPARE(finished.count(), 1);
}

void Form1Test::closeBoxDismisses() {
  Form1 w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QSignalSpy finished(&w, &QDialog::finished);
  QVERIFY(w.close());
  QVERIFY(!w.isVisible());
  QCOMPARE(finished.count(), 1);
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
