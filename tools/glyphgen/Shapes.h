#pragma once
// Shapes the pictures need beyond the skin's own (tools/skingen/Layer.h):
// arcs, ellipses, convex polygons, intersections and turned shapes. Same
// conventions: signed distances in pixels, negative inside.
#include <vector>

#include "tools/skingen/Layer.h"

namespace glyphgen {

using skingen::TSdf;

struct TPoint2 {
  float x = 0, y = 0;
};

// The part of a that lies inside b.
TSdf Intersect(TSdf a, TSdf b);
// A stroke along the circle (cx, cy, radius) with round ends, from angle
// `from` clockwise (on screen) to angle `to`, in degrees: 0 points right,
// 90 down.
TSdf Arc(float cx, float cy, float radius, float from, float to, float halfWidth);
// Close to a true distance near the edge, which is all one-pixel smoothing needs.
TSdf Ellipse(float cx, float cy, float rx, float ry);
// A convex polygon, corners in either order.
TSdf Polygon(std::vector<TPoint2> corners);
// The shape turned by `degrees` clockwise about (cx, cy).
TSdf Turned(TSdf shape, float cx, float cy, float degrees);

}  // namespace glyphgen
