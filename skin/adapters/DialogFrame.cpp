// The raw dialog's window image: frame, title band, caption text, icon and
// title buttons in the skin data's cache, and the mouse on the buttons.
#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/DialogSystemMenu.h"
#include "skin/adapters/DialogWnd.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/core/CacheInfo.h"
#include "skin/forms/BorderForm.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/ProviderDC.h"
#include "skin/manager/sSkinManager.h"
#include "skin/core/SystemEntries.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin::adapters {

using classlib::TBitmap;

void TacDialogWnd::InitTitleButtons() {
  if (!SkinManager || !SkinManager->Skin() || !SkinData || !SkinManager->IsValidSkinIndex(SkinData->SkinIndex))
    return;
  Buttons[0].HitCode = kHitMin;
  Buttons[1].HitCode = kHitMax;
  Buttons[2].HitCode = kHitClose;
  Buttons[3].HitCode = kHitHelp;
  TitleIndex = -1;
  const TsConstData& c = SkinManager->ConstData();
  const bool framed = BorderKind == 1 || BorderKind == 3;
  if (!framed && c.SmallClose >= 0) {
    Buttons[2].ImageIndex = c.SmallClose;
    Buttons[0].ImageIndex = c.SmallMin;
    Buttons[1].ImageIndex = c.SmallMax;
    Buttons[3].ImageIndex = c.SmallHelp >= 0 ? c.SmallHelp : c.TitleHelp;
    for (auto& b : Buttons) b.BigIcon = false;
  } else {
    const bool alone = !HasMaxBox() && !HasMinBox() && c.TitleCloseAlone >= 0;
    Buttons[2].ImageIndex = alone ? c.TitleCloseAlone : c.TitleClose;
    Buttons[0].ImageIndex = c.TitleMin;
    Buttons[1].ImageIndex = c.TitleMax;
    Buttons[3].ImageIndex = c.TitleHelp;
    for (auto& b : Buttons) b.BigIcon = true;
  }
  TitleSection = L"FORMTITLE";
  if (!framed && SkinManager->GetSkinIndex(L"DIALOGTITLE") >= 0) TitleSection = L"DIALOGTITLE";
  TitleIndex = SkinManager->GetSkinIndex(TitleSection);
  CaptionIndex = SkinManager->GetSkinIndex(L"CAPTION");
}

void TacDialogWnd::PaintNonClientArea() {
  if (Moving || !SkinData || !SkinManager) return;
  GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache) return;
  // With an extended border the cache holds the border's whole image: the
  // skinned frame (the skin's border width and title height) inside the
  // margins, the window's own client at the client offsets.
  TacBorderForm* border = BorderForm();
  const RECT m = GetExBorderMargins();
  const POINT o = ImageOrigin();
  // The skin's border is wider than the window's own frame by Side.
  const int skinFrame = FrameWidthOf(CtrlHandle, border, true);
  const int side = border ? skinFrame - (WndWidth(CtrlHandle) - WndClientWidth(CtrlHandle)) / 2 : 0;
  const int w = border ? WndWidth(CtrlHandle) + o.x + side + m.right : WndWidth(CtrlHandle);
  const int h = border ? ClientOffsetY() + WndClientHeight(CtrlHandle) + skinFrame + m.bottom : WndHeight(CtrlHandle);
  if (cache->Width() != w || cache->Height() != h) {
    cache->SetPixelFormat(classlib::pf32bit);
    cache->SetSize(w, h);
    SkinData->BGChanged = true;
  }
  if (!SkinData->BGChanged) return;
  NeedRegion = true;
  const TRect frame{m.left, m.top, w - m.right, h - m.bottom};
  const bool plain = PlainBorder();
  // The extended border's picture, kept apart for the frame's corners.
  std::unique_ptr<TBitmap> ext;
  if (border) {
    paint::FillAlphaRect(cache, TRect{0, 0, w, h}, 0, false);
    if (!plain) {
      ext.reset(paint::NewBitmap32(w, h));
      paint::FillAlphaRect(ext.get(), TRect{0, 0, w, h}, 0, false);
      PaintExtBorderImage(ext.get(), true);
      BitBlt(cache->Canvas()->Handle(), 0, 0, w, h, ext->Canvas()->Handle(), 0, 0, SRCCOPY);
    }
  }
  if (SkinManager->IsValidSkinIndex(SkinData->SkinIndex)) {
    if (plain)
      paint::PaintSectionBackground32(SkinData->SkinIndex, Active ? 1 : 0, TRect{0, 0, w, h}, TPoint{0, 0}, cache,
                                      SkinManager, 0, 0, kSkinKeyColor);
    else
      PaintSectionItem(*SkinData, EmptyCacheInfo, true, Active ? 1 : 0, frame, TPoint{0, 0}, cache, true);
  }
  if (plain) {
    // The border's own mask is the frame, drawn over the background.
    PaintExtBorderImage(cache, false);
  }
  PaintTitle();
  const int band = m.top + InnerFrameWidth(CtrlHandle, border, true) + CaptionHeight(true);
  if (band > 0 && (TitleImage->Width() != w || TitleImage->Height() != band)) {
    TitleImage->SetPixelFormat(classlib::pf32bit);
    TitleImage->SetSize(w, band);
  }
  if (band > 0) BitBlt(TitleImage->Canvas()->Handle(), 0, 0, w, band, cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  if (CaptionHeight(true)) PaintTitleButtons();
  // The border window shows the frame with per-pixel alpha: opaque, but
  // for its key corners, which show the extended border.
  if (border) {
    paint::FillAlphaRect(cache, frame, 255, false);
    if (!plain) FillFrameCorners(ext.get(), frame);
  }
  SkinData->BGChanged = false;
}

void TacDialogWnd::PaintTitle() {
  const int caption = CaptionHeight(true);
  if (!caption) return;
  TBitmap* cache = SkinData->CacheBmp();
  const RECT m = GetExBorderMargins();
  const int frame = FrameWidthOf(CtrlHandle, BorderForm(), true);
  const int band = InnerFrameWidth(CtrlHandle, BorderForm(), true) + caption;
  const int down = PlainBorder() ? SkinManager->SkinData().CenterOffset : 0;
  if (!PlainBorder() && SkinManager->IsValidSkinIndex(TitleIndex))
    paint::PaintSectionItem32(TitleIndex, true, Active ? 1 : 0,
                              TRect{m.left, m.top, cache->Width() - m.right, m.top + band}, TPoint{0, 0}, cache,
                              SkinManager);
  const RECT icon = IconRect();
  if (Icon)
    DrawIconEx(cache->Canvas()->Handle(), icon.left, icon.top, Icon, icon.right - icon.left, icon.bottom - icon.top,
               0, nullptr, DI_NORMAL);
  const RECT text{frame + (Icon ? icon.right - icon.left : 0) + 4 + SkinManager->SkinData().BILeft + m.left,
                  m.top + 2 + down, cache->Width() - TitleButtonsWidth() - 6 - m.right, m.top + band + down};
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (SavedExStyle & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) flags |= DT_RIGHT | DT_RTLREADING;
  PaintCaptionText(text, flags);
}

void TacDialogWnd::PaintCaptionText(const RECT& r, UINT flags) {
  const std::wstring caption = GetWndText(CtrlHandle);
  TBitmap* cache = SkinData->CacheBmp();
  if (caption.empty() || r.right <= r.left || r.bottom <= r.top) return;
  classlib::TCanvas* canvas = cache->Canvas();
  if (CaptionFont) canvas->Font()->SetHandle(CaptionFont);
  canvas->Font()->SetCharset(DEFAULT_CHARSET);
  canvas->Font()->SetColor(classlib::ColorToRGB(classlib::clCaptionText));
  const TsGeneralData* title = SectionAt(SkinManager, TitleIndex);
  const bool hot = Active && title && title->States > 1;
  const TRect rect{r.left, r.top, r.right, r.bottom};
  if (SectionAt(SkinManager, CaptionIndex)) {
    // The caption's own item lies behind the text as it is drawn; it is
    // laid over a copy of the title so that it may let the title through.
    RECT measured = r;
    DrawTextW(canvas->Handle(), caption.c_str(), static_cast<int>(caption.size()), &measured, flags | DT_CALCRECT);
    const int w = std::min<int>(measured.right - measured.left, r.right - r.left);
    const int h = std::min<int>(measured.bottom - measured.top, r.bottom - r.top);
    const int left = (flags & DT_RIGHT) ? r.right - w : r.left;
    const int top = r.top + (r.bottom - r.top - h) / 2;
    const TRect item{std::max(0, left - 4), std::max(0, top - 2), std::min(cache->Width(), left + w + 4),
                     std::min(cache->Height(), top + h + 2)};
    if (item.Width() > 0 && item.Height() > 0) {
      const std::unique_ptr<TBitmap> under(paint::NewBitmap32(cache->Width(), cache->Height()));
      BitBlt(under->Canvas()->Handle(), 0, 0, cache->Width(), cache->Height(), canvas->Handle(), 0, 0, SRCCOPY);
      paint::PaintSectionItemByIndex(CaptionIndex, L"CAPTION", MakeCacheInfo(under.get(), 0, 0), true, hot ? 1 : 0,
                                     item, TPoint{item.Left, item.Top}, cache, SkinManager, {});
    }
  }
  const int glowSize = title ? (Active ? title->HotGlowSize : title->GlowSize) : 0;
  if (glowSize > 0 && !NoGlowing())
    paint::PaintTextGlow(cache, CaptionGlow,
                         paint::TTextGlowParams{caption, rect, flags, Active ? title->HotGlowColor : title->GlowColor,
                                                glowSize, 15});
  paint::PaintSkinText(canvas, paint::TSkinTextParams{caption, rect, flags, true, static_cast<std::uint8_t>(hot ? 1 : 0),
                                                       TitleIndex, SkinManager});
}

void TacDialogWnd::PlaceTitleButton(TacTitleButton& button, int& x, bool spacing) {
  const int width = TitleButtonWidth(button.ImageIndex), height = TitleButtonHeight(button.ImageIndex);
  button.Rect.right = x;
  button.Rect.left = x - width;
  const int top = GetExBorderMargins().top;
  if (button.BigIcon && button.HitCode != kHitHelp && SkinManager->SkinData().BIVAlign == 1)
    button.Rect.top = top + (BorderForm() ? SkinManager->SkinData().BITop : 0);
  else
    button.Rect.top = (CaptionHeight(true) - height + InnerFrameWidth(CtrlHandle, BorderForm(), true)) / 2 + top +
                      (PlainBorder() ? SkinManager->SkinData().CenterOffset : 0);
  button.Rect.bottom = button.Rect.top + height;
  x = button.Rect.left - (spacing ? SkinManager->SkinData().BISpace : 0);
  PaintTitleButton(button.HitCode);
}

void TacDialogWnd::PaintTitleButtons() {
  TBitmap* cache = SkinData->CacheBmp();
  int x = cache->Width() - SkinManager->SkinData().BIRight - GetExBorderMargins().right -
          FrameWidthOf(CtrlHandle, BorderForm(), true);
  for (auto& b : Buttons) b.Rect = RECT{};
  const bool framed = BorderKind == 1 || BorderKind == 3;
  if (HasSysMenu() && MaskAt(SkinManager, Buttons[2].ImageIndex))
    PlaceTitleButton(Buttons[2], x, Buttons[2].ImageIndex == SkinManager->ConstData().TitleClose || framed);
  if (HasMaxBox()) PlaceTitleButton(Buttons[1], x, true);
  if (HasMinBox()) PlaceTitleButton(Buttons[0], x, true);
  if (HasContextHelp()) PlaceTitleButton(Buttons[3], x, true);
}

bool TacDialogWnd::ButtonEnabled(int hitCode) const {
  switch (hitCode) {
    case kHitClose: return CanClose();
    case kHitMax: return CanMaximize() || CanRestore();
    case kHitMin: return CanMinimize();
    default: return true;
  }
}

void TacDialogWnd::PaintTitleButton(int hitCode) {
  TacTitleButton* button = ButtonOf(hitCode);
  TBitmap* cache = SkinData ? SkinData->CacheBmp() : nullptr;
  if (!button || !cache || button->Rect.right <= button->Rect.left) return;
  int mask = button->ImageIndex;
  const TsConstData& c = SkinManager->ConstData();
  if ((hitCode == kHitMax && IsZoomed(CtrlHandle)) || (hitCode == kHitMin && IsIconic(CtrlHandle)))
    mask = c.TitleNorm >= 0 ? c.TitleNorm : mask;
  const RECT& r = button->Rect;
  // The title band under the button first, so a state change starts clean.
  if (!TitleImage->Empty() && r.bottom <= TitleImage->Height())
    BitBlt(cache->Canvas()->Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top,
           TitleImage->Canvas()->Handle(), r.left, r.top, SRCCOPY);
  if (const TsMaskData* m = MaskAt(SkinManager, mask)) {
    const int state = std::clamp<int>(button->State, 0, std::max(0, m->ImageCount - 1));
    const bool dimmed = (!Active || !ButtonEnabled(hitCode)) && button->State == 0;
    paint::PaintMaskGlyph(cache, TPoint{r.left, r.top}, state, dimmed ? 2 : 1, *m, MakeCacheInfo(cache, 0, 0));
  }
  TacBorderForm* border = BorderForm();
  if (border) paint::FillAlphaRect(cache, TRect{r.left, r.top, r.right, r.bottom}, 255, false);
  if (!IsWindowVisible(CtrlHandle) || FadeTitleButton(hitCode, mask)) return;
  UpdateTitleGlow(hitCode, mask);
  if (border && border->BorderWindow()) {
    UpdateBorder(true);
    return;
  }
  const POINT o = ImageOrigin();
  HDC dc = GetWindowDC(CtrlHandle);
  BitBlt(dc, r.left - o.x, r.top - o.y, r.right - r.left, r.bottom - r.top, cache->Canvas()->Handle(), r.left, r.top,
         SRCCOPY);
  ReleaseDC(CtrlHandle, dc);
}

void TacDialogWnd::SetHotTitleButton(int hitCode, bool repaint) {
  if (hitCode == HotButton) return;
  if (TacTitleButton* old = ButtonOf(HotButton)) {
    old->State = 0;
    if (repaint) PaintTitleButton(HotButton);
  }
  HotButton = hitCode;
  if (TacTitleButton* now = ButtonOf(hitCode)) {
    now->State = 1;
    if (repaint) PaintTitleButton(hitCode);
  }
}

void TacDialogWnd::PressTitleButton(int hitCode) {
  if (TacTitleButton* old = ButtonOf(HotButton); old && HotButton != hitCode) {
    old->State = 0;
    PaintTitleButton(HotButton);
  }
  HotButton = hitCode;
  TacTitleButton* button = ButtonOf(hitCode);
  if (!button) return;
  const bool pressable = hitCode != kHitMax || CanMaximize() || (IsZoomed(CtrlHandle) && CanRestore());
  if (pressable) button->State = 2;
  PaintTitleButton(hitCode);
}

int TacDialogWnd::ButtonIndexAt(int x) const {
  // Counted from the right: 1 is the close button's place.
  int index = 1;
  for (const int i : {2, 1, 0, 3}) {
    const RECT& r = Buttons[i].Rect;
    if (r.right <= r.left) continue;
    if (x >= r.left && x < r.right) return index;
    ++index;
  }
  return 0;
}

LRESULT TacDialogWnd::HitTest(const classlib::TMessage& m) {
  RECT wr;
  GetWindowRect(CtrlHandle, &wr);
  // In the cache's coordinates, where the button rectangles lie.
  const POINT o = ImageOrigin();
  const RECT margins = GetExBorderMargins();
  const int x = GET_X_LPARAM(m.LParam) - wr.left + o.x, y = GET_Y_LPARAM(m.LParam) - wr.top + o.y;
  const int frame = FrameWidthOf(CtrlHandle, BorderForm(), true) + margins.left;
  const int closeHeight = TitleButtonHeight(Buttons[2].ImageIndex);
  // The buttons' band, where they are painted (lower in plain border mode).
  const int top = (CaptionHeight(true) - closeHeight + InnerFrameWidth(CtrlHandle, BorderForm(), true)) / 2 +
                  margins.top + (PlainBorder() ? SkinManager->SkinData().CenterOffset : 0);
  if (CaptionHeight(true) && y >= top && y < top + closeHeight) {
    if (x >= frame && x < frame + GetSystemMetrics(SM_CXSMICON)) {
      SetHotTitleButton(0, true);
      return HTSYSMENU;
    }
    const bool minBox = HasMinBox() || IsIconic(CtrlHandle);
    const int n = (HasSysMenu() ? 1 : 0) + (HasMaxBox() ? 1 : 0) + (minBox ? 1 : 0) + (HasContextHelp() ? 1 : 0);
    const int i = ButtonIndexAt(x);
    if (i < 1 || i > n) return HTCAPTION;
    auto hot = [this](int code) -> LRESULT {
      SetHotTitleButton(code, true);
      return code;
    };
    if (i == 1 && HasSysMenu()) return hot(kHitClose);
    if (i == 2) {
      if (HasMaxBox()) {
        if (CanMaximize() || CanRestore()) return hot(kHitMax);
        SetHotTitleButton(0, true);
        return HTCAPTION;
      }
      if (minBox) return CanMinimize() ? hot(kHitMin) : HTCAPTION;
      if (HasContextHelp()) return hot(kHitHelp);
    }
    if (i == 3) {
      if (minBox) return (IsIconic(CtrlHandle) || CanMinimize()) ? hot(kHitMin) : HTCAPTION;
      if (HasContextHelp()) return hot(kHitHelp);
    }
    if (i == 4 && HasContextHelp() && HasMaxBox()) return hot(kHitHelp);
  }
  const int wx = x - o.x, wy = y - o.y;
  if (IsZoomed(CtrlHandle) && (wx < 2 || wy < 2 || wx >= wr.right - wr.left - 4 || wy >= wr.bottom - wr.top - 4)) {
    SetHotTitleButton(0, true);
    return -1;
  }
  return m.Result;
}

void TacDialogWnd::NCLButtonDown(classlib::TMessage& m) {
  const int code = static_cast<int>(m.WParam);
  if (code == HTSYSMENU) {
    SetHotTitleButton(0, true);
    RECT wr;
    GetWindowRect(CtrlHandle, &wr);
    ShowSystemMenu(FrameWidthOf(CtrlHandle, nullptr, true) + wr.left,
                   wr.top + InnerFrameWidth(CtrlHandle, nullptr, true) + GetSystemMetrics(SM_CYSMICON));
    return;
  }
  if (code == kHitMin || code == kHitMax || code == kHitClose || code == kHitHelp) {
    PressTitleButton(code);
    return;
  }
  if (IsIconic(CtrlHandle)) SendMessageW(CtrlHandle, WM_SYSCOMMAND, kDragMove, 0);
  SetHotTitleButton(0, true);
  if (IsZoomed(CtrlHandle)) {
    // A maximized dialog does not move: a click on its caption only
    // brings it forward.
    RECT wr;
    GetWindowRect(CtrlHandle, &wr);
    const int y = GET_Y_LPARAM(m.LParam) - wr.top;
    if (y >= 0 && y < InnerFrameWidth(CtrlHandle, nullptr, true) + CaptionHeight(true)) {
      if (!Active) SetFocus(CtrlHandle);
      return;
    }
  }
  TacBlendOnMoving* blend = SkinManager ? SkinManager->AnimEffects()->BlendOnMoving() : nullptr;
  if (code == HTCAPTION && blend && blend->Active() && blend->BlendValue() < 255 && !IsIconic(CtrlHandle)) {
    // The dragged picture shows the dialog active.
    if (!Active) {
      Active = true;
      if (SkinData) SkinData->BGChanged = true;
      SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
    }
    StartBlendOnMoving();
    return;
  }
  m.Result = CallPrev(m);
}

bool TacDialogWnd::CursorOver(const TacTitleButton& button) const {
  RECT wr;
  GetWindowRect(CtrlHandle, &wr);
  POINT p = ScrollPlatform().CursorPos();
  p.x -= wr.left;
  p.y -= wr.top;
  return PtInRect(&button.Rect, p) != FALSE;
}

void TacDialogWnd::NCLButtonUp(classlib::TMessage& m) {
  const int code = static_cast<int>(m.WParam);
  m.WParam = 0;
  TacTitleButton* button = ButtonOf(code);
  const bool pressed = button && button->State == 2 && HotButton == code;
  HWND wnd = CtrlHandle;
  switch (code) {
    case kHitMin:
      if (!pressed) break;
      if (!CursorOver(*button)) {
        // Released away from the button: nothing is minimized.
        m.WParam = static_cast<WPARAM>(code);
        m.Result = CallPrev(m);
        break;
      }
      SendMessageW(wnd, WM_SYSCOMMAND, IsIconic(wnd) ? SC_RESTORE : SC_MINIMIZE, 0);
      break;
    case kHitMax:
      if (pressed && (CanMaximize() || CanRestore())) {
        SendMessageW(wnd, WM_SYSCOMMAND, IsZoomed(wnd) ? SC_RESTORE : SC_MAXIMIZE, 0);
        if (SysMenu) SysMenu->UpdateItems();
      }
      break;
    case kHitHelp:
      if (pressed) {
        SendMessageW(wnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        if (SysMenu) SysMenu->UpdateItems();
        if (IsWindow(wnd)) SendMessageW(wnd, WM_NCPAINT, 0, 0);
      }
      break;
    case kHitClose:
      if (pressed) {
        button->State = 0;
        HotButton = 0;
        FreeTitleAnimations();
        SendMessageW(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        return;  // the window may be gone
      }
      break;
    default:
      m.WParam = static_cast<WPARAM>(code);
      m.Result = CallPrev(m);
      break;
  }
  if (IsWindow(wnd)) SetHotTitleButton(0, true);
}

}  // namespace skin::adapters
