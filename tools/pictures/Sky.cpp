#include "Sky.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A lattice of pseudo-random values, smoothly interpolated; the same seed gives the same sky.
class ValueNoise {
 public:
  explicit ValueNoise(uint32_t seed) : values_(256 * 256) {
    uint32_t s = seed * 2654435761u + 1;
    for (float& v : values_) {
      s ^= s << 13;
      s ^= s >> 17;
      s ^= s << 5;
      v = float(s & 0xffffff) / float(0xffffff);
    }
  }
  double at(double x, double y) const {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = smooth(x - x0), fy = smooth(y - y0);
    const double a = lattice(x0, y0), b = lattice(x0 + 1, y0);
    const double c = lattice(x0, y0 + 1), d = lattice(x0 + 1, y0 + 1);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
  }
  double layered(double x, double y, int octaves) const {
    double sum = 0, amplitude = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
      sum += amplitude * at(x, y);
      norm += amplitude;
      x = x * 2.03 + 17.1;
      y = y * 2.03 + 3.7;
      amplitude *= 0.5;
    }
    return sum / norm;
  }

 private:
  static double smooth(double t) { return t * t * (3 - 2 * t); }
  double lattice(int x, int y) const { return values_[size_t((y & 255) * 256 + (x & 255))]; }
  std::vector<float> values_;
};

double smoothstep(double lo, double hi, double v) {
  const double t = std::clamp((v - lo) / (hi - lo), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace

QImage drawSky(int width, int height, const SkyStyle& style) {
  const ValueNoise noise(style.seed);
  QImage image(width, height, QImage::Format_RGB32);
  const double threshold = 0.62 - 0.22 * style.cover;
  for (int y = 0; y < height; ++y) {
    const double t = double(y) / (height - 1);
    const double skyR = style.zenith.redF() + (style.horizon.redF() - style.zenith.redF()) * t;
    const double skyG = style.zenith.greenF() + (style.horizon.greenF() - style.zenith.greenF()) * t;
    const double skyB = style.zenith.blueF() + (style.horizon.blueF() - style.zenith.blueF()) * t;
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      // Clouds are wider than tall, as seen from below.
      const double u = x / (170.0 * style.scale), v = y / (80.0 * style.scale);
      const double n = noise.layered(u, v, 6);
      const double density = smoothstep(threshold, threshold + 0.22, n);
      // Thick parts are lit from above: a faint blue-grey on their lower side.
      const double below = noise.layered(u, v - 0.12, 6);
      const double shade = 0.10 * smoothstep(threshold + 0.05, threshold + 0.35, below) *
                           (1.0 - smoothstep(threshold + 0.1, threshold + 0.3, n - (below - n) * 2));
      const double cr = 1.0 - shade * 1.2, cg = 1.0 - shade, cb = 1.0 - shade * 0.4;
      auto mix = [&](double sky, double cloud) {
        return int(std::lround(255.0 * std::clamp(sky + (cloud - sky) * density, 0.0, 1.0)));
      };
      line[x] = qRgb(mix(skyR, cr), mix(skyG, cg), mix(skyB, cb));
    }
  }
  return image;
}
