#include "skin/adapters/MDIWnd.h"

#include <algorithm>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr UINT kMdiClientInternal = 0x3F;
constexpr int kClientEdge = 2;

// A section with nothing but its colour: no gradient, image or transparency.
bool SimpleSection(const TsCommonData* skinData) {
  const TsGeneralData* s = skinData ? skinData->Section() : nullptr;
  return !s || (s->Props[0].Transparency == 0 && s->Props[0].GradientPercent <= 0 && s->Props[0].ImagePercent <= 0);
}

}  // namespace

TacMDIWnd::~TacMDIWnd() {
  UndoBinding();
  FormSkinData = nullptr;
  Provider = nullptr;
}

void TacMDIWnd::Attach(TWinControl* form, TsCommonData* formSkinData, TsSkinnedForm* provider) {
  MDIForm = form;
  FormSkinData = formSkinData;
  Provider = provider;
  if (form && form->HandleAllocated()) FormWnd = form->Handle();
  if (!FormWnd) FormWnd = GetParent(CtrlHandle);
}

HWND TacMDIWnd::Form() const { return FormWnd ? FormWnd : GetParent(CtrlHandle); }

bool TacMDIWnd::ChildMaximized() const {
  BOOL maximized = FALSE;
  const auto active = reinterpret_cast<HWND>(SendMessageW(CtrlHandle, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active && maximized;
}

void TacMDIWnd::PaintClientArea(HDC dc) {
  if (!dc || !FormSkinData) return;
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  TsSkinManager* manager = FormSkinData->SkinManager();
  const int area = manager ? manager->GetSkinIndex(L"MDIAREA") : -1;
  if (area < 0 && SimpleSection(FormSkinData)) {
    paint::FillRectColor(dc, TRect{0, 0, client.right, client.bottom}, GetBGColor(FormSkinData, 0, Form()));
    return;
  }
  // The form's image, when the form has one of its size, holds the area
  // behind the client as the form paints it.
  TBitmap* image = FormSkinData->CacheBmp();
  RECT formRect{}, clientRect{};
  GetWindowRect(Form(), &formRect);
  GetWindowRect(CtrlHandle, &clientRect);
  const bool stale = !image || image->Width() != formRect.right - formRect.left ||
                     image->Height() != formRect.bottom - formRect.top || FormSkinData->BGChanged;
  // The provider rebuilds the form's image when it paints the frame.
  if (Provider && stale) SendMessageW(Form(), WM_NCPAINT, 1, 0);
  const bool imageFits = Provider && image && image->Width() >= formRect.right - formRect.left &&
                         image->Height() >= formRect.bottom - formRect.top;
  const int edge = (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) ? kClientEdge : 0;
  if (imageFits) {
    BitBlt(dc, 0, 0, client.right, client.bottom, image->Canvas()->Handle(), clientRect.left - formRect.left + edge,
           clientRect.top - formRect.top + edge, SRCCOPY);
    return;
  }
  // Without a form image: the area section itself.
  paint::PaintSectionItemToDC(area, L"MDIAREA", EmptyCacheInfo, true, 0, TRect{0, 0, client.right, client.bottom},
                              TPoint{0, 0}, dc, manager);
}

void TacMDIWnd::PaintClientFrame(HDC dc) {
  const int edge = (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) ? kClientEdge : 0;
  if (!edge) return;
  RECT wr{};
  GetWindowRect(CtrlHandle, &wr);
  const TRect all{0, 0, wr.right - wr.left, wr.bottom - wr.top};
  paint::FillFrameColor(dc, all, paint::TFrameWidths{edge, edge, edge, edge}, GetBGColor(FormSkinData, 0, Form()));
}

void TacMDIWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed) {
    TacBaseWnd::AdapterWndProc(message);
    return;
  }
  if (message.Msg == SkinCommandMessage && SkinCommandCode(message.WParam) <= MaxCommonCode) {
    switch (SkinCommandCode(message.WParam)) {
      case scTrackBarPaint:
        message.Result = SendSkinCommandToWnd(Form(), scTrackBarPaint, 0);
        return;
      case scBeforeScroll: {
        const int code = LOWORD(message.LParam);
        message.Result = code == SB_THUMBPOSITION || code == SB_THUMBTRACK ? 1 : 0;
        return;
      }
      case scAfterScroll:
        RefreshScrollBars(this, true);
        message.Result = 0;
        return;
      default:
        break;
    }
  }
  if (!FormSkinData) {
    TacBaseWnd::AdapterWndProc(message);
    return;
  }
  const bool skinned = FormSkinData->Skinned();
  switch (message.Msg) {
    case WM_NCPAINT: {
      if (!skinned) break;
      message.Result = 1;
      if (ChildMaximized() || AnimationRunning()) return;
      HDC dc = GetWindowDC(CtrlHandle);
      PaintClientFrame(dc);
      PaintScrollBars(this, CtrlHandle, dc);
      ReleaseDC(CtrlHandle, dc);
      return;
    }
    case WM_ERASEBKGND:
      if (!skinned || !message.WParam) break;
      if (!AnimationRunning() && !ChildMaximized()) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        const int saved = SaveDC(dc);
        PaintClientArea(dc);
        RestoreDC(dc, saved);
      }
      message.Result = 1;
      return;
    case WM_PAINT:
      if (AnimationRunning()) return;
      break;
    case WM_PRINT:
      if (!skinned || !message.WParam) break;
      message.Result = 0;
      if (!ChildMaximized()) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        PaintClientArea(dc);
        PaintScrollBars(this, CtrlHandle, dc);
      }
      return;
    case WM_WINDOWPOSCHANGING:
      FormSkinData->BGChanged = true;
      break;
    case WM_WINDOWPOSCHANGED:
      if (Provider) RedrawWindow(Form(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
      break;
    case WM_STYLECHANGED:
      CallPrev(message);
      return;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const int code = LOWORD(message.WParam);
      if (code == SB_THUMBTRACK) return;  // the children move when the thumb is let go
      if (code == SB_THUMBPOSITION) {
        const bool vertical = message.Msg == WM_VSCROLL;
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        GetScrollInfo(CtrlHandle, vertical ? SB_VERT : SB_HORZ, &si);
        const int steps = si.nPos - si.nMin - ScrollTracking().SavedPos + 1;
        ScrollWindow(CtrlHandle, vertical ? 0 : 8 * steps, vertical ? 8 * steps : 0, nullptr, nullptr);
        message.Result = 0;
        return;
      }
      break;
    }
    case WM_MDITILE:
    case WM_MDICASCADE: {
      CallPrev(message);
      FormSkinData->BGChanged = true;
      BOOL maximized = FALSE;
      const auto active =
          reinterpret_cast<HWND>(SendMessageW(CtrlHandle, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
      if (active) SetWindowLongPtrW(active, GWL_STYLE, GetWindowLongPtrW(active, GWL_STYLE) & ~WS_SYSMENU);
      InvalidateRect(CtrlHandle, nullptr, TRUE);
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
      return;
    }
    case WM_MDISETMENU:
      CallPrev(message);
      FormSkinData->BGChanged = true;
      return;
    case WM_MDIACTIVATE:
    case WM_MDIMAXIMIZE:
    case WM_MDIRESTORE:
      // A maximized child shows its icon and buttons in the form's menu line.
      CallPrev(message);
      if (OnMenuLineChange) OnMenuLineChange();
      return;
    default:
      break;
  }
  TacBaseWnd::AdapterWndProc(message);
  if (Destroyed) return;
  if (message.Msg == kMdiClientInternal || message.Msg == WM_PARENTNOTIFY) {
    const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
    VertBar->ScrollVisible = (style & WS_VSCROLL) != 0;
    HorzBar->ScrollVisible = (style & WS_HSCROLL) != 0;
    RefreshScrollBars(this, true);
  } else if (message.Msg == WM_MDIREFRESHMENU && Provider) {
    RedrawWindow(Form(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  }
}

}  // namespace skin::adapters
