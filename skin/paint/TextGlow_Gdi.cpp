#include "skin/paint/TextGlow_Gdi.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "classlib/graphics/Bitmap.h"
#include "skin/paint/GlowMask.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin::paint {

using classlib::Point;
using classlib::Rect;

namespace {

TPixelView ViewOf8(classlib::TBitmap* bmp) {
  if (!bmp || bmp->PixelFormat() != classlib::pf8bit || bmp->Empty()) return {};
  return MakeView(bmp->ScanLine(0), bmp->Width(), bmp->Height(), -static_cast<std::ptrdiff_t>(bmp->RowBytes()), 1);
}

// The text black on white with its side copies, then blurred.
void DrawGlowMask(classlib::TBitmap* dst, classlib::TBitmap* mask, const TTextGlowParams& p, std::int32_t border) {
  classlib::TCanvas* c = mask->Canvas();
  c->Brush()->SetColor(classlib::clWhite);
  c->Brush()->SetStyle(classlib::bsSolid);
  c->FillRect(Rect(0, 0, mask->Width(), mask->Height()));
  c->SetFont(dst->Canvas()->Font());
  c->Font()->SetColor(classlib::clBlack);
  c->Brush()->SetStyle(classlib::bsClear);
  SetBkMode(c->Handle(), TRANSPARENT);
  const TRect text = Rect(border, border, border + p.R.Width(), border + p.R.Height());
  constexpr struct {
    std::int32_t bit, dx, dy;
  } kSides[] = {{1, -1, 0}, {2, 0, -1}, {4, 1, 0}, {8, 0, 1}};
  for (const auto& side : kSides) {
    if (!(p.Sides & side.bit)) continue;
    TRect r = Rect(text.Left + side.dx, text.Top + side.dy, text.Right + side.dx, text.Bottom + side.dy);
    acDrawText(c->Handle(), p.Text, r, p.Flags);
  }
  TRect r = text;
  acDrawText(c->Handle(), p.Text, r, p.Flags);
  GdiFlush();  // the blur reads the pixels next
  BlurGlowMask(ViewOf8(mask), p.Size);
}

}  // namespace

void PaintTextGlow(classlib::TBitmap* dst, TGlowMask& mask, const TTextGlowParams& p) {
  // A radius below 1 has no spread, and the blur's weights would divide by it.
  if (!ViewOf(dst).Is32() || p.Text.empty() || p.R.IsEmpty() || p.Size < 1) return;
  const std::int32_t border = p.Size + 4;
  const std::int32_t w = p.R.Width() + 2 * border, h = p.R.Height() + 2 * border;
  classlib::TBitmap* bmp = mask.Bmp.get();
  const bool same = bmp && bmp->Width() == w && bmp->Height() == h && bmp->PixelFormat() == classlib::pf8bit &&
                    mask.Text == p.Text && mask.Flags == p.Flags && mask.Sides == p.Sides;
  if (!same) {
    if (!bmp) mask.Bmp = std::make_unique<classlib::TBitmap>();
    bmp = mask.Bmp.get();
    bmp->SetPixelFormat(classlib::pf8bit);
    bmp->SetSize(w, h);
    DrawGlowMask(dst, bmp, p, border);
    mask.Text = p.Text;
    mask.Flags = p.Flags;
    mask.Sides = p.Sides;
  }
  GdiFlush();
  // The text's place is R moved by one pixel right and down.
  CompositeGlow(ViewOf(dst), ViewOf8(bmp), Point(p.R.Left + 1 - border, p.R.Top + 1 - border),
                classlib::ColorToRGB(p.Color));
}

void PaintWhiteHighlight(classlib::TBitmap* bmp, const TRect& r, std::int32_t percent, TColor color,
                         std::int32_t depth, std::int32_t radius) {
  const std::int32_t w = r.Width(), h = r.Height();
  if (!ViewOf(bmp).Is32() || w <= 0 || h <= 0) return;
  const std::int32_t half = std::min(w / 2, h / 2);
  const std::int32_t d = std::clamp(depth, 0, half);
  const std::int32_t rc = std::clamp(radius, 0, half);
  const std::int32_t light = std::clamp(percent, 0, 100) * 255 / 100;
  const double step = static_cast<double>(255 - light) / (d + 1);

  const std::unique_ptr<classlib::TBitmap> copy(NewBitmap32(w, h));
  const std::unique_ptr<classlib::TBitmap> mask(NewBitmap32(w, h));
  BitBlt(copy->Canvas()->Handle(), 0, 0, w, h, bmp->Canvas()->Handle(), r.Left, r.Top, SRCCOPY);

  classlib::TCanvas* m = mask->Canvas();
  m->Pen()->SetStyle(classlib::psClear);
  m->Brush()->SetStyle(classlib::bsSolid);
  // Without a pen GDI leaves a rounded rectangle's last column and row
  // unfilled: one more pixel each way covers the whole ring.
  TColor current = classlib::clWhite;
  for (std::int32_t i = 0; i <= d; ++i) {
    m->Brush()->SetColor(current);
    m->RoundRect(i, i, w - i + 1, h - i + 1, rc, rc);
    const auto g = static_cast<std::uint8_t>(std::lrint((d - i) * step) + light);
    current = g | g << 8 | g << 16;
  }
  m->Brush()->SetColor(current);  // the grey of Percent
  m->RoundRect(d, d, w - d + 1, h - d + 1, d, d);
  GdiFlush();  // the mask's pixels are read next
  BlendColorByMask(copy.get(), mask.get(), color);
  BitBlt(bmp->Canvas()->Handle(), r.Left, r.Top, w, h, copy->Canvas()->Handle(), 0, 0, SRCCOPY);
}

}  // namespace skin::paint
