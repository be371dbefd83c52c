#include "skin/adapters/SmallWnd.h"

#include <algorithm>

#include "classlib/controls/Panel.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/HotWindow.h"
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
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr UINT CM_TEXTCHANGED_ = 0xB012;
constexpr UINT CM_SHOWINGCHANGED_ = 0xB019;

}  // namespace

// --- TacSizerWnd

TacSizerWnd::~TacSizerWnd() { UndoBinding(); }

void TacSizerWnd::Paint(HDC given) {
  PAINTSTRUCT ps{};
  BeginPaint(CtrlHandle, &ps);
  HDC dc = given ? given : GetDC(CtrlHandle);
  const SIZE size = WindowSize(CtrlHandle);
  std::unique_ptr<TBitmap> bmp(paint::NewBitmap32(std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1)));
  const int grip = SkinManager && SkinManager->Skin() ? SkinManager->Skin()->ConstData.GripImage : -1;
  if (grip >= 0 && SkinManager->IsValidImgIndex(grip)) {
    TacBGInfo info;
    info.PleaseDraw = true;
    info.DC = bmp->Canvas()->Handle();
    info.R = TRect{0, 0, size.cx, size.cy};
    const POINT pos = PosInParent(CtrlHandle);
    info.Offset = TPoint{pos.x, pos.y};
    QueryParentBackground(info, GetParent(CtrlHandle), true);
    if (info.Kind == bgColor) paint::FillRectColor(info.DC, TRect{0, 0, size.cx, size.cy}, info.Color);
    const TsMaskData& mask = SkinManager->Skin()->Masks[static_cast<std::size_t>(grip)];
    const int fw = MaskFrameWidth(mask), fh = MaskFrameHeight(mask);
    paint::PaintMaskGlyph(bmp.get(), TPoint{std::max<int>(size.cx - fw, 0), std::max<int>(size.cy - fh, 0)}, 0, 1, mask,
                          MakeCacheInfo(bmp.get(), 0, 0));
  }
  BitBlt(dc, 0, 0, size.cx, size.cy, bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
  if (!given) ReleaseDC(CtrlHandle, dc);
  EndPaint(CtrlHandle, &ps);
}

void TacSizerWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      message.Result = 1;
      return;
    default:
      break;
  }
  const UINT msg = message.Msg;
  TacMainWnd::AdapterWndProc(message);
  if (msg == WM_NCHITTEST && !Destroyed) {
    // The grip sizes its window from anywhere on it, and is no hot control.
    if (IsWindowEnabled(CtrlHandle) && IsHotWindow(CtrlHandle))
      if (TsSkinManager* manager = TsSkinManager::DefaultManager()) SetHotWindow(*manager, nullptr);
    message.Result = HTBOTTOMRIGHT;
  }
}

// --- TacTransPanelWnd

TacTransPanelWnd::~TacTransPanelWnd() { UndoBinding(); }

void TacTransPanelWnd::Paint(HDC given) {
  GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
  PAINTSTRUCT ps{};
  BeginPaint(CtrlHandle, &ps);
  HDC dc = given ? given : GetWindowDC(CtrlHandle);
  SkinData->BGChanged = true;
  SendSkinCommandToWnd(CtrlHandle, scPrepareCache, 0);
  const TRect all{0, 0, static_cast<int>(WndSize.x), static_cast<int>(WndSize.y)};
  CopyHwndCache(CtrlHandle, SkinData, all, 0, 0, false, dc, all);
  if (!given) ReleaseDC(CtrlHandle, dc);
  EndPaint(CtrlHandle, &ps);
}

void TacTransPanelWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_ERASEBKGND:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_NCPAINT:
      message.Result = 0;
      return;
    default:
      break;
  }
  TacMainWnd::AdapterWndProc(message);
}

// --- TacPanelWnd

std::wstring PanelSectionOf(const TCustomPanel& panel) {
  switch (panel.BevelOuter()) {
    case bvLowered:
      return panel.BevelInner() == bvRaised ? L"GROUPBOX" : L"PANEL_LOW";
    case bvRaised:
      return panel.BevelInner() == bvLowered ? L"GROUPBOX" : L"PANEL";
    default:
      return panel.BorderStyle() != bsNone ? L"PANEL_LOW" : L"CHECKBOX";
  }
}

TacPanelWnd::~TacPanelWnd() { UndoBinding(); }

void TacPanelWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                         TsCommonData* skinData) {
  Panel = skinData ? dynamic_cast<TCustomPanel*>(skinData->OwnerControl()) : nullptr;
  TacMainWnd::Create(handle, repaint, skinSection, skinManager, skinData);
  if (skinSection.empty() && Panel) {
    const bool updating = SkinData->OwnUpdating();
    SkinData->SetUpdating(true);
    SkinData->SetSkinSection(PanelSectionOf(*Panel));
    SkinData->SetUpdating(updating);
  }
}

bool TacPanelWnd::Active() const {
  const TControl* owner = SkinData ? SkinData->OwnerControl() : nullptr;
  return owner && owner->ControlStyle().Contains(csAcceptsControls);
}

void TacPanelWnd::PrepareCache() {
  auto* owner = dynamic_cast<TWinControl*>(SkinData->OwnerControl());
  if (!owner) return;
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache) return;
  cache->SetSize(owner->Width(), owner->Height());
  TacCacheInfo ci = EmptyCacheInfo;
  GetParentCache(SkinData, ci);
  PaintSectionItem(*SkinData, ci, true, 0, TRect{0, 0, owner->Width(), owner->Height()},
                   TPoint{owner->Left(), owner->Top()}, cache, true);
  if (Panel && !Panel->Caption().empty()) {
    const int inset = (Panel->BevelInner() != bvNone ? Panel->BevelWidth() : 0) +
                      (Panel->BevelOuter() != bvNone ? Panel->BevelWidth() : 0);
    RECT client{};
    GetClientRect(CtrlHandle, &client);
    InflateRect(&client, -inset, -inset);
    TCanvas* canvas = cache->Canvas();
    canvas->SetFont(owner->Font());
    canvas->Brush()->SetStyle(bsClear);
    RECT w{0, 0, 100, 0};
    DrawTextW(canvas->Handle(), L"W", 1, &w, DT_CALCRECT);
    const int textHeight = w.bottom - w.top;
    const int top = client.top + (client.bottom - client.top - textHeight) / 2;
    const UINT flags = GetStringFlags(Panel, Panel->Alignment()) | DT_WORDBREAK | DT_VCENTER;
    PaintSkinDataText(canvas, Panel->Caption(), owner->Enabled(), false, *SkinData, flags,
                      TRect{client.left, top, client.right, top + textHeight});
  }
  SkinData->BGChanged = false;
}

void TacPanelWnd::PaintClient(HDC given) {
  auto* owner = dynamic_cast<TWinControl*>(SkinData->OwnerControl());
  if (!owner || Destroying(owner) || SkinData->Updating()) return;
  HDC dc = given ? given : GetWindowDC(CtrlHandle);
  if (SkinData->BGChanged) PrepareCache();
  const SIZE size = WindowSize(CtrlHandle);
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  const int b = (size.cx - client.right) / 2;
  CopyWinControlCache(owner, SkinData, TRect{b, b, owner->Width() - b, owner->Height() - b}, 0, 0, false, dc,
                      TRect{0, 0, owner->Width() - 2 * b, owner->Height() - 2 * b});
  PaintGraphicControls(dc, owner, true, POINT{0, 0});
  SendEndUpdateToChildWnds(CtrlHandle);
  if (!given) ReleaseDC(CtrlHandle, dc);
}

void TacPanelWnd::PaintFrame(HDC given) {
  const SIZE size = WindowSize(CtrlHandle);
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  SendSkinCommandToWnd(CtrlHandle, scPrepareCache, 0);
  const int b = (size.cx - client.right) / 2;
  TBitmap* cache = SkinData->CacheBmp();
  if (b <= 0 || !cache || cache->Empty()) return;
  HDC dc = given ? given : GetWindowDC(CtrlHandle);
  paint::CopyFrameBits(dc, 0, 0, size.cx, size.cy, cache->Canvas()->Handle(), 0, 0, b);
  if (!given) ReleaseDC(CtrlHandle, dc);
}

void TacPanelWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned() || !Active()) {
    const UINT msg = message.Msg;
    TacMainWnd::AdapterWndProc(message);
    if (msg == WM_WINDOWPOSCHANGING && !Destroyed) SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
    return;
  }
  auto* owner = dynamic_cast<TWinControl*>(SkinData->OwnerControl());
  if (message.Msg == SkinCommandMessage) {
    const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinManager);
    switch (SkinCommandCode(message.WParam)) {
      case scEndUpdate:
        SkinData->SetUpdating(false);
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        return;
      case scNewSkin:
      case scRefresh:
        TacMainWnd::AdapterWndProc(message);
        if (own && owner) BroadcastToControls(owner, message);
        return;
      case scRemoveSkin:
        if (!own) break;
        SkinData->SkinIndex = -1;
        owner->ControlStyle().Exclude(csOpaque);
        break;
      case scIsSkinned:
        message.Result = 1;
        return;
      case scPrepareCache:
        if (SkinData->BGChanged) PrepareCache();
        return;
      case scGetApplication:
        message.Result = ApplicationAnswer();
        return;
      default:
        break;
    }
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_SETTEXT:
      if (!IsWindowVisible(CtrlHandle)) break;
      SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      TacMainWnd::AdapterWndProc(message);
      SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
      SkinData->BGChanged = true;
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      return;
    case WM_PAINT: {
      InvalidateRect(CtrlHandle, nullptr, TRUE);
      PAINTSTRUCT ps{};
      BeginPaint(CtrlHandle, &ps);
      EndPaint(CtrlHandle, &ps);
      message.Result = 0;
      return;
    }
    case WM_ERASEBKGND:
      PaintClient(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_NCPAINT:
      PaintFrame(nullptr);
      message.Result = 0;
      return;
    case WM_UPDATEUISTATE:
      message.Result = 1;
      return;
    case WM_PRINT:
      SkinData->BGChanged = true;
      PaintClient(reinterpret_cast<HDC>(message.WParam));
      PaintFrame(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_PARENTNOTIFY:
      TacMainWnd::AdapterWndProc(message);
      if (LOWORD(message.WParam) == WM_CREATE && owner) NotifyParentForm(owner);
      return;
    case CM_TEXTCHANGED_:
      SkinData->BGChanged = true;
      break;
    case CM_SHOWINGCHANGED_:
      if (owner && owner->Visible()) {
        NotifyParentForm(owner);
        TMessage fresh{SkinCommandMessage, SkinCommandWParam(scNewSkin), reinterpret_cast<LPARAM>(SkinManager), 0};
        BroadcastToControls(owner, fresh);
        TMessage refresh{SkinCommandMessage, SkinCommandWParam(scRefresh), reinterpret_cast<LPARAM>(SkinManager), 0};
        BroadcastToControls(owner, refresh);
      }
      break;
    default:
      break;
  }
  TacMainWnd::AdapterWndProc(message);
}

}  // namespace skin::adapters
