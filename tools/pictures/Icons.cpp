#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

QPainterPath cogPath(QPointF centre, double outer, double inner, double hole, int teeth,
                     double turn) {
  QPainterPath path;
  for (int i = 0; i < teeth * 4; ++i) {
    // Each tooth: a rise, its flat top, a fall, the gap between teeth.
    const double a = qDegreesToRadians(turn + 360.0 * i / (teeth * 4));
    const double r = (i % 4 == 1 || i % 4 == 2) ? outer : inner;
    const QPointF p = centre + QPointF(std::cos(a), std::sin(a)) * r;
    if (i == 0)
      path.moveTo(p);
    else
      path.lineTo(p);
  }
  path.closeSubpath();
  path.addEllipse(centre, hole, hole);
  path.setFillRule(Qt::OddEvenFill);
  return path;
}

}  // namespace

QImage drawProgramIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);

  // The page, its corner folded.
  QPainterPath page;
  page.moveTo(5, 1.5);
  page.lineTo(20, 1.5);
  page.lineTo(26.5, 8);
  page.lineTo(26.5, 30.5);
  page.lineTo(5, 30.5);
  page.closeSubpath();
  p.setPen(QPen(QColor(40, 48, 80), 1.0));
  p.setBrush(QColor(250, 250, 244));
  p.drawPath(page);
  QPainterPath fold;
  fold.moveTo(20, 1.5);
  fold.lineTo(20, 8);
  fold.lineTo(26.5, 8);
  fold.closeSubpath();
  p.setBrush(QColor(200, 204, 214));
  p.drawPath(fold);

  // Lines of script, indented like code.
  p.setPen(Qt::NoPen);
  const struct {
    double x, y, w;
    QColor c;
  } lines[] = {{8, 5, 9, QColor(30, 70, 170)},  {8, 8, 8, QColor(30, 70, 170)},
               {11, 11, 9, QColor(40, 140, 70)}, {11, 14, 6, QColor(40, 140, 70)},
               {8, 17, 6, QColor(30, 70, 170)}};
  for (const auto& l : lines) {
    p.setBrush(l.c);
    p.drawRect(QRectF(l.x, l.y, l.w, 2));
  }

  // A small planet, and the cog in front of it.
  QRadialGradient planet(QPointF(20, 19), 9);
  planet.setColorAt(0, QColor(120, 190, 255));
  planet.setColorAt(1, QColor(20, 50, 140));
  p.setBrush(planet);
  p.setPen(QPen(QColor(10, 20, 60), 0.8));
  p.drawEllipse(QPointF(23.5, 22.5), 6.5, 6.5);
  QLinearGradient metal(QPointF(14, 16), QPointF(26, 30));
  metal.setColorAt(0, QColor(255, 214, 90));
  metal.setColorAt(1, QColor(200, 110, 20));
  p.setBrush(metal);
  p.setPen(QPen(QColor(90, 45, 0), 0.8));
  p.drawPath(cogPath(QPointF(19.5, 24.5), 7.2, 5.4, 2.2, 8, 10));
  return image;
}

QImage drawQuitIcon(int size) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  // Hard edges: the icon keeps only sixteen colours.
  p.setRenderHint(QPainter::Antialiasing, false);
  const double k = size / 32.0;
  p.scale(k, k);

  // The open doorway on the right, the outside light beyond it.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(128, 128, 128));
  p.drawRect(QRectF(20, 3, 10, 27));
  p.setBrush(QColor(192, 192, 192));
  p.drawRect(QRectF(22, 5, 6, 25));
  p.setBrush(QColor(128, 128, 128));
  p.drawPolygon(QPolygonF({QPointF(22, 5), QPointF(26, 8), QPointF(26, 30), QPointF(22, 30)}));

  // The figure, mid-stride towards the door.
  const QColor white(255, 255, 255);
  p.setBrush(white);
  p.drawEllipse(QRectF(12, 3, 5.5, 5.5));
  QPen limb(white, size >= 32 ? 3.0 : 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(limb);
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(14, 10), QPointF(12, 19));                                    // body
  p.drawPolyline(QPolygonF({QPointF(12, 19), QPointF(16, 24), QPointF(19, 29)}));  // front leg
  p.drawPolyline(QPolygonF({QPointF(12, 19), QPointF(10, 24), QPointF(5, 28)}));   // back leg
  p.drawPolyline(QPolygonF({QPointF(14, 11), QPointF(18, 14), QPointF(21, 13)}));  // front arm
  p.drawPolyline(QPolygonF({QPointF(14, 11), QPointF(10, 15), QPointF(7, 17)}));   // back arm
  return image;
}

IndexedImage drawHandCursor() {
  IndexedImage im;
  im.width = 32;
  im.height = 32;
  im.palette = standardPalette16();
  im.pixels.assign(32 * 32, 0);
  im.transparent.assign(32 * 32, 1);
  auto span = [&](int y, int x0, int x1, uint8_t colour) {
    for (int x = x0; x <= x1; ++x) {
      im.pixels[size_t(y) * 32 + x] = colour;
      im.transparent[size_t(y) * 32 + x] = 0;
    }
  };
  const uint8_t k = 0, w = 15;
  // Outline and fill as spans per row: the index finger up, three fingers curled, the thumb.
  span(1, 11, 13, k);
  for (int y = 2; y <= 12; ++y) {
    span(y, 10, 10, k);
    span(y, 11, 13, w);
    span(y, 14, 14, k);
  }
  span(6, 15, 17, k);
  for (int y = 7; y <= 13; ++y) {
    span(y, 15, 17, w);
    span(y, 18, 18, k);
  }
  span(7, 19, 21, k);
  for (int y = 8; y <= 13; ++y) {
    span(y, 19, 21, w);
    span(y, 22, 22, k);
  }
  span(9, 23, 24, k);
  for (int y = 10; y <= 13; ++y) {
    span(y, 23, 24, w);
    span(y, 25, 25, k);
  }
  span(11, 6, 8, k);
  span(12, 5, 5, k);
  span(12, 6, 8, w);
  span(12, 9, 9, k);
  span(13, 5, 5, k);
  span(13, 6, 13, w);
  span(13, 14, 14, k);
  const int left[] = {5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 9};
  const int right[] = {25, 25, 25, 25, 25, 25, 24, 24, 23, 23, 23};
  for (int i = 0; i < 11; ++i) {
    const int y = 14 + i;
    span(y, left[i], left[i], k);
    span(y, left[i] + 1, right[i] - 1, w);
    span(y, right[i], right[i], k);
  }
  span(25, 9, 23, k);
  return im;
}
