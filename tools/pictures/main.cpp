// Draws every picture of src/resources/ and writes it in its exact format:
//   make-pictures <folder> [--preview <folder>]
// The preview folder receives PNG copies of the palette pictures, for looking at them.
#include <QBuffer>
#include <QDir>
#include <QSaveFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "Emblem.h"
#include "GifWriter.h"
#include "Icons.h"
#include "Sky.h"
#include "ToolbarButtons.h"
#include "WinFormats.h"

namespace {

QDir out;
QDir preview;
bool previewing = false;

bool writeFile(const QString& name, const QByteArray& bytes) {
  QSaveFile f(out.filePath(name));
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
    std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(f.fileName()));
    return false;
  }
  std::printf("%-26s %7lld bytes\n", qPrintable(name), static_cast<long long>(bytes.size()));
  return true;
}

void show(const QString& name, const QImage& image) {
  if (previewing) image.save(preview.filePath(name + ".png"));
}

QByteArray encode(const QImage& image, const char* format, int quality = -1) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (quality >= 0) writer.setQuality(quality);
  writer.write(image);
  return bytes;
}

// The best JPEG quality whose file stays within the byte budget.
QByteArray jpegWithin(const QImage& image, qsizetype budget) {
  QByteArray best = encode(image, "jpeg", 5);
  for (int q = 10; q <= 95; q += 5) {
    QByteArray bytes = encode(image, "jpeg", q);
    if (bytes.size() > budget) break;
    best = bytes;
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: make-pictures <folder> [--preview <folder>]\n");
    return 2;
  }
  out = QDir(args[1]);
  if (args.size() >= 4 && args[2] == QLatin1String("--preview")) {
    preview = QDir(args[3]);
    QDir().mkpath(preview.path());
    previewing = true;
  }
  bool ok = true;

  // Program icon: 256 colours for the window icons, PNGs for the desktop's icon theme.
  const QImage icon = drawProgramIcon(32);
  const IndexedImage icon256 = mapToPalette(icon, fitPalette({icon}, 256));
  ok &= writeFile("program.ico", encodeIco({{icon256, 8}}));
  ok &= writeFile("program.png", encode(icon, "png"));
  ok &= writeFile("program-256.png", encode(drawProgramIcon(256), "png"));
  show("program.ico", icon256.toQImage());

  // The banner behind the frame, the toolbar, the find dialog and the splash window.
  const QImage banner =
      drawSky(1440, 360, {7, QColor(92, 140, 222), QColor(176, 206, 246), 0.55, 1.0});
  ok &= writeFile("banner.jpg", jpegWithin(banner, 25 * 1024));

  // The status bar's cloud picture: a lighter sky, smaller clouds.
  const QImage clouds =
      drawSky(1440, 360, {31, QColor(120, 166, 232), QColor(200, 222, 250), 0.5, 0.45});
  ok &= writeFile("clouds.bmp", encodeBmp24(clouds));

  // The product picture: 18 frames sharing one palette.
  const QList<QImage> frames = drawEmblemFrames(18);
  const QList<QRgb> framePalette = fitPalette(frames, 256);
  QList<IndexedImage> indexed;
  for (const QImage& f : frames) indexed.push_back(mapToPalette(f, framePalette));
  ok &= writeFile("product.gif", encodeGif(indexed, 8));
  show("product-first", indexed.front().toQImage());

  const IndexedImage hand = drawHandCursor();
  ok &= writeFile("hand.cur", encodeCur({hand, 4}, 12, 1));
  show("hand.cur", hand.toQImage());

  const IndexedImage quit32 = mapToPalette(drawQuitIcon(32), standardPalette16());
  const IndexedImage quit16 = mapToPalette(drawQuitIcon(16), standardPalette16());
  ok &= writeFile("quit.ico", encodeIco({{quit32, 4}, {quit16, 4}}));
  show("quit32", quit32.toQImage());
  show("quit16", quit16.toQImage());

  for (const ButtonPicture& b : drawToolbarButtons()) {
    ok &= writeFile(b.name + ".bmp", encodeBmp(b.image, 4));
    show(b.name, b.image.toQImage());
  }
  return ok ? 0 : 1;
}
