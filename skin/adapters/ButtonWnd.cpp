#include "skin/adapters/ButtonWnd.h"

#include <algorithm>

#include "classlib/controls/BitBtn.h"
#include "classlib/controls/WinControl.h"
#include "skin/adapters/AdapterKinds.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/HotWindow.h"
#include "skin/adapters/ScrollWnd.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlImages.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/ParentBackground.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/SkinDataText.h"
#include "skin/core/MaskValue.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ButtonLayout.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/GlowWindows_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr double kDisabledRatio = 0.4;
constexpr UINT CM_TEXTCHANGED_ = 0xB012;
constexpr UINT CM_EXIT_ = 0xB01B;

bool Visible(HWND wnd) { return IsWindowVisible(wnd) != FALSE; }
LONG_PTR StyleOf(HWND wnd) { return GetWindowLongPtrW(wnd, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND wnd) { return GetWindowLongPtrW(wnd, GWL_EXSTYLE); }
LRESULT ButtonState(HWND wnd) { return SendMessageW(wnd, BM_GETSTATE, 0, 0); }

bool CursorIn(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return PtInRect(&r, ScrollPlatform().CursorPos()) != FALSE;
}

// The colour behind a window whose parent gives no image.
TColor FillColourOf(const TacCacheInfo& ci, HWND wnd) {
  return ci.FillColor == kSkinKeyColor ? GetWndColor(GetParent(wnd)) : ci.FillColor;
}

// Part R of the cache from what lies behind the window.
void CopyParentArea(TBitmap* cache, const TacCacheInfo& ci, HWND wnd, POINT pos, const RECT& r) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  if (ci.Ready && ci.Bmp) {
    BitBlt(cache->Canvas()->Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, ci.Bmp->Canvas()->Handle(),
           pos.x + ci.X + r.left, pos.y + ci.Y + r.top, SRCCOPY);
  } else {
    paint::FillRectColor(cache->Canvas()->Handle(), TRect{r.left, r.top, r.right, r.bottom}, FillColourOf(ci, wnd));
  }
}

void SetWindowFont(TCanvas* canvas, TControl* owner) {
  if (owner) canvas->SetFont(owner->Font());
  else SetSystemFont(canvas, 5);
}

}  // namespace

// --- TacBtnWnd

TacBtnWnd::~TacBtnWnd() { UndoBinding(); }

void TacBtnWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                       TsCommonData* skinData) {
  TacMainWnd::Create(handle, repaint, skinSection.empty() ? std::wstring(L"BUTTON") : skinSection, skinManager,
                     skinData);
}

bool TacBtnWnd::Down() const { return (ButtonState(CtrlHandle) & BST_PUSHED) != 0; }

int TacBtnWnd::CtlState() {
  if (Down()) {
    paint::CloseAllGlows(false);
    return 2;
  }
  if (!IsWindowEnabled(CtrlHandle)) return 0;
  if (GetFocus() == CtrlHandle || IsHotWindow(CtrlHandle) ||
      IsDefaultPushStyle(static_cast<std::uint32_t>(StyleOf(CtrlHandle))))
    return 1;
  return 0;
}

void TacBtnWnd::Repaint() { RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

void TacBtnWnd::TextSize(SIZE& size) {
  RECT r{0, 0, MaxCaptionWidth() + 2, 0};
  UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_CENTER;
  if (!(StyleOf(CtrlHandle) & BS_MULTILINE)) flags |= DT_WORDBREAK;
  DrawTextW(SkinData->CacheBmp()->Canvas()->Handle(), Caption.c_str(), static_cast<int>(Caption.size()), &r, flags);
  size = SIZE{std::max<LONG>(0, r.right - r.left), std::max<LONG>(0, r.bottom - r.top)};
}

int TacBtnWnd::MaxCaptionWidth() {
  if (Caption.empty()) return 0;
  SIZE glyph{};
  GlyphSize(glyph);
  return glyph.cx != 0 ? std::max(0, Width() - static_cast<int>(glyph.cx)) : Width() + 1;
}

void TacBtnWnd::CaptionRect(RECT& r) {
  SIZE text{};
  TextSize(text);
  const int dx = (Width() - static_cast<int>(text.cx)) / 2, dy = (Height() - static_cast<int>(text.cy)) / 2;
  r = RECT{dx - 1, dy, Width() - dx + 2, Height() - dy};
  if (Down()) OffsetRect(&r, 1, 1);
}

void TacBtnWnd::WriteText(RECT& r, UINT flags) {
  PaintSkinDataText(SkinData->CacheBmp()->Canvas(), Caption, true, CtlState() != 0, *SkinData, flags,
                    TRect{r.left, r.top, r.right, r.bottom});
}

void TacBtnWnd::DrawCaption() {
  TCanvas* canvas = SkinData->CacheBmp()->Canvas();
  SetWindowFont(canvas, SkinData->OwnerControl());
  RECT r{};
  CaptionRect(r);
  UINT flags = DT_CENTER | DT_EXPANDTABS;
  // A single-line button breaks a caption too long for it at words; a
  // multi-line one takes its lines as they are.
  if (!(StyleOf(CtrlHandle) & BS_MULTILINE)) flags |= DT_WORDBREAK;
  if (ExStyleOf(CtrlHandle) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
  SetBkMode(canvas->Handle(), TRANSPARENT);
  WriteText(r, flags);
  const TsGeneralData* section = SkinData->Section();
  if (IsWindowEnabled(CtrlHandle) && (ButtonState(CtrlHandle) & BST_FOCUS) && !Caption.empty() && section &&
      section->ShowFocus)
    paint::DrawDottedRect(canvas, TRect{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}, clBtnFace, clBlack);
}

void TacBtnWnd::FadeDisabled(const TacCacheInfo& ci) {
  TBitmap* cache = SkinData->CacheBmp();
  if (ci.Ready && ci.Bmp) {
    const int x = ci.X + WndPos.x, y = ci.Y + WndPos.y;
    paint::BlendTransRect(cache, 0, 0, kSkinKeyColor, kDisabledRatio,
                          TRect{x, y, x + cache->Width() - 1, y + cache->Height() - 1}, ci.Bmp);
  } else {
    paint::FadeBmpToColor(cache, FillColourOf(ci, CtrlHandle), kDisabledRatio);
  }
}

void TacBtnWnd::PrepareCache() {
  GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
  TacCacheInfo ci = EmptyCacheInfo;
  GetParentCacheHwnd(CtrlHandle, ci);
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || Width() <= 0 || Height() <= 0) return;
  cache->SetSize(Width(), Height());
  PaintSectionItem(*SkinData, ci, true, CtlState(), TRect{0, 0, Width(), Height()}, TPoint{WndPos.x, WndPos.y},
                   cache, true);
  DrawCaption();
  DrawGlyph();
  if (!IsWindowEnabled(CtrlHandle)) FadeDisabled(ci);
  SkinData->BGChanged = false;
}

void TacBtnWnd::Paint(HDC given) {
  PAINTSTRUCT ps{};
  BeginPaint(CtrlHandle, &ps);
  if (!SkinData->Updating() && !AnimationRunning()) {
    HDC dc = given ? given : GetDC(CtrlHandle);
    SkinData->BGChanged = true;
    PrepareCache();
    CopyCacheTo(SkinData, dc);
    if (!given) ReleaseDC(CtrlHandle, dc);
  }
  EndPaint(CtrlHandle, &ps);
}

void TacBtnWnd::RedrawOffAround(TMessage& message, bool previousOnly) {
  SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
  if (previousOnly) CallPrev(message);
  else TacMainWnd::AdapterWndProc(message);
  SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
}

void TacBtnWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  if (message.Msg == SkinCommandMessage) {
    switch (SkinCommandCode(message.WParam)) {
      case scEndUpdate:
        if (!SkinData->OwnUpdating()) break;
        SkinData->SetUpdating(false);
        if (!SkinData->Updating())
          RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        return;
      case scMouseEnter:
        if (!CursorIn(CtrlHandle)) return;
        if (!SkinData->FMouseAbove && IsHotWindow(CtrlHandle)) {
          SkinData->FMouseAbove = true;
          SkinData->BGChanged = true;
          SkinData->SetUpdating(false);
          Repaint();
          UpdateGlow(SkinData, false, CtrlHandle);
        }
        break;
      case scMouseLeave:
        if (SkinData->FMouseAbove) {
          paint::CloseAllGlows(false);
          SkinData->FMouseAbove = false;
          SkinData->SetUpdating(false);
          SkinData->BGChanged = true;
          Repaint();
        }
        break;
      default:
        break;
    }
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  const bool visible = Visible(CtrlHandle);
  switch (message.Msg) {
    case WM_MOVE: {
      const TsGeneralData* section = SkinData->Section();
      if (section && (section->Transparency >= 1 || (SkinData->IsHot() && section->HotTransparency >= 1))) {
        SkinData->BGChanged = true;
        Repaint();
      }
      break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!IsWindowEnabled(CtrlHandle)) break;
      RedrawOffAround(message, false);
      SkinData->FFocused = message.Msg == WM_SETFOCUS;
      SkinData->BGChanged = true;
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
      return;
    case WM_ENABLE:
    case WM_SETTEXT:
      if (!visible) break;
      RedrawOffAround(message, false);
      SkinData->BGChanged = true;
      Repaint();
      return;
    case BM_SETSTATE:
      if (!visible) break;
      RedrawOffAround(message, true);
      SkinData->BGChanged = true;
      Repaint();
      return;
    case WM_PAINT:
      if (!visible && !(SkinData->CtrlSkinState & StatePrinting)) break;
      if (!ParamsChanged) ApplySkinParams();
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_PRINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
      message.Result = 1;
      return;
    case WM_MOUSEHOVER:
      SendSkinCommandToWnd(CtrlHandle, scMouseEnter, 0);
      break;
    case WM_MOUSELEAVE:
      if (IsHotWindow(CtrlHandle))
        if (TsSkinManager* manager = TsSkinManager::DefaultManager()) SetHotWindow(*manager, nullptr);
      break;
    default:
      break;
  }
  const UINT msg = message.Msg;
  TacMainWnd::AdapterWndProc(message);
  if (msg == WM_MOUSEMOVE && !Destroyed) TrackHotByCursor(CtrlHandle, ScrollPlatform().CursorPos());
}

// --- TacBitBtnWnd

namespace {

TBitBtn* BitBtnOf(const TsCommonData* skinData) { return dynamic_cast<TBitBtn*>(skinData->OwnerControl()); }

bool HasGlyph(const TBitBtn* button) { return button->Glyph() && !button->Glyph()->Empty(); }

SIZE RawGlyphSize(HWND wnd) {
  auto bmp = reinterpret_cast<HBITMAP>(SendMessageW(wnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
  BITMAP info{};
  if (!bmp || GetObjectW(bmp, sizeof(info), &info) != static_cast<int>(sizeof(info))) return SIZE{0, 0};
  return SIZE{info.bmWidth, std::abs(info.bmHeight)};
}

}  // namespace

void TacBitBtnWnd::GlyphSize(SIZE& size) {
  if (TBitBtn* button = BitBtnOf(SkinData)) {
    size = HasGlyph(button) ? SIZE{button->Glyph()->Width() / std::max(1, button->NumGlyphs()),
                                   button->Glyph()->Height()}
                            : SIZE{0, 0};
    return;
  }
  size = RawGlyphSize(CtrlHandle);
}

int TacBitBtnWnd::MaxCaptionWidth() {
  TBitBtn* button = BitBtnOf(SkinData);
  if (!button) return TacBtnWnd::MaxCaptionWidth();
  if (Caption.empty()) return 0;
  SIZE glyph{};
  GlyphSize(glyph);
  int width = button->Width() - 2 * button->Margin();
  if ((button->Layout() == blGlyphLeft || button->Layout() == blGlyphRight) && glyph.cy != 0)
    width -= glyph.cx + button->Spacing();
  return width;
}

void TacBitBtnWnd::CaptionRect(RECT& r) {
  TBitBtn* button = BitBtnOf(SkinData);
  SIZE glyph{};
  GlyphSize(glyph);
  if (!button) {
    TacBtnWnd::CaptionRect(r);
    if (glyph.cx > 0) OffsetRect(&r, glyph.cx / 2 + 1, 0);
    return;
  }
  SIZE text{};
  TextSize(text);
  paint::TButtonLayoutParams p;
  p.Client = TRect{0, 0, Width(), Height()};
  p.GlyphSize = TPoint{glyph.cx, glyph.cy};
  p.TextSize = TPoint{text.cx, text.cy};
  p.Layout = button->Layout();
  p.Margin = 0;
  p.Spacing = 0;
  p.Alignment = taCenter;
  const paint::TButtonLayoutResult placed = paint::CalcButtonLayout(p);
  r = RECT{placed.TextBounds.Left, placed.TextBounds.Top, placed.TextBounds.Right, placed.TextBounds.Bottom};
  if (CtlState() == 2) OffsetRect(&r, 1, 1);
}

RECT TacBitBtnWnd::GlyphRect() {
  SIZE glyph{};
  GlyphSize(glyph);
  const int gw = glyph.cx, gh = glyph.cy;
  const bool pressed = CtlState() == 2;
  TBitBtn* button = BitBtnOf(SkinData);
  if (!button) {
    if (gw <= 0) return RECT{0, 0, 0, 0};
    RECT caption{};
    CaptionRect(caption);
    const int top = (Height() - gh) / 2 + (pressed ? 1 : 0);
    return RECT{caption.left - 2 - gw, top, caption.left - 2, top + gh};
  }
  SIZE text{};
  if (!Caption.empty()) TextSize(text);
  const int tw = text.cx, th = text.cy;
  const int sp = gw > 0 && !Caption.empty() ? button->Spacing() : 0;
  int x = 0, y = 0;
  switch (button->Layout()) {
    case blGlyphLeft:
      x = (Width() - gw - tw - sp) / 2;
      y = (Height() - gh) / 2;
      break;
    case blGlyphRight:
      x = (Width() - gw + sp + tw) / 2;
      y = (Height() - gh) / 2;
      break;
    case blGlyphTop:
      x = (Width() - gw) / 2 + 1;
      y = (Height() - gh - th - sp) / 2;
      break;
    default:
      x = (Width() - gw) / 2 + 1;
      y = Height() - (Height() - gh - th - sp) / 2 - gh;
      break;
  }
  if (pressed) {
    ++x;
    ++y;
  }
  return RECT{x, y, x + gw, y + gh};
}

void TacBitBtnWnd::DrawGlyph() {
  TBitBtn* button = BitBtnOf(SkinData);
  if (!button || !HasGlyph(button)) return;
  const RECT g = GlyphRect();
  TBitmap* cache = SkinData->CacheBmp();
  TBitmap* glyph = button->Glyph();
  if (button->NumGlyphs() <= 1 && glyph->PixelFormat() == pf32bit) {
    // The glyph's own alpha decides what shows of the face under it.
    paint::CopyAlphaBitmap(TRect{g.left, g.top, g.right, g.bottom}, TRect{0, 0, glyph->Width(), glyph->Height()},
                           cache, glyph, EmptyCacheInfo, false, clNone, 0, false);
    return;
  }
  paint::PaintBitmapGlyph(glyph, cache, TRect{g.left, g.top, g.right, g.bottom}, 0, Down(), 0, CtlState(), 0,
                          button->Enabled(), button->NumGlyphs());
}

// --- TacCheckBoxWnd

TacCheckBoxWnd::~TacCheckBoxWnd() { UndoBinding(); }

void TacCheckBoxWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                            TsCommonData* skinData) {
  TacMainWnd::Create(handle, repaint, skinSection.empty() ? std::wstring(L"CHECKBOX") : skinSection, skinManager,
                     skinData);
  OwnerDrawn = ButtonAdapterOf(static_cast<std::uint32_t>(StyleOf(handle))) == TButtonAdapter::OwnerDrawn;
}

int TacCheckBoxWnd::CheckState() const {
  const LRESULT state = ButtonState(CtrlHandle);
  if (state & BST_INDETERMINATE) return 2;
  return (state & BST_CHECKED) ? 1 : 0;
}

int TacCheckBoxWnd::CheckMaskIndex(LONG_PTR style) const {
  if (!SkinManager) return -1;
  const bool radio = ButtonAdapterOf(static_cast<std::uint32_t>(style)) == TButtonAdapter::Radio;
  static const wchar_t* const kRadio[3] = {L"RADIOUNCHECKED", L"RADIOCHECKED", L"BOXGRAYED"};
  static const wchar_t* const kBox[3] = {L"BOXUNCHECKED", L"BOXCHECKED", L"BOXGRAYED"};
  const int globalInfo = SkinManager->GetSkinIndex(L"GLOBALINFO");
  return SkinManager->GetMaskIndex(globalInfo, L"GLOBALINFO", (radio ? kRadio : kBox)[CheckState()]);
}

bool TacCheckBoxWnd::Hot() const { return SkinData->IsHot() || IsHotWindow(CtrlHandle); }

void TacCheckBoxWnd::PrepareCache() {
  const LONG_PTR style = StyleOf(CtrlHandle);
  GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
  const int width = static_cast<int>(WndSize.x), height = static_cast<int>(WndSize.y);
  TacCacheInfo ci = EmptyCacheInfo;
  GetParentCacheHwnd(CtrlHandle, ci);
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || width <= 0 || height <= 0) return;
  cache->SetSize(width, height);
  TCanvas* canvas = cache->Canvas();
  SetSystemFont(canvas, 5);
  const bool hot = Hot();
  PaintSectionItem(*SkinData, ci, true, hot ? 1 : 0, TRect{0, 0, width, height}, TPoint{WndPos.x, WndPos.y}, cache,
                   true);

  // The box glyph's place: at the right with BS_LEFTTEXT, else at the left.
  const int mask = CheckMaskIndex(style);
  const TsMaskData* m = mask >= 0 && SkinManager->IsValidImgIndex(mask)
                            ? &SkinManager->Skin()->Masks[static_cast<std::size_t>(mask)]
                            : nullptr;
  int gw = 16, gh = 16;
  if (m) {
    gw = MaskFrameWidth(*m);
    gh = MaskFrameHeight(*m);
  }
  const int top = (height - gh) / 2;
  const bool leftText = (style & BS_LEFTTEXT) != 0;
  const RECT glyph = leftText ? RECT{width - gw, top, width, top + gh} : RECT{0, top, gw, top + gh};

  if (!Caption.empty()) {
    const bool multiLine = (style & BS_MULTILINE) != 0;
    const int cw = width - (gw + 2);
    RECT measured{0, 0, cw, 0};
    DrawTextW(canvas->Handle(), Caption.c_str(), static_cast<int>(Caption.size()), &measured,
              DT_CALCRECT | (multiLine ? DT_WORDBREAK : DT_SINGLELINE));
    const int textH = measured.bottom - measured.top, textW = measured.right - measured.left;
    const int t = std::max(0, (height - textH) / 2), b = height - t;
    RECT r{};
    UINT flags = multiLine ? DT_WORDBREAK : DT_SINGLELINE;
    if (leftText && (ExStyleOf(CtrlHandle) & WS_EX_RTLREADING)) {
      r = RECT{0, t, width - gw - 6, b};
      flags |= DT_RTLREADING | DT_RIGHT;
    } else if (leftText) {
      r = RECT{2, t, textW + 2, b};
    } else {
      r = RECT{width - cw + 2, t, width, b};
      OffsetRect(&r, multiLine ? -1 : 0, -1);
    }
    canvas->Brush()->SetStyle(bsClear);
    PaintSkinDataText(canvas, Caption, true, hot, *SkinData, flags, TRect{r.left, r.top, r.right, r.bottom});
    if (ButtonState(CtrlHandle) & BST_FOCUS)
      paint::DrawDottedRect(canvas, TRect{r.left - 1, r.top, r.right + 1, r.bottom}, clBtnFace, clBlack);
  }
  if (m && cache->Width() >= 1) {
    const LRESULT state = ButtonState(CtrlHandle);
    const int glyphState = (state & BST_PUSHED) ? 2 : ((state & BST_FOCUS) || IsHotWindow(CtrlHandle)) ? 1 : 0;
    paint::PaintMaskGlyph(cache, TPoint{glyph.left, glyph.top}, glyphState, 1, *m, MakeCacheInfo(cache, 0, 0));
  }
  if (!IsWindowEnabled(CtrlHandle)) {
    if (ci.Ready && ci.Bmp) {
      const int x = ci.X + WndPos.x, y = ci.Y + WndPos.y;
      paint::BlendTransRect(cache, 0, 0, kSkinKeyColor, kDisabledRatio, TRect{x, y, x + width - 1, y + height - 1},
                            ci.Bmp);
    } else {
      paint::FadeBmpToColor(cache, FillColourOf(ci, CtrlHandle), kDisabledRatio);
    }
  }
  SkinData->BGChanged = false;
}

void TacCheckBoxWnd::Paint(HDC given) {
  PAINTSTRUCT ps{};
  BeginPaint(CtrlHandle, &ps);
  if (!SkinData->Updating() && !OwnerDrawn && (given || Visible(CtrlHandle))) {
    HDC dc = given ? given : GetDC(CtrlHandle);
    SkinData->BGChanged = true;
    PrepareCache();
    CopyCacheTo(SkinData, dc);
    if (!given) ReleaseDC(CtrlHandle, dc);
  }
  EndPaint(CtrlHandle, &ps);
}

void TacCheckBoxWnd::EraseOwnerDrawn(HDC given) {
  HDC dc = given ? given : GetDC(CtrlHandle);
  TacCacheInfo ci = EmptyCacheInfo;
  GetParentCacheHwnd(CtrlHandle, ci);
  RECT r{};
  GetClientRect(CtrlHandle, &r);
  const POINT pos = PosInParent(CtrlHandle);
  if (ci.Ready && ci.Bmp)
    BitBlt(dc, 0, 0, r.right, r.bottom, ci.Bmp->Canvas()->Handle(), pos.x + ci.X, pos.y + ci.Y, SRCCOPY);
  else
    paint::FillRectColor(dc, TRect{0, 0, r.right, r.bottom}, FillColourOf(ci, CtrlHandle));
  if (!given) ReleaseDC(CtrlHandle, dc);
}

void TacCheckBoxWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  if (message.Msg == SkinCommandMessage) {
    const std::uint16_t code = SkinCommandCode(message.WParam);
    if (code == scMouseEnter || code == scMouseLeave) {
      SkinData->SetUpdating(false);
      SendMessageW(CtrlHandle, WM_PAINT, 0, 0);
    }
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_NCPAINT:
      message.Result = 0;
      return;
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
      if (OwnerDrawn) EraseOwnerDrawn(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_ENABLE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case CM_TEXTCHANGED_:
      if (!Visible(CtrlHandle)) break;
      SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      TacMainWnd::AdapterWndProc(message);
      SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
      SendMessageW(CtrlHandle, WM_PAINT, 0, 0);
      return;
    default:
      break;
  }
  const UINT msg = message.Msg;
  const WPARAM wParam = message.WParam;
  TacMainWnd::AdapterWndProc(message);
  if (Destroyed) return;
  switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      SendMessageW(CtrlHandle, WM_PAINT, 0, 0);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (wParam == VK_SPACE) SendMessageW(CtrlHandle, WM_PAINT, 0, 0);
      break;
    case WM_NCHITTEST:
      if (IsWindowEnabled(CtrlHandle) && !IsHotWindow(CtrlHandle))
        if (TsSkinManager* manager = TsSkinManager::DefaultManager()) SetHotWindow(*manager, CtrlHandle);
      break;
    default:
      break;
  }
}

// --- TacGroupBoxWnd

TacGroupBoxWnd::~TacGroupBoxWnd() { UndoBinding(); }

void TacGroupBoxWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                            TsCommonData* skinData) {
  TacMainWnd::Create(handle, repaint, skinSection.empty() ? std::wstring(L"GROUPBOX") : skinSection, skinManager,
                     skinData);
}

void TacGroupBoxWnd::SelectFont(TCanvas* canvas) { SetWindowFont(canvas, SkinData->OwnerControl()); }

RECT TacGroupBoxWnd::CaptionBand() {
  RECT window{};
  GetWindowRect(CtrlHandle, &window);
  const int width = window.right - window.left;
  SIZE text{0, 0};
  if (!Caption.empty()) {
    HDC dc = CreateCompatibleDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    SelectFont(&canvas);
    RECT r{0, 0, 0, 0};
    DrawTextW(canvas.Handle(), Caption.c_str(), static_cast<int>(Caption.size()), &r, DT_CALCRECT | DT_CENTER);
    text = SIZE{r.right - r.left, r.bottom - r.top};
    canvas.SetHandle(nullptr);
    DeleteDC(dc);
  }
  const int left = (ExStyleOf(CtrlHandle) & WS_EX_RTLREADING) ? width - text.cx - 14 : 6;
  return RECT{left, 0, std::min<int>(left + text.cx + 8, width - 1), std::max<int>(4, static_cast<int>(text.cy)) + 2};
}

void TacGroupBoxWnd::PrepareCache() {
  GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
  const int width = static_cast<int>(WndSize.x), height = static_cast<int>(WndSize.y);
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || width <= 0 || height <= 0) return;
  cache->SetSize(width, height);
  const RECT band = CaptionBand();
  TacCacheInfo ci = EmptyCacheInfo;
  GetParentCacheHwnd(CtrlHandle, ci);
  CopyParentArea(cache, ci, CtrlHandle, WndPos, RECT{0, 0, width, band.bottom});
  PaintSectionItem(*SkinData, ci, true, 0, TRect{0, band.bottom / 2, width, height}, TPoint{WndPos.x, WndPos.y},
                   cache, true);
  if (!Caption.empty()) {
    CopyParentArea(cache, ci, CtrlHandle, WndPos, band);
    TCanvas* canvas = cache->Canvas();
    SelectFont(canvas);
    canvas->Brush()->SetStyle(bsClear);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    if (ExStyleOf(CtrlHandle) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
    PaintSkinDataText(canvas, Caption, true, false, *SkinData, flags,
                      TRect{band.left, band.top, band.right, band.bottom});
  }
  SkinData->BGChanged = false;
}

void TacGroupBoxWnd::Paint(TMessage& message) {
  PAINTSTRUCT ps{};
  BeginPaint(CtrlHandle, &ps);
  if (!SkinData->Updating()) {
    const bool given = message.WParam != 0 && message.LParam == 1;
    HDC dc = given ? reinterpret_cast<HDC>(message.WParam) : GetWindowDC(CtrlHandle);
    PrepareCache();
    const TRect all{0, 0, static_cast<int>(WndSize.x), static_cast<int>(WndSize.y)};
    CopyHwndCache(CtrlHandle, SkinData, all, 0, 0, false, dc, all);
    if (auto* owner = dynamic_cast<TWinControl*>(SkinData->OwnerControl()))
      PaintGraphicControls(dc, owner, true, POINT{0, 0});
    if (!given) ReleaseDC(CtrlHandle, dc);
    SendEndUpdateToChildWnds(CtrlHandle);
  }
  EndPaint(CtrlHandle, &ps);
}

void TacGroupBoxWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  if (message.Msg == SkinCommandMessage) {
    const std::uint16_t code = SkinCommandCode(message.WParam);
    if (code == scGetCaptionHeight) {
      message.Result = CaptionBand().bottom;
      return;
    }
    if (code == scRemoveSkin && message.LParam == reinterpret_cast<LPARAM>(SkinManager))
      if (TControl* owner = SkinData->OwnerControl()) owner->ControlStyle().Exclude(csOpaque);
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      SkinData->BGChanged = true;
      Paint(message);
      message.Result = 0;
      return;
    case WM_PRINT: {
      SkinData->BGChanged = true;
      TMessage own{message.Msg, message.WParam, 1, 0};
      Paint(own);
      return;
    }
    case WM_ERASEBKGND:
      if (message.WParam == static_cast<WPARAM>(message.LParam)) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        if (SkinData->BGChanged) PrepareCache();
        if (SkinData->ComplexState() && SkinData->CacheBmp()) {
          BitBlt(dc, 0, 0, SkinData->CacheBmp()->Width(), SkinData->CacheBmp()->Height(),
                 SkinData->CacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
        } else {
          RECT r{};
          GetClientRect(CtrlHandle, &r);
          paint::FillRectColor(dc, TRect{0, 0, r.right, r.bottom}, GetWndColor(CtrlHandle));
        }
      }
      message.Result = 1;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      TacMainWnd::AdapterWndProc(message);
      SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
      SkinData->BGChanged = true;
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return;
    case WM_SETTEXT:
      TacMainWnd::AdapterWndProc(message);
      SkinData->BGChanged = true;
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return;
    case WM_PARENTNOTIFY:
      TacMainWnd::AdapterWndProc(message);
      if (LOWORD(message.WParam) == WM_CREATE)
        if (auto* owner = dynamic_cast<TWinControl*>(SkinData->OwnerControl())) NotifyParentForm(owner);
      return;
    default:
      break;
  }
  TacMainWnd::AdapterWndProc(message);
}

}  // namespace skin::adapters
