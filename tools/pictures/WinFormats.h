#pragma once
// Windows bitmap, icon and cursor files, written byte by byte so that the colour depth is
// exactly the one asked for (Qt writes neither 4-bit bitmaps nor cursors).
#include <QByteArray>
#include <QImage>
#include <QList>

#include "IndexedImage.h"

// A .bmp with 1, 4 or 8 bits per pixel and a palette of 2^bits entries.
QByteArray encodeBmp(const IndexedImage& image, int bitsPerPixel);
// A 24-bit .bmp of an opaque picture.
QByteArray encodeBmp24(const QImage& image);

// One image of an icon or cursor file.
struct IconEntry {
  IndexedImage image;
  int bitsPerPixel = 4;
};
QByteArray encodeIco(const QList<IconEntry>& entries);
QByteArray encodeCur(const IconEntry& entry, int hotX, int hotY);
