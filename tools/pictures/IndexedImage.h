#pragma once
// A palette picture with an optional transparency mask, as the Windows and GIF formats hold it.
#include <QImage>
#include <QList>
#include <QRgb>
#include <cstdint>
#include <vector>

struct IndexedImage {
  int width = 0;
  int height = 0;
  QList<QRgb> palette;
  std::vector<uint8_t> pixels;       // row-major, top row first
  std::vector<uint8_t> transparent;  // empty, or 1 where the pixel shows what lies beneath

  uint8_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
  bool isTransparent(int x, int y) const {
    return !transparent.empty() && transparent[size_t(y) * width + x];
  }
  QImage toQImage() const;  // for looking at the result
};

// The sixteen colours every Windows display has, in their usual order.
QList<QRgb> standardPalette16();

// Maps every pixel to the nearest palette colour; pixels with alpha below 128 become transparent.
IndexedImage mapToPalette(const QImage& image, const QList<QRgb>& palette);

// A palette of at most maxColours colours fitted to the opaque pixels of the images (median cut).
QList<QRgb> fitPalette(const QList<QImage>& images, int maxColours);
