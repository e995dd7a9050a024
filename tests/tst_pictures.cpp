// The pictures compiled into the program: sizes, colour depths and file layouts.
#include <QtTest>

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include "resources/Pictures.h"

namespace {

QByteArray resourceBytes(const QString& name) {
  QFile f(QStringLiteral(":/pictures/") + name);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
qint32 s32(const QByteArray& b, int at) { return qFromLittleEndian<qint32>(b.constData() + at); }

// One image of an icon or cursor file as its directory and its bitmap header describe it.
struct IconImage {
  int width, height, colourCount, field1, field2, headerBits, headerHeight;
};

QList<IconImage> iconImages(const QByteArray& b, int expectedType) {
  QList<IconImage> out;
  if (b.size() < 6 || u16(b, 0) != 0 || u16(b, 2) != expectedType) return out;
  for (int i = 0; i < u16(b, 4); ++i) {
    const int e = 6 + 16 * i;
    if (b.size() < e + 16) return {};
    const quint32 offset = u32(b, e + 12);
    if (b.size() < qsizetype(offset) + 40 || u32(b, e + 8) + offset > quint32(b.size())) return {};
    out.push_back({uchar(b[e]), uchar(b[e + 1]), uchar(b[e + 2]), u16(b, e + 4), u16(b, e + 6),
                   u16(b, int(offset) + 14), s32(b, int(offset) + 8)});
  }
  return out;
}

const QList<QRgb> standard16 = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), darkGrey = qRgb(128, 128, 128),
           lightGrey = qRgb(192, 192, 192);

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void loadsWithItsSize_data();
  void loadsWithItsSize();
  void toolbarBitmapsAreSixteenColours_data();
  void toolbarBitmapsAreSixteenColours();
  void releasedIsRaisedAndPressedIsSunken_data();
  void releasedIsRaisedAndPressedIsSunken();
  void programIconIs256Colours();
  void quitIconHasTwoSixteenColourSizes();
  void quitIconIsAWhiteFigureOnBlack();
  void handCursorHotSpotIsTheFingertip();
  void productPictureIsAnimatedAndShownStill();
  void statusBarCloudsAre24Bit();
  void bannerIsBlueAndWhite();
};

void PicturesTest::initTestCase() {
  // The first picture asked for makes the resources available, with no set-up by the caller.
  QVERIFY(!Pictures::banner().isNull());
}

void PicturesTest::loadsWithItsSize_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("format");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("images");
  QTest::newRow("program icon") << "program.ico" << QByteArray("ico") << QSize(32, 32) << 1;
  QTest::newRow("program png") << "program.png" << QByteArray("png") << QSize(32, 32) << 1;
  QTest::newRow("program png 256") << "program-256.png" << QByteArray("png") << QSize(256, 256) << 1;
  QTest::newRow("banner") << "banner.jpg" << QByteArray("jpeg") << QSize(1440, 360) << 1;
  QTest::newRow("clouds") << "clouds.bmp" << QByteArray("bmp") << QSize(1440, 360) << 1;
  QTest::newRow("product") << "product.gif" << QByteArray("gif") << QSize(80, 50) << 18;
  QTest::newRow("hand cursor") << "hand.cur" << QByteArray("ico") << QSize(32, 32) << 1;
  QTest::newRow("quit icon") << "quit.ico" << QByteArray("ico") << QSize(32, 32) << 2;
  const struct {
    const char* name;
    int width;
  } buttons[] = {{"imgFileNewButtonUp", 24},  {"imgFileNewButtonDn", 25}, {"imgFileOpenButtonUp", 24},
                 {"imgFileOpenButtonDn", 24}, {"imgCutButtonUp", 25},     {"imgCutButtonDn", 25},
                 {"imgCopyButtonUp", 25},     {"imgCopyButtonDn", 25},    {"imgPasteButtonUp", 25},
                 {"imgPasteButtonDn", 25}};
  for (const auto& b : buttons)
    QTest::newRow(b.name) << QString::fromLatin1(b.name) + ".bmp" << QByteArray("bmp")
                          << QSize(b.width, 22) << 1;
}

void PicturesTest::loadsWithItsSize() {
  QFETCH(QString, name);
  QFETCH(QByteArray, format);
  QFETCH(QSize, size);
  QFETCH(int, images);
  QImageReader reader(QStringLiteral(":/pictures/") + name);
  QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
  QCOMPARE(reader.format(), format);
  QCOMPARE(reader.size(), size);
  QCOMPARE(reader.imageCount(), images);
  const QImage image = reader.read();
  QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
  QCOMPARE(image.size(), size);
}

void PicturesTest::toolbarBitmapsAreSixteenColours_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("width");
  QTest::newRow("new up") << "imgFileNewButtonUp" << 24;
  QTest::newRow("new down, one pixel wider") << "imgFileNewButtonDn" << 25;
  QTest::newRow("open up") << "imgFileOpenButtonUp" << 24;
  QTest::newRow("open down") << "imgFileOpenButtonDn" << 24;
  QTest::newRow("cut up") << "imgCutButtonUp" << 25;
  QTest::newRow("cut down") << "imgCutButtonDn" << 25;
  QTest::newRow("copy up") << "imgCopyButtonUp" << 25;
  QTest::newRow("copy down") << "imgCopyButtonDn" << 25;
  QTest::newRow("paste up") << "imgPasteButtonUp" << 25;
  QTest::newRow("paste down") << "imgPasteButtonDn" << 25;
}

void PicturesTest::toolbarBitmapsAreSixteenColours() {
  QFETCH(QString, name);
  QFETCH(int, width);
  const QByteArray b = resourceBytes(name + ".bmp");
  QVERIFY(b.size() >= 54 + 64);
  QCOMPARE(b.left(2), QByteArray("BM"));
  QCOMPARE(u32(b, 2), quint32(b.size()));
  QCOMPARE(u32(b, 14), 40u);             // plain Windows bitmap header
  QCOMPARE(s32(b, 18), width);
  QCOMPARE(s32(b, 22), 22);              // bottom-up, 22 rows
  QCOMPARE(u16(b, 28), quint16(4));      // 4 bits per pixel
  QCOMPARE(u32(b, 30), 0u);              // uncompressed
  const int stride = (width * 4 + 31) / 32 * 4;
  QCOMPARE(u32(b, 10) + quint32(stride * 22), quint32(b.size()));
  for (int i = 0; i < 16; ++i) {
    const int at = 54 + 4 * i;
    QCOMPARE(qRgb(uchar(b[at + 2]), uchar(b[at + 1]), uchar(b[at])), standard16[i]);
  }

  const QPixmap picture = Pictures::toolbarPicture(name);
  QCOMPARE(picture.size(), QSize(width, 22));
  const QImage image(QStringLiteral(":/pictures/%1.bmp").arg(name));
  QCOMPARE(image.colorCount(), 16);
}

void PicturesTest::releasedIsRaisedAndPressedIsSunken_data() {
  QTest::addColumn<QString>("button");
  QTest::newRow("new") << "imgFileNewButton";
  QTest::newRow("open") << "imgFileOpenButton";
  QTest::newRow("cut") << "imgCutButton";
  QTest::newRow("copy") << "imgCopyButton";
  QTest::newRow("paste") << "imgPasteButton";
}

void PicturesTest::releasedIsRaisedAndPressedIsSunken() {
  QFETCH(QString, button);
  const QImage up = Pictures::toolbarPicture(button + "Up").toImage().convertToFormat(QImage::Format_RGB32);
  const QImage dn = Pictures::toolbarPicture(button + "Dn").toImage().convertToFormat(QImage::Format_RGB32);
  for (const QImage* im : {&up, &dn}) {
    const int w = im->width(), h = im->height();
    for (int x = 0; x < w; ++x) {
      QCOMPARE(im->pixel(x, 0), black);
      QCOMPARE(im->pixel(x, h - 1), black);
    }
    for (int y = 0; y < h; ++y) {
      QCOMPARE(im->pixel(0, y), black);
      QCOMPARE(im->pixel(w - 1, y), black);
    }
  }
  const int w = up.width(), h = up.height();
  // Released: white inside the top and left edges, dark grey inside the bottom and right.
  QCOMPARE(up.pixel(1, 1), white);
  QCOMPARE(up.pixel(w / 2, 1), white);
  QCOMPARE(up.pixel(1, h / 2), white);
  QCOMPARE(up.pixel(w / 2, h - 2), darkGrey);
  QCOMPARE(up.pixel(w - 2, h / 2), darkGrey);
  QCOMPARE(up.pixel(2, 2), lightGrey);
  // Pressed: dark grey inside the top and left edges and no white highlight there.
  for (int x = 1; x < dn.width() - 1; ++x) QCOMPARE(dn.pixel(x, 1), darkGrey);
  for (int y = 1; y < dn.height() - 1; ++y) QCOMPARE(dn.pixel(1, y), darkGrey);
  QCOMPARE(dn.pixel(2, 2), lightGrey);
  // The same symbol, one pixel right and one down.
  int symbolPixels = 0;
  for (int y = 2; y < h - 2; ++y)
    for (int x = 2; x < w - 2; ++x)
      if (up.pixel(x, y) != lightGrey) {
        ++symbolPixels;
        QCOMPARE(dn.pixel(x + 1, y + 1), up.pixel(x, y));
      }
  QVERIFY(symbolPixels > 30);
  int pressedSymbolPixels = 0;
  for (int y = 2; y < dn.height() - 1; ++y)
    for (int x = 2; x < dn.width() - 1; ++x)
      if (dn.pixel(x, y) != lightGrey) ++pressedSymbolPixels;
  QCOMPARE(pressedSymbolPixels, symbolPixels);
}

void PicturesTest::programIconIs256Colours() {
  const QList<IconImage> images = iconImages(resourceBytes("program.ico"), 1);
  QCOMPARE(images.size(), 1);
  QCOMPARE(images[0].width, 32);
  QCOMPARE(images[0].height, 32);
  QCOMPARE(images[0].colourCount, 0);  // 0 in the directory means 256 or more
  QCOMPARE(images[0].field2, 8);
  QCOMPARE(images[0].headerBits, 8);
  QCOMPARE(images[0].headerHeight, 64);  // colour rows and mask rows
  const QIcon icon = Pictures::programIcon();
  QVERIFY(!icon.isNull());
  QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(32, 32)}));
}

void PicturesTest::quitIconHasTwoSixteenColourSizes() {
  const QList<IconImage> images = iconImages(resourceBytes("quit.ico"), 1);
  QCOMPARE(images.size(), 2);
  QCOMPARE(QSize(images[0].width, images[0].height), QSize(32, 32));
  QCOMPARE(QSize(images[1].width, images[1].height), QSize(16, 16));
  for (const IconImage& im : images) {
    QCOMPARE(im.colourCount, 16);
    QCOMPARE(im.field2, 4);
    QCOMPARE(im.headerBits, 4);
    QCOMPARE(im.headerHeight, 2 * im.height);
  }
  QList<QSize> sizes = Pictures::quitIcon().availableSizes();
  std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
  QCOMPARE(sizes, QList<QSize>({QSize(16, 16), QSize(32, 32)}));
}

void PicturesTest::quitIconIsAWhiteFigureOnBlack() {
  QImageReader reader(QStringLiteral(":/pictures/quit.ico"));
  for (int i = 0; i < 2; ++i) {
    QVERIFY(reader.jumpToImage(i));
    const QImage im = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!im.isNull());
    int blacks = 0, whites = 0;
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x) {
        QCOMPARE(qAlpha(im.pixel(x, y)), 255);
        blacks += im.pixel(x, y) == (black | 0xff000000u);
        whites += im.pixel(x, y) == (white | 0xff000000u);
      }
    const int area = im.width() * im.height();
    QVERIFY2(blacks > area / 2, "mostly black ground");
    QVERIFY2(whites > area / 12, "a white figure on it");
    QCOMPARE(im.pixel(0, 0), black | 0xff000000u);
  }
}

void PicturesTest::handCursorHotSpotIsTheFingertip() {
  const QByteArray b = resourceBytes("hand.cur");
  const QList<IconImage> images = iconImages(b, 2);
  QCOMPARE(images.size(), 1);
  QCOMPARE(QSize(images[0].width, images[0].height), QSize(32, 32));
  QCOMPARE(images[0].colourCount, 16);
  QCOMPARE(images[0].field1, 12);  // a cursor's hot spot, x
  QCOMPARE(images[0].field2, 1);   // and y
  QCOMPARE(images[0].headerBits, 4);

  // The hot spot is the topmost pixel of the hand: nothing drawn above it.
  const QImage im = QImage(QStringLiteral(":/pictures/hand.cur")).convertToFormat(QImage::Format_ARGB32);
  QCOMPARE(im.size(), QSize(32, 32));
  QCOMPARE(qAlpha(im.pixel(12, 1)), 255);
  for (int x = 0; x < 32; ++x) QCOMPARE(qAlpha(im.pixel(x, 0)), 0);
  QCOMPARE(qAlpha(im.pixel(31, 31)), 0);

  const QCursor cursor = Pictures::handCursor();
  QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
  QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
}

void PicturesTest::productPictureIsAnimatedAndShownStill() {
  QImageReader reader(QStringLiteral(":/pictures/product.gif"));
  QCOMPARE(reader.imageCount(), 18);
  QList<QImage> frames;
  for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) frames.push_back(frame);
  QCOMPARE(frames.size(), 18);
  for (const QImage& f : frames) QCOMPARE(f.size(), QSize(80, 50));
  QVERIFY(frames[0] != frames[1]);
  QVERIFY(frames[0] != frames[9]);
  const QByteArray b = resourceBytes("product.gif");
  QCOMPARE(b.left(6), QByteArray("GIF89a"));
  QVERIFY((uchar(b[10]) & 0x80) != 0);        // one global palette
  QCOMPARE((uchar(b[10]) & 0x07) + 1, 8);     // of 256 colours

  // The still picture is the first frame.
  const QImage still = Pictures::productPicture().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(still, frames[0].convertToFormat(QImage::Format_RGB32));
}

void PicturesTest::statusBarCloudsAre24Bit() {
  const QByteArray b = resourceBytes("clouds.bmp");
  QVERIFY(b.size() >= 54);
  QCOMPARE(b.left(2), QByteArray("BM"));
  QCOMPARE(s32(b, 18), 1440);
  QCOMPARE(s32(b, 22), 360);
  QCOMPARE(u16(b, 28), quint16(24));
  QCOMPARE(u32(b, 30), 0u);
  QCOMPARE(quint32(b.size()), u32(b, 10) + 1440u * 3 * 360);
  QCOMPARE(Pictures::statusBarClouds().size(), QSize(1440, 360));
}

void PicturesTest::bannerIsBlueAndWhite() {
  const QImage banner = Pictures::banner().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(banner.size(), QSize(1440, 360));
  int blue = 0, whiteish = 0, other = 0;
  for (int y = 0; y < banner.height(); y += 4)
    for (int x = 0; x < banner.width(); x += 4) {
      const QRgb c = banner.pixel(x, y);
      if (qRed(c) > 225 && qGreen(c) > 225 && qBlue(c) > 225)
        ++whiteish;
      else if (qBlue(c) > qRed(c) + 30 && qBlue(c) >= qGreen(c))
        ++blue;
      else
        ++other;
    }
  const int samples = blue + whiteish + other;
  QVERIFY2(blue > samples / 2, "mostly blue sky");
  QVERIFY2(whiteish > samples / 50, "with white clouds");
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
