#include "tools/glyphgen/Pictures.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/glyphgen/Shapes.h"
#include "tools/glyphgen/WatchFace.h"
#include "tools/skingen/SkinPalette.h"

namespace glyphgen {

using namespace skingen;
namespace pal = skingen::palette;

TLayer AboutGlyph() {
  TLayer layer(kAboutGlyphSize, kAboutGlyphSize);
  DrawWatch(layer, {15.5f, 16.0f, 12.5f, 4.0f, false, false});
  return layer;
}

TLayer WelcomePicture() {
  TLayer layer(kWelcomeWidth, kWelcomeHeight);
  // Drawn for a height of 440 and scaled: the straps run off the top and
  // bottom edges.
  const float s = kWelcomeHeight / 440.0f;
  const float cx = kWelcomeWidth / 2.0f, cy = kWelcomeHeight / 2.0f, r = 150 * s;
  // A soft shadow under the case, lighter than any edge the skin draws.
  layer.Fill(Circle(cx + 8 * s, cy + 12 * s, r + 24 * s), [=](float x, float y) {
    const float d = std::hypot(x - cx - 8 * s, y - cy - 12 * s) - (r - 10 * s);
    return Rgb(0x000000, 0.35f * std::clamp(1 - d / (34 * s), 0.0f, 1.0f));
  });
  DrawWatch(layer, {cx, cy, r, cy - r, true, true});
  return layer;
}

TLayer DocumentGlyph(int state) {
  if (state < 0 || state >= kDocumentGlyphCount) throw std::out_of_range("document glyph state");
  TLayer layer(kDocumentGlyphSize, kDocumentGlyphSize);
  const bool present = state == 1 || state == 2;
  // The sheet with a folded corner: solid paper when a document is there,
  // an outline when there is none.
  const TSdf sheet = Polygon({{4, 2}, {14, 2}, {19, 7}, {19, 22}, {4, 22}});
  if (present) {
    layer.Fill(sheet, VerticalGradient(Rgb(pal::kText), Rgb(pal::kTextDim), 2, 22));
    layer.Fill(Polygon({{14, 2}, {19, 7}, {14, 7}}), Rgb(pal::kTextDim));
    for (float y : {11.0f, 14.0f, 17.0f}) layer.Fill(Capsule(7, y, y == 17 ? 12 : 16, y, 0.7f), Rgb(pal::kLine));
  } else {
    layer.Fill(Stroke(sheet, 1.3f), Rgb(pal::kTextDim));
    layer.Fill(Stroke(Polygon({{14, 2}, {19, 7}, {14, 7}}), 1.1f), Rgb(pal::kTextDim));
  }
  if (state == 0) return layer;
  // A badge in the lower right corner tells the state.
  const float bx = 17, by = 17;
  const unsigned badge = state == 3 ? pal::kCloseHot : state == 1 ? pal::kBrass : pal::kBrassLight;
  layer.Fill(Circle(bx, by, 6.2f), Rgb(pal::kForm));
  layer.Fill(Circle(bx, by, 5.2f), Rgb(badge));
  const TRgba mark = Rgb(state == 3 ? pal::kText : pal::kTextDark);
  if (state == 1) {  // saved: a tick
    layer.Fill(Union(Capsule(14.4f, 17.2f, 16.4f, 19.2f, 0.9f), Capsule(16.4f, 19.2f, 19.8f, 14.8f, 0.9f)), mark);
  } else if (state == 2) {  // added, waiting for the save: a plus
    layer.Fill(Union(Capsule(bx, 14.2f, bx, 19.8f, 0.9f), Capsule(14.2f, by, 19.8f, by, 0.9f)), mark);
  } else {  // removed: a cross
    layer.Fill(Union(Capsule(15, 15, 19, 19, 0.9f), Capsule(19, 15, 15, 19, 0.9f)), mark);
  }
  return layer;
}

}  // namespace glyphgen
