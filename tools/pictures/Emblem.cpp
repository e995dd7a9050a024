#include "Emblem.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

QPainterPath cog(QPointF centre, double outer, double inner, double hole, int teeth, double turn) {
  QPainterPath path;
  const int steps = teeth * 4;
  for (int i = 0; i < steps; ++i) {
    const double a = qDegreesToRadians(turn + 360.0 * i / steps);
    const double r = (i % 4 == 1 || i % 4 == 2) ? outer : inner;
    const QPointF pt = centre + QPointF(std::cos(a), std::sin(a)) * r;
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  path.closeSubpath();
  path.addEllipse(centre, hole, hole);
  path.setFillRule(Qt::OddEvenFill);
  return path;
}

void drawStars(QPainter& p) {
  uint32_t s = 20261210;
  for (int i = 0; i < 40; ++i) {
    s = s * 1103515245u + 12345u;
    const int x = int((s >> 8) % 80);
    s = s * 1103515245u + 12345u;
    const int y = int((s >> 8) % 50);
    s = s * 1103515245u + 12345u;
    const int b = 120 + int((s >> 8) % 136);
    p.setPen(QColor(b, b, std::min(255, b + 30)));
    p.drawPoint(x, y);
  }
}

}  // namespace

QList<QImage> drawEmblemFrames(int frameCount) {
  QList<QImage> frames;
  const QPointF centre(40, 25);
  const int teeth = 10;
  for (int f = 0; f < frameCount; ++f) {
    const double phase = double(f) / frameCount;
    QImage image(80, 50, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient space(QPointF(0, 0), QPointF(0, 50));
    space.setColorAt(0, QColor(4, 6, 28));
    space.setColorAt(1, QColor(14, 22, 60));
    p.fillRect(image.rect(), space);
    drawStars(p);
    p.setRenderHint(QPainter::Antialiasing);

    // The moon's orbit is tilted: behind the planet in the upper half of its round.
    const double a = 2 * M_PI * phase;
    const QPointF moon = centre + QPointF(std::cos(a) * 33, std::sin(a) * 9);
    const bool moonBehind = std::sin(a) < 0;
    auto drawMoon = [&] {
      QRadialGradient g(moon - QPointF(1, 1), 4);
      g.setColorAt(0, QColor(240, 240, 230));
      g.setColorAt(1, QColor(120, 120, 130));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawEllipse(moon, 3, 3);
    };
    if (moonBehind) drawMoon();

    QRadialGradient planet(centre - QPointF(3, 3), 12);
    planet.setColorAt(0, QColor(110, 180, 255));
    planet.setColorAt(0.7, QColor(30, 70, 170));
    planet.setColorAt(1, QColor(10, 20, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(planet);
    p.drawEllipse(centre, 9.5, 9.5);

    // One tooth's turn per loop, so that the last frame leads smoothly into the first.
    QLinearGradient metal(QPointF(26, 12), QPointF(54, 38));
    metal.setColorAt(0, QColor(255, 225, 120));
    metal.setColorAt(0.5, QColor(235, 160, 40));
    metal.setColorAt(1, QColor(150, 70, 10));
    p.setBrush(metal);
    p.setPen(QPen(QColor(70, 30, 0), 1.0));
    p.drawPath(cog(centre, 20, 15.5, 9, teeth, 360.0 / teeth * phase));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 240, 190), 1.0));
    p.drawEllipse(centre, 9, 9);

    if (!moonBehind) drawMoon();
    p.end();
    frames.push_back(image);
  }
  return frames;
}
