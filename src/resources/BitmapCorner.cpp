#include "resources/BitmapCorner.h"

#include <QFile>
#include <QImageReader>
#include <QResource>
#include <QtEndian>

namespace {

template <class T>
T little(const QByteArray& bytes, int offset) {
  return qFromLittleEndian<T>(bytes.constData() + offset);
}

// The corner of an uncompressed 24-bit bitmap, or a null image for any
// other kind, which the caller then decodes the usual way.
QImage corner24(const QByteArray& bmp, const QSize& size) {
  constexpr int kFileHeader = 14, kInfoHeader = 40;
  if (bmp.size() < kFileHeader + kInfoHeader || !bmp.startsWith("BM")) return {};
  const quint32 dataOffset = little<quint32>(bmp, 10);
  const quint32 headerSize = little<quint32>(bmp, 14);
  const qint32 width = little<qint32>(bmp, 18);
  const qint32 height = little<qint32>(bmp, 22);
  const quint16 bits = little<quint16>(bmp, 28);
  const quint32 compression = little<quint32>(bmp, 30);
  if (headerSize < kInfoHeader || bits != 24 || compression != 0 || width <= 0 || height == 0) return {};
  const qint64 rows = height < 0 ? -qint64(height) : height;
  const qint64 stride = (qint64(width) * 3 + 3) & ~qint64(3);
  if (qint64(dataOffset) + stride * rows > bmp.size()) return {};

  const int w = qMin<qint64>(size.width(), width), h = qMin<qint64>(size.height(), rows);
  QImage image(qMax(w, 0), qMax(h, 0), QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    // Stored bottom row first unless the height is negative.
    const qint64 row = height > 0 ? rows - 1 - y : y;
    const uchar* in = reinterpret_cast<const uchar*>(bmp.constData()) + dataOffset + row * stride;
    QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x, in += 3) out[x] = qRgb(in[2], in[1], in[0]);
  }
  return image;
}

}  // namespace

QImage bitmapCorner(const QString& path, const QSize& size) {
  // A resource stored uncompressed is read in place; only the rows used are touched.
  const QResource resource(path);
  QByteArray bytes;
  if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
    bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
  else if (QFile file(path); file.open(QIODevice::ReadOnly))
    bytes = file.readAll();

  QImage image = corner24(bytes, size);
  if (!image.isNull()) return image;
  return QImageReader(path).read().copy(QRect(QPoint(0, 0), size));
}
