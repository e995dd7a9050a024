#include "GifWriter.h"

#include <unordered_map>

namespace {

void put16(QByteArray& out, int v) {
  out.append(char(v & 0xff));
  out.append(char((v >> 8) & 0xff));
}

// Packs variable-width codes least significant bit first, as GIF wants them.
class BitPacker {
 public:
  void put(int code, int width) {
    buffer_ |= quint32(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      bytes_.append(char(buffer_ & 0xff));
      buffer_ >>= 8;
      bits_ -= 8;
    }
  }
  QByteArray finish() {
    if (bits_ > 0) bytes_.append(char(buffer_ & 0xff));
    buffer_ = 0;
    bits_ = 0;
    return bytes_;
  }

 private:
  QByteArray bytes_;
  quint32 buffer_ = 0;
  int bits_ = 0;
};

QByteArray lzw(const std::vector<uint8_t>& pixels, int minCodeSize) {
  const int clear = 1 << minCodeSize;
  const int end = clear + 1;
  BitPacker out;
  std::unordered_map<quint32, int> table;  // (prefix code << 8 | next byte) -> code
  int width = minCodeSize + 1;
  int next = end + 1;
  out.put(clear, width);
  int prefix = -1;
  for (uint8_t p : pixels) {
    if (prefix < 0) {
      prefix = p;
      continue;
    }
    const quint32 key = (quint32(prefix) << 8) | p;
    auto found = table.find(key);
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    out.put(prefix, width);
    if (next < 4096) {
      table.emplace(key, next);
      // The decoder widens its codes once the table reaches the next power of two.
      if (next == (1 << width) && width < 12) ++width;
      ++next;
    } else {
      out.put(clear, width);
      table.clear();
      width = minCodeSize + 1;
      next = end + 1;
    }
    prefix = p;
  }
  if (prefix >= 0) out.put(prefix, width);
  out.put(end, width);
  return out.finish();
}

}  // namespace

QByteArray encodeGif(const QList<IndexedImage>& frames, int delayCentiseconds) {
  const IndexedImage& first = frames.front();
  int tableBits = 1;
  while ((1 << tableBits) < first.palette.size()) ++tableBits;
  QByteArray out("GIF89a");
  put16(out, first.width);
  put16(out, first.height);
  out.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));  // global table follows
  out.append(char(0));
  out.append(char(0));
  for (int i = 0; i < (1 << tableBits); ++i) {
    const QRgb c = i < first.palette.size() ? first.palette[i] : qRgb(0, 0, 0);
    out.append(char(qRed(c)));
    out.append(char(qGreen(c)));
    out.append(char(qBlue(c)));
  }
  // Loop for ever.
  out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
  put16(out, 0);
  out.append(char(0));

  const int minCodeSize = std::max(2, tableBits);
  for (const IndexedImage& frame : frames) {
    out.append("\x21\xf9\x04", 3);
    out.append(char(0x04));  // each frame replaces the last whole
    put16(out, delayCentiseconds);
    out.append(char(0));
    out.append(char(0));
    out.append(char(0x2c));
    put16(out, 0);
    put16(out, 0);
    put16(out, frame.width);
    put16(out, frame.height);
    out.append(char(0));
    out.append(char(minCodeSize));
    const QByteArray data = lzw(frame.pixels, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
      const qsizetype n = std::min<qsizetype>(255, data.size() - at);
      out.append(char(n));
      out.append(data.mid(at, n));
    }
    out.append(char(0));
  }
  out.append(char(0x3b));
  return out;
}
