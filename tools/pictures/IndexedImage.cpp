#include "IndexedImage.h"

#include <algorithm>
#include <array>

QImage IndexedImage::toQImage() const {
  QImage out(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      out.setPixel(x, y, isTransparent(x, y) ? 0u : (palette[at(x, y)] | 0xff000000u));
  return out;
}

QList<QRgb> standardPalette16() {
  return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
          qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
          qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
          qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

static int nearest(QRgb c, const QList<QRgb>& palette) {
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < palette.size(); ++i) {
    const long dr = qRed(c) - qRed(palette[i]);
    const long dg = qGreen(c) - qGreen(palette[i]);
    const long db = qBlue(c) - qBlue(palette[i]);
    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (bestDistance < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

IndexedImage mapToPalette(const QImage& source, const QList<QRgb>& palette) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  IndexedImage out;
  out.width = image.width();
  out.height = image.height();
  out.palette = palette;
  out.pixels.resize(size_t(out.width) * out.height);
  bool anyTransparent = false;
  std::vector<uint8_t> mask(out.pixels.size(), 0);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      const QRgb c = image.pixel(x, y);
      const size_t i = size_t(y) * out.width + x;
      if (qAlpha(c) < 128) {
        mask[i] = 1;
        anyTransparent = true;
        out.pixels[i] = 0;
      } else {
        out.pixels[i] = uint8_t(nearest(c, palette));
      }
    }
  if (anyTransparent) out.transparent = std::move(mask);
  return out;
}

QList<QRgb> fitPalette(const QList<QImage>& images, int maxColours) {
  using Colour = std::array<int, 3>;
  std::vector<Colour> colours;
  for (const QImage& source : images) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        if (qAlpha(c) >= 128) colours.push_back({qRed(c), qGreen(c), qBlue(c)});
      }
  }
  struct Box {
    size_t begin, end;
  };
  std::vector<Box> boxes;
  if (!colours.empty()) boxes.push_back({0, colours.size()});
  auto spread = [&](const Box& b, int& channel) {
    int best = -1;
    for (int ch = 0; ch < 3; ++ch) {
      int lo = 255, hi = 0;
      for (size_t i = b.begin; i < b.end; ++i) {
        lo = std::min(lo, colours[i][ch]);
        hi = std::max(hi, colours[i][ch]);
      }
      if (hi - lo > best) {
        best = hi - lo;
        channel = ch;
      }
    }
    return best;
  };
  while (int(boxes.size()) < maxColours) {
    // Split the box whose colours lie furthest apart, at its median.
    int pick = -1, pickChannel = 0, widest = 0;
    for (int i = 0; i < int(boxes.size()); ++i) {
      int ch = 0;
      const int s = spread(boxes[i], ch);
      if (s > widest && boxes[i].end - boxes[i].begin > 1) {
        widest = s;
        pick = i;
        pickChannel = ch;
      }
    }
    if (pick < 0) break;
    Box b = boxes[pick];
    const size_t mid = b.begin + (b.end - b.begin) / 2;
    std::nth_element(colours.begin() + b.begin, colours.begin() + mid, colours.begin() + b.end,
                     [&](const Colour& l, const Colour& r) { return l[pickChannel] < r[pickChannel]; });
    boxes[pick] = {b.begin, mid};
    boxes.push_back({mid, b.end});
  }
  QList<QRgb> palette;
  for (const Box& b : boxes) {
    long sum[3] = {0, 0, 0};
    for (size_t i = b.begin; i < b.end; ++i)
      for (int ch = 0; ch < 3; ++ch) sum[ch] += colours[i][ch];
    const long n = long(b.end - b.begin);
    palette.push_back(qRgb(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n)));
  }
  if (palette.isEmpty()) palette.push_back(qRgb(0, 0, 0));
  return palette;
}
