#include "skin/adapters/EditWnd.h"

#include <uxtheme.h>
#include <windowsx.h>

#include <algorithm>

#include "classlib/controls/Application.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/PropertyUtils.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/DcHelpers_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr UINT CM_ENABLEDCHANGED_ = 0xB00C;
constexpr UINT CM_FONTCHANGED_ = 0xB00E;
constexpr UINT CN_KEYDOWN_ = 0xBD00;
constexpr UINT CN_KEYUP_ = 0xBD01;
constexpr UINT kReflectedSwallowed = 0x2100;
constexpr UINT kListStartTrack = 0x1AE;
constexpr UINT kListEndTrack = 0x1AF;

bool Visible(HWND wnd) { return IsWindowVisible(wnd) != FALSE; }

void NcPaintNow(HWND wnd) {
  if (Visible(wnd)) SendMessageW(wnd, WM_NCPAINT, 0, 0);
}

}  // namespace

// --- TacBaseWnd

void TacBaseWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacScrollWnd::AdapterWndProc(message);
    return;
  }
  if (message.Msg == SkinCommandMessage) {
    const std::uint16_t code = SkinCommandCode(message.WParam);
    if (code == scRefresh && message.LParam == reinterpret_cast<LPARAM>(SkinManager)) {
      TacScrollWnd::AdapterWndProc(message);
      NcPaintNow(CtrlHandle);
      return;
    }
    if (code == scPrepareCache) PrepareAdapterCache(SkinData, CtrlHandle, false);
  }
  switch (message.Msg) {
    case WM_SETCURSOR:
      CallPrev(message);
      return;
    case WM_SIZE:
    case WM_EXITSIZEMOVE:
      SkinData->BGChanged = true;
      break;
    case kReflectedSwallowed:
      return;
    default:
      break;
  }
  TacScrollWnd::AdapterWndProc(message);
  switch (message.Msg) {
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!ScrollSending) RefreshScrollBars(this, true);
      break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED_:
      NcPaintNow(CtrlHandle);
      break;
    default:
      break;
  }
}

// --- TacEditWnd

TacEditWnd::~TacEditWnd() { UndoBinding(); }

void TacEditWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                        TsCommonData* skinData) {
  if (!handle) return;
  const bool quietList = dynamic_cast<TacComboListWnd*>(this) && !repaint;
  const TControl* owner = skinData ? skinData->OwnerControl() : nullptr;
  if (skinSection != L"DIALOG" && !quietList && !(owner && HasProperty(owner, L"UseXPThemes")))
    SetWindowTheme(handle, L" ", L" ");
  CtrlHandle = handle;
  FrameRect.top = -1;
  InitSkinData(handle, skinManager, skinData);
  SkinData->SetSkinSection(skinSection.empty() ? std::wstring(L"EDIT") : skinSection);
  SaveControlParams();
  ParamsChanged = false;
  DlgMode = AdapterDialogChildren();
  ReadCaption();
  AttachScrollBars(this, handle, repaint);
  MarkOwnerOpaque();
}

void TacEditWnd::SaveControlParams() {
  TControl* owner = SkinData ? SkinData->OwnerControl() : nullptr;
  if (!owner) return;
  OldColor = owner->Color();
  OldFontColor = owner->Font()->Color();
  if (HasProperty(owner, L"FocusColor")) OldFocusColor = static_cast<TColor>(GetIntProperty(owner, L"FocusColor"));
}

void TacEditWnd::RestoreControlParams() {
  if (CtrlHandle && Visible(CtrlHandle))
    SetWindowPos(CtrlHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
  TControl* owner = SkinData ? SkinData->OwnerControl() : nullptr;
  if (!owner || Destroying(owner)) return;
  owner->SetColor(OldColor);
  owner->Font()->SetColor(OldFontColor);
  if (HasProperty(owner, L"FocusColor")) SetIntProperty(owner, L"FocusColor", static_cast<int>(OldFocusColor));
}

void TacEditWnd::ApplySkinParams() {
  if (IgnoreStyleChange || !SkinData) return;
  SkinData->SetUpdating(true);
  IgnoreStyleChange = true;
  ParamsChanged = true;
  const TsGeneralData* section = SkinData->Section();
  if (!SkinManager || !section) {
    BorderColor = 0;
    IgnoreStyleChange = false;
    SkinData->SetUpdating(false);  // painting must not wait for a skin that is not there
    return;
  }
  if (TControl* owner = SkinData->OwnerControl()) {
    const int state = (SkinData->FFocused || SkinData->FMouseAbove) && section->States > 1 ? 1 : 0;
    if (!SkinData->CustomColor()) {
      const TColor colour = GetBGColor(SkinData, state, CtrlHandle);
      if (HasProperty(owner, L"FocusColor")) {
        if (owner->Color() != colour) owner->SetColor(colour);
        SetIntProperty(owner, L"FocusColor", static_cast<int>(colour));
      } else if (owner->Color() != colour) {
        owner->SetColor(colour);
      }
    }
    if (!SkinData->CustomFont()) {
      const TColor font = section->Props[static_cast<std::size_t>(state)].FontColor;
      if (owner->Font()->Color() != font) owner->Font()->SetColor(font);
    }
  } else {
    if (!SkinData->CustomColor()) SkinColor = DlgMode ? clWindow : section->Props[0].Color;
    BorderColor = SkinManager->SkinData().BorderColor;
  }
  SkinData->BGChanged = true;
  SkinData->SetUpdating(false);
  IgnoreStyleChange = false;
}

void TacEditWnd::MeasureGeometry() {
  GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
  FrameRect = GetClientRectInWindow(CtrlHandle);
}

bool TacEditWnd::NothingToPaint(HDC dc) const {
  if (!dc || dc == SkinData->PrintDC) return false;
  RECT clip{};
  return GetClipBox(dc, &clip) == NULLREGION;
}

void TacEditWnd::CopyFrameBand(HDC dc) {
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || cache->Width() <= 0) return;
  RECT wr{};
  GetWindowRect(CtrlHandle, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  // The band is what lies outside the margins the window's own procedure
  // reserved; the scroll bars inside them are painted separately.
  ExcludeClipRect(dc, MarginLeft, MarginTop, w - MarginRight, h - MarginBottom);
  BitBlt(dc, 0, 0, std::min(w, cache->Width()), std::min(h, cache->Height()), cache->Canvas()->Handle(), 0, 0,
         SRCCOPY);
}

void TacEditWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacBaseWnd::AdapterWndProc(message);
    return;
  }
  if (message.Msg == SkinCommandMessage && SkinCommandCode(message.WParam) <= MaxCommonCode) {
    if (RefusedFromStranger(message)) return;
    const std::uint16_t code = SkinCommandCode(message.WParam);
    switch (code) {
      case scRefresh:
        if (message.LParam != reinterpret_cast<LPARAM>(SkinManager)) break;
        TacBaseWnd::AdapterWndProc(message);
        ApplySkinParams();
        return;
      case scEndUpdate:
        if (SkinData->OwnUpdating()) {
          SkinData->SetUpdating(false);
          if (!SkinData->Updating())
            RedrawWindow(CtrlHandle, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        }
        break;
      case scIsSkinned:
        message.Result = 1;
        return;
      case scPrepareCache:
        MeasureGeometry();
        PrepareAdapterCache(SkinData, CtrlHandle, DlgMode);
        FillCacheCorners(SkinData, 0, this);
        return;
      case scGetSkinIndex:
        *reinterpret_cast<std::int32_t*>(message.LParam) = SkinData->SkinIndex;
        return;
      case scGetBGInfo: {
        auto* info = reinterpret_cast<TacBGInfo*>(message.LParam);
        CallPrev(message);
        if (info->Kind == bgNone) {
          if (SkinData->CustomColor()) {
            info->Kind = bgColor;
            info->Color = ColorToRGB(SkinColor);
          } else {
            FillBGInfo(SkinData, *info, 0, CtrlHandle);
          }
        }
        message.Result = 0;
        return;
      }
      case scBeforeScroll:
      case scAfterScroll:
        if (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) {
          SendMessageW(CtrlHandle, WM_SETREDRAW, code == scAfterScroll ? TRUE : FALSE, 0);
          if (code == scAfterScroll) RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
          message.Result = 0;
          return;
        }
        break;
      case scGetApplication:
        message.Result = ApplicationAnswer();
        return;
      default:
        break;
    }
  }
  switch (message.Msg) {
    case WM_NCPAINT: {
      if (!Visible(CtrlHandle) || IgnoreStyleChange) break;
      message.Result = 0;
      if (AnimationRunning() || SkinData->Updating()) return;
      HDC dc = GetWindowDC(CtrlHandle);
      if (!dc) return;
      if (NothingToPaint(dc)) {
        ReleaseDC(CtrlHandle, dc);
        return;
      }
      if (SkinData->BGChanged) {
        if (!ParamsChanged) ApplySkinParams();
        MeasureGeometry();
        PrepareAdapterCache(SkinData, CtrlHandle, DlgMode);
        FillCacheCorners(SkinData, 0, this);
      }
      const int saved = SaveDC(dc);
      PaintScrollBars(this, CtrlHandle, dc);
      CopyFrameBand(dc);
      RestoreDC(dc, saved);
      ReleaseDC(CtrlHandle, dc);
      return;
    }
    case WM_PRINT: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      // The window's own printing may leave its clipping on the DC.
      int saved = dc ? SaveDC(dc) : 0;
      CallPrev(message);
      if (dc) RestoreDC(dc, saved);
      if (message.Result == 2 || !dc) return;
      MeasureGeometry();
      SkinData->SetUpdating(false);
      SkinData->BGChanged = true;
      if (!ParamsChanged) ApplySkinParams();
      PrepareAdapterCache(SkinData, CtrlHandle, DlgMode);
      if (!DlgMode) FillCacheCorners(SkinData, 0, this);
      saved = SaveDC(dc);
      CopyFrameBand(dc);
      RestoreDC(dc, saved);
      const bool savedTracking = Tracking;
      Tracking = false;
      PaintScrollBars(this, CtrlHandle, dc);
      Tracking = savedTracking;
      return;
    }
    case WM_PAINT: {
      if (!Visible(CtrlHandle) || IgnoreStyleChange) break;
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      if (NothingToPaint(dc)) return;
      if (SkinData->Updating() || (AnimationRunning() && !SkinData->PrintDC)) {
        PAINTSTRUCT ps;
        BeginPaint(CtrlHandle, &ps);
        EndPaint(CtrlHandle, &ps);
        return;
      }
      if (!dc) PaintScrollBars(this, CtrlHandle, nullptr);
      if (!ParamsChanged) ApplySkinParams();
      break;
    }
    case WM_ERASEBKGND: {
      if (!Visible(CtrlHandle) || IgnoreStyleChange) break;
      if (NothingToPaint(reinterpret_cast<HDC>(message.WParam))) return;
      if (SkinData->Updating()) return;
      if (!ParamsChanged) ApplySkinParams();
      break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      TacBaseWnd::AdapterWndProc(message);
      auto* owner = dynamic_cast<TWinControl*>(SkinData->OwnerControl());
      if (GetSkinHotState(SkinData) == 1 && owner && owner->CanFocus() && owner->TabStop()) {
        SkinData->BGChanged = true;
        SkinData->FFocused = message.Msg == WM_SETFOCUS;
        if (owner->HandleAllocated()) SendMessageW(owner->Handle(), WM_NCPAINT, 0, 0);
      }
      return;
    }
    case CM_FONTCHANGED_:
      if (!SkinData->Updating()) RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      break;
    default:
      break;
  }
  TacBaseWnd::AdapterWndProc(message);
  if (Destroyed) return;
  switch (message.Msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX:
    case EM_REPLACESEL:
    case WM_SETTEXT:  // the window redraws the system bar over the strip
      RefreshScrollBars(this, true);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SETFONT:
    case WM_LBUTTONDOWN:
    case CN_KEYDOWN_:
    case CN_KEYUP_:
      if (!ScrollSending) RefreshScrollBars(this, true);
      break;
    case WM_SIZE:
      NcPaintNow(CtrlHandle);
      break;
    case WM_MOUSEMOVE:
      TrackMouse();
      if (GetCapture() == CtrlHandle && !SkinData->Updating()) RefreshScrollBars(this, true);
      break;
    default:
      break;
  }
}

// --- TacComboListWnd

TacComboListWnd* MakeComboListAdapter(HWND handle, bool simple, bool repaint, const std::wstring& skinSection,
                                      TsSkinManager* skinManager, TsCommonData* skinData) {
  auto* adapter = new TacComboListWnd();
  adapter->CreateEx(handle, simple, repaint, skinSection, skinManager, skinData);
  return adapter;
}

void TacComboListWnd::CreateEx(HWND handle, bool simple, bool repaint, const std::wstring& skinSection,
                               TsSkinManager* skinManager, TsCommonData* skinData) {
  Simple = simple;
  Create(handle, repaint, skinSection, skinManager, skinData);
  if (!Simple && handle) {
    RECT r{};
    GetWindowRect(handle, &r);
    SetWindowPos(handle, nullptr, 0, 0, r.right - r.left + 1, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOCOPYBITS | SWP_NOOWNERZORDER |
                     SWP_NOSENDCHANGING);
  }
}

bool TacComboListWnd::KeepsCapture() const { return !Simple && SkinData && !SkinData->OwnerControl(); }

void TacComboListWnd::PrepareListCache() {
  MeasureGeometry();
  if (!Simple) {
    TBitmap* cache = SkinData->CacheBmp();
    if (!cache) {
      SkinData->InitCacheBmp();
      cache = SkinData->CacheBmp();
    }
    cache->SetSize(WndSize.x, WndSize.y);
    SkinData->UpdateIndexes();
    ApplySkinParams();
    HDC dc = cache->Canvas()->Handle();
    HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(BorderColor)));
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(SkinColor)));
    HGDIOBJ oldPen = SelectObject(dc, pen), oldBrush = SelectObject(dc, brush);
    Rectangle(dc, 0, 0, WndSize.x, WndSize.y);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
    SkinData->BGChanged = false;
  } else {
    SendSkinCommandToWnd(CtrlHandle, scPrepareCache, 0);
  }
  if (!DlgMode) FillCacheCorners(SkinData, 0, this);
}

void TacComboListWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData) {
    TacEditWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      NcCalcSize(message);
      return;
    case WM_NCPAINT: {
      if (ScrollSending || !SkinData->Skinned()) break;
      PrepareListCache();
      HDC dc = GetWindowDC(CtrlHandle);
      const int saved = SaveDC(dc);
      CopyFrameBand(dc);
      RestoreDC(dc, saved);
      PaintScrollBars(this, CtrlHandle, dc);
      ReleaseDC(CtrlHandle, dc);
      message.Result = 0;
      return;
    }
    case WM_ERASEBKGND:
      if (!SkinData->Skinned()) break;
      if (message.WParam) {
        RECT client{};
        GetClientRect(CtrlHandle, &client);
        paint::FillRectColor(reinterpret_cast<HDC>(message.WParam), TRect{0, 0, client.right, client.bottom},
                             ColorToRGB(SkinColor));
        message.Result = 1;
      } else {
        CallPrev(message);
      }
      return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      if (!SkinData->Skinned()) break;
      TMessage hit{WM_NCHITTEST, 0, message.LParam, 0};
      NcHitTest(hit);
      const int code = static_cast<int>(hit.Result);
      if (code == HTHSCROLL || code == HTVSCROLL) {
        ScrollButtonDown(message, code);
        return;
      }
      message.Result = code;
      return;
    }
    case WM_LBUTTONUP: {
      if (!SkinData->Skinned()) break;
      MeasureGeometry();
      POINT pt{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      ClientToScreen(CtrlHandle, &pt);
      TMessage hit{WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y), 0};
      NcHitTest(hit);
      const bool scrolling = ScrollTracking().TrackWnd == CtrlHandle && ScrollTracking().ClickedPart != -1;
      if (hit.Result != HTNOWHERE && hit.Result != HTCLIENT) {
        if (scrolling) ScrollButtonUp(message);
        if (Simple && GetCapture() == CtrlHandle) ReleaseCapture();
        message.Result = 0;
        return;
      }
      if (scrolling) {
        ScrollButtonUp(message);
        message.Result = 0;
        return;  // the button-up belonged to the bar, not to the list
      }
      CallPrev(message);
      return;
    }
    case WM_PRINT:
    case WM_PRINTCLIENT: {
      if (!message.WParam || !IsWindowVisible(CtrlHandle) || !SkinData->Skinned()) break;
      SkinData->BGChanged = true;
      PrepareListCache();
      CallPrev(message);
      if (message.Msg == WM_PRINT && SendMessageW(CtrlHandle, LB_GETCOUNT, 0, 0) > 0) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        if (ScrollTracking().ClickedPart == -1 && !ListTracking) {
          const int saved = SaveDC(dc);
          CopyFrameBand(dc);
          RestoreDC(dc, saved);
        }
        PaintScrollBars(this, CtrlHandle, dc);
      }
      return;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      CallPrev(message);
      return;
    case kListStartTrack:
      ListTracking = true;
      break;
    case kListEndTrack:
      ListTracking = false;
      SkinData->BGChanged = true;
      break;
    default:
      break;
  }
  TacEditWnd::AdapterWndProc(message);
  if (message.Msg == WM_WINDOWPOSCHANGED && !Destroyed) RefreshScrollBars(this, true);
}

// --- UpdateEditAdapter

void UpdateEditAdapter(TsCommonData* skinData, TacEditWnd*& adapter) {
  if (!skinData) return;
  if (skinData->Skinned()) {
    if (adapter && adapter->Destroyed) {
      delete adapter;
      adapter = nullptr;
    }
    auto* owner = dynamic_cast<TWinControl*>(skinData->OwnerControl());
    if (!adapter && owner && owner->HandleAllocated())
      adapter = MakeAdapter<TacEditWnd>(owner->Handle(), true, skinData->SkinSection(), skinData->SkinManager(),
                                        skinData);
  } else {
    delete adapter;
    adapter = nullptr;
  }
}

}  // namespace skin::adapters
