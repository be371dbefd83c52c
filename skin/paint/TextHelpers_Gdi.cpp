#include "skin/paint/TextHelpers_Gdi.h"

#include "classlib/graphics/Canvas.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/SectionLookup.h"
#include "skin/paint/TextCut.h"

namespace skin::paint {

using classlib::Point;
using classlib::Rect;

using classlib::ToRECT;

std::int32_t acDrawText(HDC dc, const std::wstring& text, TRect& r, std::uint32_t flags) {
  RECT rect = ToRECT(r);
  const int height = DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
  r = classlib::FromRECT(rect);
  return height;
}

classlib::TSize GetTextSize(HFONT font, const std::wstring& text) {
  const HDC screen = GetDC(nullptr);
  if (!screen) return {};
  const HGDIOBJ old = font ? SelectObject(screen, font) : nullptr;
  SIZE size{};
  const bool measured = GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size) != 0;
  if (old) SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return measured ? classlib::TSize{size.cx, size.cy} : classlib::TSize{};
}

std::wstring CutTextToWidth(classlib::TCanvas* canvas, const std::wstring& text, std::int32_t maxWidth) {
  if (!canvas) return {};
  return CutTextToWidth(text, maxWidth,
                        [canvas](std::wstring_view t) { return canvas->TextWidth(std::wstring(t)); });
}

namespace {

void DrawIn(classlib::TCanvas* canvas, const TSkinTextParams& p, TColor color, std::int32_t dx, std::int32_t dy) {
  canvas->Font()->SetColor(color);
  TRect r = Rect(p.R.Left + dx, p.R.Top + dy, p.R.Right + dx, p.R.Bottom + dy);
  acDrawText(canvas->Handle(), p.Text, r, p.Flags);
}

}  // namespace

void PaintSkinText(classlib::TCanvas* canvas, const TSkinTextParams& p) {
  if (!canvas || p.Text.empty()) return;
  const TColor ownColor = canvas->Font()->Color();
  SetBkMode(canvas->Handle(), TRANSPARENT);
  const TsGeneralData* section = SectionOf(p.SkinManager, p.SkinIndex);
  if (!section) {
    DrawIn(canvas, p, ownColor, 0, 0);
  } else if (!p.Enabled) {
    DrawIn(canvas, p, MixColors(section->Props[0].FontColor, section->Color, 0.4), 0, 0);
  } else {
    const TsGenState& state = section->Props[p.State >= 1 ? 1 : 0];
    for (const TContourSide& side : kContourSides)
      if (state.TextColors[side.Index] != -1) DrawIn(canvas, p, state.TextColors[side.Index], side.Dx, side.Dy);
    DrawIn(canvas, p, state.FontColor, 0, 0);
  }
  canvas->Font()->SetColor(ownColor);
}

}  // namespace skin::paint
