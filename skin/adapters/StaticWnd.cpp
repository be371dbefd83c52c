#include "skin/adapters/StaticWnd.h"

#include "classlib/controls/Application.h"
#include "skin/adapters/AdapterKinds.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/common/SkinDataText.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr UINT kRedrawErase = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

bool Visible(HWND wnd) { return IsWindowVisible(wnd) != FALSE; }
LONG_PTR StyleOf(HWND wnd) { return GetWindowLongPtrW(wnd, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND wnd) { return GetWindowLongPtrW(wnd, GWL_EXSTYLE); }

// The text flags of a static: its own alignment type, the right-aligned
// extended style, no prefix when asked and right-to-left reading.
UINT StaticTextFlags(HWND wnd) {
  UINT flags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP;
  const LONG_PTR style = StyleOf(wnd);
  if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
  if (StaticType(static_cast<std::uint32_t>(style)) == SS_CENTER) flags |= DT_CENTER;
  if (StaticType(static_cast<std::uint32_t>(style)) == SS_RIGHT || (ExStyleOf(wnd) & WS_EX_RIGHT)) flags |= DT_RIGHT;
  if (ExStyleOf(wnd) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
  return flags;
}

}  // namespace

// --- TacStaticWnd

TacStaticWnd::~TacStaticWnd() { UndoBinding(); }

bool TacStaticWnd::KeepsOwnLook() const {
  return (StyleOf(CtrlHandle) & WS_TABSTOP) || (ExStyleOf(CtrlHandle) & WS_EX_STATICEDGE);
}

void TacStaticWnd::ChangedAndRedraw(TMessage& message, bool redrawOff) {
  if (redrawOff) SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
  CallPrev(message);
  if (message.Msg == WM_SETTEXT) ReadCaption();
  SkinData->BGChanged = true;
  if (redrawOff) SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(CtrlHandle, nullptr, nullptr, kRedrawErase);
}

void TacStaticWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned() || KeepsOwnLook()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  const bool visible = Visible(CtrlHandle);
  switch (message.Msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      BeginPaint(CtrlHandle, &ps);
      if (visible) PaintStatic(message);
      EndPaint(CtrlHandle, &ps);
      message.Result = 0;
      return;
    }
    case WM_PRINT:
      PaintStatic(message);
      return;
    case WM_NCPAINT:
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
      if (!visible) break;
      message.Result = 1;
      return;
    case WM_MOVE:
    case WM_ENABLE:
      if (!visible) break;
      ChangedAndRedraw(message, false);
      return;
    case WM_SETTEXT:
      if (!visible) break;
      ChangedAndRedraw(message, true);
      return;
    default:
      break;
  }
  TacMainWnd::AdapterWndProc(message);
}

void TacStaticWnd::PaintStatic(TMessage& message) { PaintInto(message, false); }

void TacStaticWnd::PaintInto(TMessage& message, bool frameOnly) {
  GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
  const bool own = message.WParam == 0;
  HDC dc = own ? GetWindowDC(CtrlHandle) : reinterpret_cast<HDC>(message.WParam);
  const int saved = SaveDC(dc);
  SkinData->BGChanged = true;
  PrepareAdapterCache(SkinData, CtrlHandle, false);
  TBitmap* cache = SkinData->CacheBmp();
  if (cache && !SkinData->Updating()) {
    const bool copy = PaintText();
    if (frameOnly) paint::CopyFrameBits(dc, 0, 0, WndSize.x, WndSize.y, cache->Canvas()->Handle(), 0, 0, 2);
    else if (copy) BitBlt(dc, 0, 0, WndSize.x, WndSize.y, cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  RestoreDC(dc, saved);
  if (own) ReleaseDC(CtrlHandle, dc);
}

bool TacStaticWnd::PaintText() {
  if (Caption.empty()) return true;
  TBitmap* cache = SkinData->CacheBmp();
  TCanvas* canvas = cache->Canvas();
  canvas->Brush()->SetStyle(bsClear);
  SetSystemFont(canvas, 5);
  PaintSkinDataText(canvas, Caption, true, false, *SkinData, StaticTextFlags(CtrlHandle),
                    TRect{0, 0, cache->Width(), cache->Height()});
  return true;
}

// --- TacLinkWnd

bool TacLinkWnd::PaintText() {
  const std::wstring text = StripLinkTags(Caption);
  if (text.empty()) return true;
  TBitmap* cache = SkinData->CacheBmp();
  TCanvas* canvas = cache->Canvas();
  SetSystemFont(canvas, 5);
  TFontStyles style = canvas->Font()->Style();
  style.Include(fsUnderline);
  canvas->Font()->SetStyle(style);
  canvas->Brush()->SetStyle(bsClear);
  PaintSkinDataText(canvas, text, true, false, *SkinData, DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK,
                    TRect{0, 0, cache->Width() + 4, cache->Height()});
  return true;
}

void TacLinkWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned() || (ExStyleOf(CtrlHandle) & WS_EX_STATICEDGE)) {
    TacStaticWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_ERASEBKGND:
      if (!Visible(CtrlHandle)) break;
      PaintStatic(message);
      message.Result = 1;
      return;
    case WM_MOVE:
      SkinData->BGChanged = true;
      CallPrev(message);
      RedrawWindow(CtrlHandle, nullptr, nullptr, kRedrawErase);
      return;
    case WM_SETTEXT:
      CallPrev(message);
      ReadCaption();
      SkinData->BGChanged = true;
      RedrawWindow(CtrlHandle, nullptr, nullptr, kRedrawErase);
      return;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      BeginPaint(CtrlHandle, &ps);
      EndPaint(CtrlHandle, &ps);
      message.Result = 0;
      return;
    }
    case WM_NCPAINT:
      message.Result = 0;
      return;
    default:
      break;
  }
  TacStaticWnd::AdapterWndProc(message);
}

// --- TacIconWnd

void TacIconWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                        TsCommonData* skinData) {
  TacStaticWnd::Create(handle, repaint, skinSection, skinManager, skinData);
  IsBitmap = IsBitmapStatic(static_cast<std::uint32_t>(StyleOf(handle)));
}

bool TacIconWnd::PaintText() {
  TBitmap* cache = SkinData->CacheBmp();
  if (IsBitmap) {
    if (!Image) {
      Image = std::make_unique<TBitmap>();
      auto shown = reinterpret_cast<HBITMAP>(SendMessageW(CtrlHandle, STM_GETIMAGE, IMAGE_BITMAP, 0));
      // A copy: the bitmap stays the static's, which still shows and frees it.
      if (shown) {
        if (HBITMAP copy = static_cast<HBITMAP>(CopyImage(shown, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)))
          Image->SetHandle(copy);
      }
    }
    if (Image->Empty()) return false;
    const int w = std::min(cache->Width(), Image->Width()), h = std::min(cache->Height(), Image->Height());
    if (Image->PixelFormat() == pf32bit)
      paint::CopyAlphaBitmap(TRect{0, 0, w, h}, TRect{0, 0, w, h}, cache, Image.get(), EmptyCacheInfo, false, clNone,
                             0, false);
    else
      BitBlt(cache->Canvas()->Handle(), 0, 0, w, h, Image->Canvas()->Handle(), 0, 0, SRCCOPY);
    return true;
  }
  auto icon = reinterpret_cast<HICON>(SendMessageW(CtrlHandle, STM_GETICON, 0, 0));
  if (!icon) return false;
  DrawIconEx(cache->Canvas()->Handle(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  return true;
}

// --- TacEdgeWnd

void TacEdgeWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacStaticWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      CallPrev(message);
      PaintStatic(message);
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      message.Result = 0;
      return;
    default:
      break;
  }
  TacStaticWnd::AdapterWndProc(message);
}

void TacEdgeWnd::PaintStatic(TMessage& message) { PaintInto(message, true); }

}  // namespace skin::adapters
