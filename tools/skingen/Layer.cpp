#include "tools/skingen/Layer.h"

#include <algorithm>
#include <cmath>

namespace skingen {

TSdf RoundRect(float left, float top, float right, float bottom, float radius) {
  const float cx = (left + right) / 2, cy = (top + bottom) / 2;
  const float hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
  return [=](float x, float y) {
    const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

TSdf Capsule(float ax, float ay, float bx, float by, float halfWidth) {
  return [=](float x, float y) {
    const float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    const float len2 = dx * dx + dy * dy;
    const float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(px - t * dx, py - t * dy) - halfWidth;
  };
}

TSdf Circle(float cx, float cy, float radius) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

TSdf Stroke(TSdf shape, float width) {
  return [=](float x, float y) { return std::fabs(shape(x, y) + width / 2) - width / 2; };
}

TSdf Union(TSdf a, TSdf b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

TSdf Subtract(TSdf a, TSdf b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

TPaint Solid(TRgba colour) {
  return [=](float, float) { return colour; };
}

TPaint VerticalGradient(TRgba top, TRgba bottom, float y0, float y1) {
  return [=](float, float y) {
    const float t = y1 > y0 ? std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f) : 0.0f;
    return TRgba{top.r + (bottom.r - top.r) * t, top.g + (bottom.g - top.g) * t,
                 top.b + (bottom.b - top.b) * t, top.a + (bottom.a - top.a) * t};
  };
}

TLayer::TLayer(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height) {}

void TLayer::Fill(const TSdf& shape, const TPaint& paint) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float coverage = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f);
      if (coverage <= 0) continue;
      const TRgba c = paint(px, py);
      const float a = c.a * coverage;
      Premultiplied& d = pixels_[static_cast<std::size_t>(y) * width_ + x];
      d.r = c.r * a + d.r * (1 - a);
      d.g = c.g * a + d.g * (1 - a);
      d.b = c.b * a + d.b * (1 - a);
      d.a = a + d.a * (1 - a);
    }
  }
}

TRgba TLayer::At(int x, int y) const {
  const Premultiplied& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
  if (p.a <= 0) return {};
  return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

}  // namespace skingen
