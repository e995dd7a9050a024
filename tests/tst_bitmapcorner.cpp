// Reading only the corner of a bitmap gives exactly the pixels that decoding
// the whole picture gives there.
#include <QtTest>

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>

#include "resources/BitmapCorner.h"
#include "resources/Pictures.h"

namespace {

void put16(QByteArray& b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); }
void put32(QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }

// An uncompressed 24-bit Windows bitmap whose every pixel differs from its
// neighbours, stored bottom row first, or top row first (negative height).
QByteArray bitmap24(int width, int height, bool topDown) {
  const int stride = (width * 3 + 3) & ~3;
  QByteArray b(54 + stride * height, '\0');
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, quint32(b.size()));
  put32(b, 10, 54);
  put32(b, 14, 40);
  put32(b, 18, quint32(width));
  put32(b, 22, quint32(topDown ? -height : height));
  put16(b, 26, 1);
  put16(b, 28, 24);
  for (int y = 0; y < height; ++y) {
    const int row = topDown ? y : height - 1 - y;
    for (int x = 0; x < width; ++x) {
      char* p = b.data() + 54 + row * stride + x * 3;
      p[0] = char(x * 7 + y);       // blue
      p[1] = char(y * 13 + 5);      // green
      p[2] = char(x * 3 + y * 11);  // red
    }
  }
  return b;
}

// The same picture in another kind of file, which has to be decoded whole.
QByteArray png(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 3, y * 5, x + y));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

}  // namespace

class BitmapCornerTest : public QObject {
  Q_OBJECT
 private slots:
  void matchesTheWholeDecode_data();
  void matchesTheWholeDecode();
  void statusBarCornerMatchesTheWholeClouds();
};

void BitmapCornerTest::matchesTheWholeDecode_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QSize>("corner");
  QTest::addColumn<QSize>("expected");
  QTest::newRow("bottom-up, rows padded") << bitmap24(13, 9, false) << QSize(5, 4) << QSize(5, 4);
  QTest::newRow("top-down") << bitmap24(13, 9, true) << QSize(5, 4) << QSize(5, 4);
  QTest::newRow("row length a multiple of four") << bitmap24(8, 6, false) << QSize(8, 2) << QSize(8, 2);
  QTest::newRow("corner larger than the picture") << bitmap24(6, 3, false) << QSize(20, 20) << QSize(6, 3);
  QTest::newRow("the whole picture") << bitmap24(7, 5, false) << QSize(7, 5) << QSize(7, 5);
  QTest::newRow("not a bitmap") << png(11, 7) << QSize(4, 3) << QSize(4, 3);
}

void BitmapCornerTest::matchesTheWholeDecode() {
  QFETCH(QByteArray, file);
  QFETCH(QSize, corner);
  QFETCH(QSize, expected);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("picture"));
  QFile out(path);
  QVERIFY(out.open(QIODevice::WriteOnly));
  out.write(file);
  out.close();

  const QImage whole = QImage(path).convertToFormat(QImage::Format_RGB32);
  QVERIFY(!whole.isNull());
  const QImage part = bitmapCorner(path, corner).convertToFormat(QImage::Format_RGB32);
  QCOMPARE(part.size(), expected);
  QCOMPARE(part, whole.copy(QRect(QPoint(0, 0), expected)));
}

void BitmapCornerTest::statusBarCornerMatchesTheWholeClouds() {
  const QSize corner(133, 17);
  const QImage part = Pictures::statusBarClouds(corner).toImage().convertToFormat(QImage::Format_RGB32);
  const QImage whole = Pictures::statusBarClouds().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(part.size(), corner);
  QCOMPARE(part, whole.copy(QRect(QPoint(0, 0), corner)));
}

QTEST_MAIN(BitmapCornerTest)
#include "tst_bitmapcorner.moc"
