#pragma once
// Soft white clouds on a blue sky, from layered smooth noise.
#include <QColor>
#include <QImage>
#include <cstdint>

struct SkyStyle {
  uint32_t seed = 1;
  QColor zenith;      // sky colour at the top
  QColor horizon;     // sky colour at the bottom
  double cover = 0.5; // 0: clear sky, 1: overcast
  double scale = 1.0; // size of the cloud shapes
};

QImage drawSky(int width, int height, const SkyStyle& style);
