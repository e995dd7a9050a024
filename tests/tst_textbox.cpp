// The document text box keeps single-byte text exactly.
#include <QtTest>

#include "windows/TextBox.h"

class TextBoxTest : public QObject {
  Q_OBJECT
 private slots:
  void keepsBytesExactly_data();
  void keepsBytesExactly();
  void positionsCountBytes();
  void selTextReplacesSelection();
  void programEditsRaiseChange();
  void typingUsesTheCodePage();
  void refusesCharactersTheCodePageCannotHold();
  void pasteRefusesCharactersTheCodePageCannotHold();
  void enterTypesCarriageReturnAndLineFeed();
  void ownKeysForEditCommandsAreRemoved();
};

// Types characters the way a keyboard delivers them, one key event each.
static void type(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(w, &press);
  }
}

static QByteArray allBytes() {
  QByteArray bytes;
  for (int b = 0; b < 256; ++b) bytes.append(char(b));
  return bytes;
}

void TextBoxTest::keepsBytesExactly_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::newRow("empty") << QByteArray();
  QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n");
  QTest::newRow("LF only") << QByteArray("one\ntwo\n");
  QTest::newRow("CR only") << QByteArray("one\rtwo\r");
  QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd\n\r");
  QTest::newRow("NUL") << QByteArray("a\0b\0\0c", 6);
  QTest::newRow("all 256") << allBytes();
  QTest::newRow("65000") << QByteArray(65000, 'x');
}

void TextBoxTest::keepsBytesExactly() {
  QFETCH(QByteArray, bytes);
  TextBox box;
  box.SetText(bytes);
  QCOMPARE(box.Text(), bytes);
  QCOMPARE(box.Length(), int(bytes.size()));
}

void TextBoxTest::positionsCountBytes() {
  TextBox box;
  box.SetText(QByteArray("ab\r\ncd\0e\xE9z", 10));
  box.SetSelStart(2);
  box.SetSelLength(2);
  QCOMPARE(box.SelStart(), 2);
  QCOMPARE(box.SelLength(), 2);
  QCOMPARE(box.SelText(), QByteArray("\r\n"));
  box.SetSelStart(6);
  box.SetSelLength(4);
  QCOMPARE(box.SelText(), QByteArray("\0e\xE9z", 4));
  box.SetSelStart(100);  // beyond the end: the caret stops there
  QCOMPARE(box.SelStart(), 10);
  QCOMPARE(box.SelLength(), 0);
}

void TextBoxTest::selTextReplacesSelection() {
  TextBox box;
  box.SetText("hello world");
  box.SetSelStart(6);
  box.SetSelLength(5);
  box.SetSelText(QByteArray("\0\r\n", 3));
  QCOMPARE(box.Text(), QByteArray("hello \0\r\n", 9));
  QCOMPARE(box.SelStart(), 9);
  QCOMPARE(box.SelLength(), 0);
  box.SetSelStart(0);
  box.SetSelLength(6);
  box.SetSelText(QByteArray());
  QCOMPARE(box.Text(), QByteArray("\0\r\n", 3));
}

void TextBoxTest::programEditsRaiseChange() {
  TextBox box;
  QSignalSpy changes(&box, &TextBox::Change);
  box.SetText("abc");
  QVERIFY(changes.count() >= 1);
  changes.clear();
  box.SetSelStart(1);
  box.SetSelText("X");
  QCOMPARE(changes.count(), 1);
  changes.clear();
  box.SetSelStart(0);  // moving the caret is no change
  QCOMPARE(changes.count(), 0);
}

void TextBoxTest::typingUsesTheCodePage() {
  TextBox box;
  box.show();
  type(&box, QStringLiteral("a\u20AC\u00E9"));
  QCOMPARE(box.Text(), QByteArray("a\x80\xE9"));
}

void TextBoxTest::refusesCharactersTheCodePageCannotHold() {
  TextBox box;
  box.show();
  box.SetText("ab");
  box.SetSelStart(1);
  QSignalSpy changes(&box, &TextBox::Change);
  type(&box, QStringLiteral("\u4E2D"));
  QCOMPARE(box.Text(), QByteArray("ab"));
  QCOMPARE(changes.count(), 0);
}

void TextBoxTest::pasteRefusesCharactersTheCodePageCannotHold() {
  TextBox box;
  box.SetText("ab");
  QMimeData good, bad;
  good.setText(QStringLiteral("\u201Cq\u201D"));
  bad.setText(QStringLiteral("x\u4E2Dy"));
  bool rectangular = true;
  struct Probe : TextBox {
    using TextBox::canInsertFromMimeData;
    using TextBox::fromMimeData;
  };
  auto* probe = static_cast<Probe*>(&box);
  QCOMPARE(probe->fromMimeData(&good, rectangular), QByteArray("\x93q\x94"));
  QVERIFY(!rectangular);
  QVERIFY(probe->canInsertFromMimeData(&good));
  QVERIFY(!probe->canInsertFromMimeData(&bad));
  QCOMPARE(probe->fromMimeData(&bad, rectangular), QByteArray());
}

void TextBoxTest::enterTypesCarriageReturnAndLineFeed() {
  TextBox box;
  box.show();
  QTest::keyClicks(&box, QStringLiteral("a"));
  QTest::keyClick(&box, Qt::Key_Return);
  QTest::keyClicks(&box, QStringLiteral("b"));
  QCOMPARE(box.Text(), QByteArray("a\r\nb"));
}

void TextBoxTest::ownKeysForEditCommandsAreRemoved() {
  TextBox box;
  box.show();
  box.SetText("abc");
  box.SetSelStart(0);
  QTest::keyClick(&box, Qt::Key_Delete);  // belongs to the Edit menu, not the box
  QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(box.Text(), QByteArray("abc"));
}

QTEST_MAIN(TextBoxTest)
#include "tst_textbox.moc"
