// Measuring and drawing of owner-drawn menu items: the item's events when
// set, else a plain look close to the system's own menus.
#include <algorithm>

#include "classlib/menus/ImageList.h"
#include "classlib/menus/Menus.h"

namespace classlib {
namespace {

constexpr int kMargin = 2;
constexpr int kSpacing = 8;

// The glyph column: the image list's or the item bitmap's size, else 16 x 16.
TSize GlyphSize(const TMenuItem& item) {
  if (item.HasBitmap()) return {item.Bitmap()->Width(), item.Bitmap()->Height()};
  if (const TCustomImageList* images = item.GetImageList()) return {images->Width(), images->Height()};
  return {16, 16};
}

}  // namespace

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  const TSize text = canvas.TextExtent(caption_.empty() ? L"W" : caption_);
  if (IsTopLineItem()) {
    width = text.cx + 2 * kMargin;
    height = GetSystemMetrics(SM_CYMENU) - 1;
  } else if (IsLine()) {
    width = 0;
    height = GetSystemMetrics(SM_CYMENU) / 2;
  } else {
    const TSize glyph = GlyphSize(*this);
    const std::wstring shortCut = ShortCutToText(shortCut_);
    width = glyph.cx + 3 * kMargin + kSpacing + text.cx;
    if (!shortCut.empty()) width += kSpacing * 2 + canvas.TextWidth(shortCut);
    height = std::max(text.cy, glyph.cy) + 2 * kMargin;
  }
  if (onMeasureItem_) onMeasureItem_(this, &canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas& canvas, const TRect& rect, TOwnerDrawState state, bool topLevel) {
  if (onAdvancedDrawItem_) onAdvancedDrawItem_(this, &canvas, rect, state);
  else if (onDrawItem_) onDrawItem_(this, &canvas, rect, state.Contains(odSelected));
  else DrawDefault(canvas, rect, state, topLevel);
}

void TMenuItem::DrawDefault(TCanvas& canvas, const TRect& rect, TOwnerDrawState state, bool topLevel) {
  const HDC dc = canvas.Handle();
  const bool selected = state.Contains(odSelected) || state.Contains(odHotLight);
  RECT r = ToRECT(rect);
  FillRect(dc, &r, GetSysColorBrush(selected && !IsLine() ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line = r;
    line.top += (r.bottom - r.top) / 2;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const HGDIOBJ oldFont = SelectObject(dc, canvas.Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!enabled_ ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  const UINT prefix = state.Contains(odNoAccel) ? DT_HIDEPREFIX : 0;
  if (topLevel) {
    DrawTextW(dc, caption_.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | prefix);
    SelectObject(dc, oldFont);
    return;
  }
  const TSize glyph = GlyphSize(*this);
  const int glyphLeft = rect.Left + kMargin;
  const int glyphTop = rect.Top + (rect.Height() - glyph.cy) / 2;
  TCustomImageList* images = GetImageList();
  if (HasBitmap()) {
    canvas.Draw(glyphLeft, glyphTop, bitmap_);
  } else if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
    images->Draw(canvas, glyphLeft, glyphTop, imageIndex_, enabled_);
  } else if (checked_) {
    RECT mark = {glyphLeft, glyphTop, glyphLeft + glyph.cx, glyphTop + glyph.cy};
    DrawFrameControl(dc, &mark, DFC_MENU, radioItem_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
  RECT text = r;
  text.left = glyphLeft + glyph.cx + kMargin + kSpacing;
  text.right -= kSpacing;
  DrawTextW(dc, caption_.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | prefix);
  const std::wstring shortCut = ShortCutToText(shortCut_);
  if (!shortCut.empty()) DrawTextW(dc, shortCut.c_str(), -1, &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
}

}  // namespace classlib
