#include "tools/glyphgen/Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace glyphgen {

namespace {

constexpr float kRadiansPerDegree = std::numbers::pi_v<float> / 180.0f;

float Wrap360(float degrees) {
  const float d = std::fmod(degrees, 360.0f);
  return d < 0 ? d + 360.0f : d;
}

}  // namespace

TSdf Intersect(TSdf a, TSdf b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

TSdf Arc(float cx, float cy, float radius, float from, float to, float halfWidth) {
  float sweep = Wrap360(to - from);
  if (sweep == 0) sweep = 360;
  const float ax = cx + radius * std::cos(from * kRadiansPerDegree);
  const float ay = cy + radius * std::sin(from * kRadiansPerDegree);
  const float bx = cx + radius * std::cos(to * kRadiansPerDegree);
  const float by = cy + radius * std::sin(to * kRadiansPerDegree);
  return [=](float x, float y) {
    const float angle = std::atan2(y - cy, x - cx) / kRadiansPerDegree;
    if (Wrap360(angle - from) <= sweep) return std::fabs(std::hypot(x - cx, y - cy) - radius) - halfWidth;
    return std::min(std::hypot(x - ax, y - ay), std::hypot(x - bx, y - by)) - halfWidth;
  };
}

TSdf Ellipse(float cx, float cy, float rx, float ry) {
  return [=](float x, float y) {
    const float dx = (x - cx) / rx, dy = (y - cy) / ry;
    const float k = std::hypot(dx, dy);
    if (k == 0) return -std::min(rx, ry);
    // Scale the level-set value by the local stretch of the ellipse.
    const float gradient = std::hypot(dx / rx, dy / ry) / k;
    return (k - 1) / gradient;
  };
}

TSdf Polygon(std::vector<TPoint2> corners) {
  float area = 0;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const TPoint2 a = corners[i], b = corners[(i + 1) % corners.size()];
    area += a.x * b.y - b.x * a.y;
  }
  if (area < 0) std::reverse(corners.begin(), corners.end());
  return [corners](float x, float y) {
    float d = -1e9f;
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const TPoint2 a = corners[i], b = corners[(i + 1) % corners.size()];
      const float ex = b.x - a.x, ey = b.y - a.y, len = std::hypot(ex, ey);
      // Outward normal of a counter-clockwise (in y-down terms) edge.
      d = std::max(d, ((x - a.x) * -ey + (y - a.y) * ex) / len * -1.0f);
    }
    return d;
  };
}

TSdf Turned(TSdf shape, float cx, float cy, float degrees) {
  const float c = std::cos(degrees * kRadiansPerDegree), s = std::sin(degrees * kRadiansPerDegree);
  return [=](float x, float y) {
    const float dx = x - cx, dy = y - cy;
    return shape(cx + dx * c + dy * s, cy - dx * s + dy * c);
  };
}

}  // namespace glyphgen
