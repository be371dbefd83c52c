#include "tools/glyphgen/WatchFace.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/glyphgen/Shapes.h"
#include "tools/skingen/SkinPalette.h"

namespace glyphgen {

using namespace skingen;
namespace pal = skingen::palette;

namespace {

// Clock positions: 0 at twelve, clockwise, in fractions of a turn.
float HandX(float cx, float turn, float length) {
  return cx + length * std::sin(turn * 2 * std::numbers::pi_v<float>);
}
float HandY(float cy, float turn, float length) {
  return cy - length * std::cos(turn * 2 * std::numbers::pi_v<float>);
}

}  // namespace

void DrawWatch(TLayer& layer, const TWatchStyle& s) {
  const float r = s.radius, cx = s.cx, cy = s.cy;
  const float px = std::max(1.0f, r / 16);  // a "pixel" of the design at this size

  if (s.strapLength > 0) {
    const float w = r * 0.62f, top = cy - r - s.strapLength, bottom = cy + r + s.strapLength;
    // Straps fade out towards their ends.
    const auto strapPaint = [=](float, float y) {
      const float t = std::min(std::fabs(y - top), std::fabs(bottom - y)) / (s.strapLength * 0.7f);
      TRgba c = VerticalGradient(Rgb(pal::kButtonTop), Rgb(pal::kPanelLow), cy - r, cy + r)(0, y);
      c.a = std::clamp(t, 0.0f, 1.0f);
      return c;
    };
    layer.Fill(RoundRect(cx - w, top, cx + w, bottom, w * 0.25f), strapPaint);
    const auto stitchPaint = [=](float x, float y) { return Rgb(pal::kBrassDark, strapPaint(x, y).a * 0.55f); };
    const auto stitch = [&](float x) {
      layer.Fill(Capsule(x, top + s.strapLength * 0.25f, x, cy - r * 0.8f, px * 0.35f), stitchPaint);
      layer.Fill(Capsule(x, cy + r * 0.8f, x, bottom - s.strapLength * 0.25f, px * 0.35f), stitchPaint);
    };
    stitch(cx - w + px * 1.6f);
    stitch(cx + w - px * 1.6f);
  }

  // Lugs (under the case, so only their ends show) and crown.
  for (float side : {-1.0f, 1.0f})
    for (float vertical : {-1.0f, 1.0f}) {
      const float lx = cx + side * r * 0.52f, ly = cy + vertical * r * 0.8f;
      layer.Fill(Capsule(lx, ly, lx + side * r * 0.02f, ly + vertical * r * 0.3f, std::max(r * 0.085f, 1.3f)),
                 VerticalGradient(Rgb(pal::kBrassLight), Rgb(pal::kBrassDark), cy - r * 1.2f, cy + r * 1.2f));
    }
  layer.Fill(RoundRect(cx + r * 0.9f, cy - r * 0.16f, cx + r * 1.12f, cy + r * 0.16f, r * 0.05f),
             VerticalGradient(Rgb(pal::kBrassLight), Rgb(pal::kBrassDark), cy - r * 0.16f, cy + r * 0.16f));

  // Case, bezel and dial.
  layer.Fill(Circle(cx, cy, r), VerticalGradient(Rgb(pal::kBrassLight), Rgb(pal::kBrassDark), cy - r, cy + r));
  layer.Fill(Circle(cx, cy, r * 0.9f), VerticalGradient(Rgb(pal::kBrassDark), Rgb(pal::kBrass), cy - r, cy + r));
  const float dial = r * 0.82f;
  layer.Fill(Circle(cx, cy, dial), VerticalGradient(Rgb(pal::kPanel), Rgb(pal::kField), cy - dial, cy + dial));

  if (s.minuteTrack)
    for (int m = 0; m < 60; ++m) {
      if (m % 5 == 0) continue;
      const float t = m / 60.0f;
      layer.Fill(Capsule(HandX(cx, t, dial * 0.9f), HandY(cy, t, dial * 0.9f), HandX(cx, t, dial * 0.94f),
                         HandY(cy, t, dial * 0.94f), px * 0.22f),
                 Rgb(pal::kTextDim, 0.8f));
    }
  for (int h = 0; h < 12; ++h) {
    const float t = h / 12.0f;
    const bool major = h % 3 == 0;
    const float inner = dial * (major ? 0.64f : 0.72f), outer = dial * 0.86f;
    layer.Fill(Capsule(HandX(cx, t, inner), HandY(cy, t, inner), HandX(cx, t, outer), HandY(cy, t, outer),
                       px * (major ? 0.9f : 0.55f)),
               Rgb(major ? pal::kBrassLight : pal::kTextDim));
  }

  // Ten past ten: the hour hand short and broad, the minute hand long.
  const float hour = (10 + 10 / 60.0f) / 12.0f, minute = 10 / 60.0f;
  layer.Fill(Capsule(cx, cy, HandX(cx, hour, dial * 0.5f), HandY(cy, hour, dial * 0.5f), px * 1.0f),
             Rgb(pal::kText));
  layer.Fill(Capsule(cx, cy, HandX(cx, minute, dial * 0.78f), HandY(cy, minute, dial * 0.78f), px * 0.7f),
             Rgb(pal::kText));
  if (s.secondHand) {
    const float second = 38 / 60.0f;
    layer.Fill(Capsule(HandX(cx, second, -dial * 0.18f), HandY(cy, second, -dial * 0.18f),
                       HandX(cx, second, dial * 0.84f), HandY(cy, second, dial * 0.84f), px * 0.25f),
               Rgb(pal::kBrassLight));
  }
  layer.Fill(Circle(cx, cy, px * 1.3f), Rgb(pal::kBrass));
}

}  // namespace glyphgen
