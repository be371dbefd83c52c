#pragma once
// A small floating-point RGBA canvas for drawing skin pieces with smooth
// edges. Shapes are given as signed distance functions (negative inside), so
// every edge gets exact one-pixel anti-aliasing; the skin format keeps that
// softness through its mask rows.
#include <cstdint>
#include <functional>
#include <vector>

namespace skingen {

struct TRgba {
  float r = 0, g = 0, b = 0, a = 0;  // straight (not premultiplied), 0..1
};

// 0xRRGGBB with an optional opacity.
constexpr TRgba Rgb(std::uint32_t rgb, float alpha = 1.0f) {
  return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f, alpha};
}

using TSdf = std::function<float(float x, float y)>;
using TPaint = std::function<TRgba(float x, float y)>;

// Shapes (coordinates in pixels; pixel (i, j) covers [i, i+1) x [j, j+1)).
TSdf RoundRect(float left, float top, float right, float bottom, float radius);
TSdf Capsule(float ax, float ay, float bx, float by, float halfWidth);
TSdf Circle(float cx, float cy, float radius);
// The band of the given width just inside the shape's edge.
TSdf Stroke(TSdf shape, float width);
TSdf Union(TSdf a, TSdf b);
// The part of a that lies outside b.
TSdf Subtract(TSdf a, TSdf b);

TPaint Solid(TRgba colour);
// From `top` at y0 to `bottom` at y1, clamped outside.
TPaint VerticalGradient(TRgba top, TRgba bottom, float y0, float y1);

class TLayer {
 public:
  TLayer(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Composites the paint over the layer where the shape covers it.
  void Fill(const TSdf& shape, const TPaint& paint);
  void Fill(const TSdf& shape, TRgba colour) { Fill(shape, Solid(colour)); }
  // The composited colour of a pixel, straight alpha.
  TRgba At(int x, int y) const;

 private:
  struct Premultiplied {
    float r = 0, g = 0, b = 0, a = 0;
  };
  int width_, height_;
  std::vector<Premultiplied> pixels_;
};

}  // namespace skingen
