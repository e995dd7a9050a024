#include "WinFormats.h"

#include <QtEndian>

namespace {

void put16(QByteArray& out, quint16 v) {
  char b[2];
  qToLittleEndian(v, b);
  out.append(b, 2);
}
void put32(QByteArray& out, quint32 v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}

int rowBytes(int width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

void putInfoHeader(QByteArray& out, int width, int height, int bitsPerPixel, quint32 imageBytes,
                   quint32 coloursUsed) {
  put32(out, 40);
  put32(out, quint32(width));
  put32(out, quint32(height));
  put16(out, 1);
  put16(out, quint16(bitsPerPixel));
  put32(out, 0);  // uncompressed
  put32(out, imageBytes);
  put32(out, 3780);  // 96 dots per inch
  put32(out, 3780);
  put32(out, coloursUsed);
  put32(out, 0);
}

void putPalette(QByteArray& out, const QList<QRgb>& palette, int entries) {
  for (int i = 0; i < entries; ++i) {
    const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
    out.append(char(qBlue(c)));
    out.append(char(qGreen(c)));
    out.append(char(qRed(c)));
    out.append(char(0));
  }
}

// The colour rows, bottom row first, each padded to four bytes.
void putIndexedRows(QByteArray& out, const IndexedImage& image, int bitsPerPixel) {
  const int stride = rowBytes(image.width, bitsPerPixel);
  const int perByte = 8 / bitsPerPixel;
  for (int y = image.height - 1; y >= 0; --y) {
    QByteArray row(stride, '\0');
    for (int x = 0; x < image.width; ++x) {
      const int shift = 8 - bitsPerPixel * (x % perByte + 1);
      row[x / perByte] = char(uchar(row[x / perByte]) | (image.at(x, y) << shift));
    }
    out.append(row);
  }
}

// The AND mask of an icon: 1 where the screen shows through.
void putMaskRows(QByteArray& out, const IndexedImage& image) {
  const int stride = rowBytes(image.width, 1);
  for (int y = image.height - 1; y >= 0; --y) {
    QByteArray row(stride, '\0');
    for (int x = 0; x < image.width; ++x)
      if (image.isTransparent(x, y)) row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
    out.append(row);
  }
}

QByteArray iconImage(const IconEntry& e) {
  const IndexedImage& im = e.image;
  const quint32 colourBytes = quint32(rowBytes(im.width, e.bitsPerPixel) * im.height);
  const quint32 maskBytes = quint32(rowBytes(im.width, 1) * im.height);
  QByteArray out;
  // An icon's header counts the colour rows and the mask rows together.
  putInfoHeader(out, im.width, im.height * 2, e.bitsPerPixel, colourBytes + maskBytes, 0);
  putPalette(out, im.palette, 1 << e.bitsPerPixel);
  IndexedImage colours = im;
  for (size_t i = 0; i < colours.transparent.size(); ++i)
    if (colours.transparent[i]) colours.pixels[i] = 0;  // black under a set mask bit: see-through
  putIndexedRows(out, colours, e.bitsPerPixel);
  putMaskRows(out, im);
  return out;
}

QByteArray iconFile(const QList<IconEntry>& entries, quint16 type, int hotX, int hotY) {
  QByteArray out;
  put16(out, 0);
  put16(out, type);
  put16(out, quint16(entries.size()));
  QList<QByteArray> images;
  for (const IconEntry& e : entries) images.push_back(iconImage(e));
  quint32 offset = 6 + 16 * quint32(entries.size());
  for (int i = 0; i < entries.size(); ++i) {
    const IconEntry& e = entries[i];
    out.append(char(e.image.width >= 256 ? 0 : e.image.width));
    out.append(char(e.image.height >= 256 ? 0 : e.image.height));
    out.append(char(e.bitsPerPixel >= 8 ? 0 : 1 << e.bitsPerPixel));
    out.append(char(0));
    if (type == 2) {  // a cursor keeps its hot spot where an icon keeps planes and depth
      put16(out, quint16(hotX));
      put16(out, quint16(hotY));
    } else {
      put16(out, 1);
      put16(out, quint16(e.bitsPerPixel));
    }
    put32(out, quint32(images[i].size()));
    put32(out, offset);
    offset += quint32(images[i].size());
  }
  for (const QByteArray& image : images) out.append(image);
  return out;
}

}  // namespace

QByteArray encodeBmp(const IndexedImage& image, int bitsPerPixel) {
  const int entries = 1 << bitsPerPixel;
  const quint32 imageBytes = quint32(rowBytes(image.width, bitsPerPixel) * image.height);
  const quint32 dataOffset = 14 + 40 + 4 * quint32(entries);
  QByteArray out;
  out.append("BM");
  put32(out, dataOffset + imageBytes);
  put32(out, 0);
  put32(out, dataOffset);
  putInfoHeader(out, image.width, image.height, bitsPerPixel, imageBytes, quint32(entries));
  putPalette(out, image.palette, entries);
  putIndexedRows(out, image, bitsPerPixel);
  return out;
}

QByteArray encodeBmp24(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const int stride = rowBytes(image.width(), 24);
  const quint32 imageBytes = quint32(stride * image.height());
  QByteArray out;
  out.append("BM");
  put32(out, 54 + imageBytes);
  put32(out, 0);
  put32(out, 54);
  putInfoHeader(out, image.width(), image.height(), 24, imageBytes, 0);
  for (int y = image.height() - 1; y >= 0; --y) {
    QByteArray row(stride, '\0');
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      row[3 * x] = char(qBlue(c));
      row[3 * x + 1] = char(qGreen(c));
      row[3 * x + 2] = char(qRed(c));
    }
    out.append(row);
  }
  return out;
}

QByteArray encodeIco(const QList<IconEntry>& entries) { return iconFile(entries, 1, 0, 0); }

QByteArray encodeCur(const IconEntry& entry, int hotX, int hotY) {
  return iconFile({entry}, 2, hotX, hotY);
}
