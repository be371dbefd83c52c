#include <algorithm>
#include <functional>
#include <stdexcept>

#include "tools/glyphgen/Pictures.h"
#include "tools/glyphgen/Shapes.h"
#include "tools/skingen/SkinPalette.h"

namespace glyphgen {

using namespace skingen;
namespace pal = skingen::palette;

namespace {

// Menus are dark: the icons draw in light ink with brass accents.
const TRgba kInk = Rgb(pal::kText);
const TRgba kDim = Rgb(pal::kTextDim);
const TRgba kBrass = Rgb(pal::kBrass);
const TRgba kBrassLight = Rgb(pal::kBrassLight);
const TRgba kBrassDark = Rgb(pal::kBrassDark);
const TRgba kRed = Rgb(pal::kCloseHot);
const TRgba kBack = Rgb(pal::kMenu);
constexpr float kLine = 0.75f;  // half width of a one-and-a-half pixel line

void Undo(TLayer& l) {
  l.Fill(Arc(9, 9.5f, 4.5f, 270, 135, kLine), kBrass);
  l.Fill(Polygon({{2.2f, 5}, {7, 1.5f}, {7, 8.5f}}), kBrass);
}

void Cut(TLayer& l) {
  l.Fill(Capsule(5.5f, 10, 11, 1.5f, 0.8f), kInk);
  l.Fill(Capsule(10.5f, 10, 5, 1.5f, 0.8f), kInk);
  for (float x : {4.5f, 11.5f}) l.Fill(Stroke(Circle(x, 12.2f, 2.6f), 1.3f), kBrass);
}

void Copy(TLayer& l) {
  l.Fill(Stroke(RoundRect(1.5f, 1.5f, 10, 11.5f, 1), 1.2f), kDim);
  l.Fill(RoundRect(5.5f, 4.5f, 14.5f, 14.5f, 1), kBack);
  l.Fill(Stroke(RoundRect(5.5f, 4.5f, 14.5f, 14.5f, 1), 1.3f), kInk);
  for (float y : {8.0f, 11.0f}) l.Fill(Capsule(8, y, 12, y, 0.5f), kBrass);
}

void Paste(TLayer& l) {
  l.Fill(RoundRect(2, 2.5f, 14, 15.5f, 1.5f), kBrassDark);
  l.Fill(RoundRect(4.5f, 5, 11.5f, 14, 0.5f), kInk);
  l.Fill(RoundRect(5, 1, 11, 4.5f, 1), kBrassLight);
  for (float y : {8.0f, 10.5f}) l.Fill(Capsule(6.5f, y, 9.5f, y, 0.5f), kDim);
}

void Delete(TLayer& l) {
  l.Fill(Union(Capsule(3.5f, 3.5f, 12.5f, 12.5f, 1.1f), Capsule(12.5f, 3.5f, 3.5f, 12.5f, 1.1f)), kRed);
}

void SelectAll(TLayer& l) {
  // A dashed frame round a filled block.
  const TSdf frame = Stroke(RoundRect(1, 1, 15, 15, 0.5f), 1.2f);
  l.Fill(Intersect(frame, [](float x, float y) {
           const float along = x + y;  // dashes run diagonally across both sides
           return (static_cast<int>(along) % 3 == 0) ? 1.0f : -1.0f;
         }),
         kDim);
  l.Fill(RoundRect(4, 4, 12, 12, 1), kBrass);
}

void Globe(TLayer& l) {
  l.Fill(Circle(8, 8, 6.8f), Rgb(pal::kBrassDark, 0.45f));
  l.Fill(Stroke(Circle(8, 8, 6.8f), 1.5f), kBrassLight);
  l.Fill(Stroke(Ellipse(8, 8, 3, 6.8f), 1.0f), kInk);
  l.Fill(Capsule(1.8f, 8, 14.2f, 8, 0.5f), kInk);
  l.Fill(Capsule(8, 1.5f, 8, 14.5f, 0.5f), kInk);
  for (float y : {4.6f, 11.4f}) l.Fill(Capsule(3.2f, y, 12.8f, y, 0.45f), kInk);
}

void Clear(TLayer& l) {
  // An eraser on its edge, its rubber end brass.
  const TSdf body = Turned(RoundRect(3, 4, 13, 11, 1.5f), 8, 7.5f, -40);
  const TSdf rubber = Intersect(body, [](float x, float y) { return (x - 7.0f) + (y - 9.5f) * 0.8f; });
  l.Fill(body, kInk);
  l.Fill(rubber, kBrass);
  l.Fill(Capsule(6, 14.5f, 14.5f, 14.5f, 0.5f), kDim);
}

void Crop(TLayer& l) {
  l.Fill(Union(Capsule(4.5f, 1, 4.5f, 11.5f, kLine), Capsule(4.5f, 11.5f, 15, 11.5f, kLine)), kInk);
  l.Fill(Union(Capsule(1, 4.5f, 11.5f, 4.5f, kLine), Capsule(11.5f, 4.5f, 11.5f, 15, kLine)), kBrass);
}

void Define(TLayer& l) {
  l.Fill(Stroke(RoundRect(1.5f, 1.5f, 11, 14.5f, 1), 1.2f), kInk);
  for (float y : {5.0f, 8.0f, 11.0f}) l.Fill(Capsule(4, y, 8.5f, y, 0.5f), kDim);
  // A pencil across the sheet's corner.
  l.Fill(Capsule(14.2f, 4.5f, 8.8f, 11.8f, 2.0f), kBack);
  l.Fill(Capsule(14.2f, 4.5f, 9.4f, 11, 1.3f), kBrass);
  l.Fill(Polygon({{7.6f, 10.2f}, {10.2f, 12.1f}, {7.2f, 14.4f}}), kInk);
}

void Today(TLayer& l) {
  l.Fill(RoundRect(1.5f, 3, 14.5f, 15, 1.5f), kBack);
  l.Fill(Stroke(RoundRect(1.5f, 3, 14.5f, 15, 1.5f), 1.2f), kInk);
  l.Fill(RoundRect(1.5f, 3, 14.5f, 6.5f, 1.5f), kInk);
  for (float x : {5.0f, 11.0f}) l.Fill(Capsule(x, 1.5f, x, 4.5f, 0.8f), kBrassLight);
  for (float y : {9.0f, 12.0f})
    for (float x : {4.5f, 7.0f, 9.5f}) l.Fill(Circle(x, y, 0.8f), kDim);
  l.Fill(RoundRect(10.5f, 10.5f, 13.5f, 13.5f, 0.5f), kBrass);
}

void OpenFolder(TLayer& l) {
  l.Fill(Union(RoundRect(1, 2.5f, 7, 6, 1), RoundRect(1, 4, 13.5f, 14, 1)), kBrassDark);
  l.Fill(Polygon({{3.5f, 7.5f}, {15.5f, 7.5f}, {13, 14}, {1, 14}}), kBrassLight);
}

void Address(TLayer& l) {
  // Two chain links on the diagonal.
  const TSdf a = Turned(Stroke(RoundRect(0.5f, 5.25f, 9.5f, 10.75f, 2.75f), 1.3f), 8, 8, -45);
  const TSdf b = Turned(Stroke(RoundRect(6.5f, 5.25f, 15.5f, 10.75f, 2.75f), 1.3f), 8, 8, -45);
  l.Fill(a, kInk);
  l.Fill(b, kBrassLight);
}

// Coins with a currency sign in dark ink.
void Coin(TLayer& l, const TSdf& sign) {
  l.Fill(Circle(8, 8, 7.5f), Rgb(pal::kBrassDark));
  l.Fill(Circle(8, 8, 6.5f), VerticalGradient(kBrassLight, kBrass, 1, 15));
  l.Fill(sign, Rgb(pal::kTextDark));
}

constexpr float kSign = 0.7f;

TSdf Euro() {
  return Union(Arc(9, 8, 3.8f, 45, 315, kSign),
               Union(Capsule(4, 7, 8.5f, 7, 0.55f), Capsule(4, 9.3f, 8.5f, 9.3f, 0.55f)));
}

TSdf Yen() {
  return Union(Union(Capsule(5, 3.8f, 8, 8, kSign), Capsule(11, 3.8f, 8, 8, kSign)),
               Union(Capsule(8, 8, 8, 12.5f, kSign),
                     Union(Capsule(5.5f, 8.8f, 10.5f, 8.8f, 0.55f), Capsule(5.5f, 10.8f, 10.5f, 10.8f, 0.55f))));
}

TSdf Zloty() {
  const TSdf z = Union(Union(Capsule(3.5f, 6.5f, 7, 6.5f, 0.6f), Capsule(7, 6.5f, 3.5f, 11.5f, 0.6f)),
                       Capsule(3.5f, 11.5f, 7.2f, 11.5f, 0.6f));
  const TSdf l = Union(Capsule(10.5f, 3.5f, 10.5f, 11.5f, 0.6f), Capsule(9, 8.8f, 12.2f, 6.4f, 0.55f));
  return Union(z, l);
}

TSdf Pound() {
  return Union(Union(Arc(9.6f, 6.2f, 2.4f, 180, 20, kSign), Capsule(7.2f, 6.2f, 7.2f, 11.5f, kSign)),
               Union(Capsule(5, 8.8f, 9.8f, 8.8f, 0.55f), Capsule(5, 11.6f, 11.5f, 11.6f, kSign)));
}

TSdf Dollar() {
  return Union(Union(Arc(8, 6.1f, 2.2f, 90, 330, kSign), Arc(8, 10.5f, 2.2f, 270, 150, kSign)),
               Capsule(8, 2.6f, 8, 14, 0.5f));
}

void SwissFranc(TLayer& l) {
  l.Fill(Circle(8, 8, 7.5f), Rgb(pal::kBrassDark));
  l.Fill(Circle(8, 8, 6.5f), VerticalGradient(kBrassLight, kBrass, 1, 15));
  l.Fill(RoundRect(3.5f, 3.5f, 12.5f, 12.5f, 1.2f), kRed);
  l.Fill(Union(RoundRect(7, 5, 9, 11, 0.2f), RoundRect(5, 7, 11, 9, 0.2f)), Rgb(0xFFFFFF));
}

// A faint dark rim one pixel round the drawing keeps the light lines legible
// on a light menu too (an unskinned one) and vanishes on the skin's dark menus.
TLayer WithHalo(const TLayer& icon) {
  const int w = icon.Width(), h = icon.Height();
  const auto inside = [w, h](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h; };
  const auto cell = [](float v) { return static_cast<int>(v); };
  TLayer out(w, h);
  out.Fill([](float, float) { return -0.5f; },
           [&](float x, float y) {
             float a = 0;
             for (int dy = -1; dy <= 1; ++dy)
               for (int dx = -1; dx <= 1; ++dx)
                 if (inside(cell(x) + dx, cell(y) + dy)) a = std::max(a, icon.At(cell(x) + dx, cell(y) + dy).a);
             return Rgb(pal::kLineDark, 0.4f * a);
           });
  out.Fill([](float, float) { return -0.5f; }, [&](float x, float y) { return icon.At(cell(x), cell(y)); });
  return out;
}

}  // namespace

TLayer MenuIcon(int index) {
  static const std::function<void(TLayer&)> kIcons[kMenuIconCount] = {
      Undo,    Cut,     Copy,         Paste, Delete, SelectAll, Globe, Clear, Crop, Define, Today, OpenFolder, Address,
      [](TLayer& l) { Coin(l, Euro()); },
      [](TLayer& l) { Coin(l, Yen()); },
      [](TLayer& l) { Coin(l, Zloty()); },
      [](TLayer& l) { Coin(l, Pound()); },
      [](TLayer& l) { Coin(l, Dollar()); },
      SwissFranc,
  };
  if (index < 0 || index >= kMenuIconCount) throw std::out_of_range("menu icon index");
  TLayer icon(kMenuIconSize, kMenuIconSize);
  kIcons[index](icon);
  return WithHalo(icon);
}

}  // namespace glyphgen
