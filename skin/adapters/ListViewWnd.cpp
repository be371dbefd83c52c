#include "skin/adapters/ListViewWnd.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterPaint.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/HeaderPaint.h"
#include "skin/adapters/ListScrollMath.h"
#include "skin/adapters/WindowClass.h"
#include "skin/adapters/WindowThunk.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr int kListViewCode = 10;
constexpr int kReport = 3;
constexpr wchar_t kHeaderClass[] = L"SysHeader32";

void SetListColour(HWND wnd, UINT get, UINT set, COLORREF colour) {
  if (static_cast<COLORREF>(SendMessageW(wnd, get, 0, 0)) != colour) SendMessageW(wnd, set, 0, colour);
}

}  // namespace

// --- TacListViewWnd

TacListViewWnd::~TacListViewWnd() {
  UndoBinding();
  UnhookHeader();
}

void TacListViewWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                            TsCommonData* skinData) {
  if (skinData) skinData->COC = kListViewCode;
  TacEditWnd::Create(handle, repaint, skinSection, skinManager, skinData);
  HotItem = PressedItem = -1;
  if (handle) HookHeader(FindChildOfClass(handle, kHeaderClass));
}

int TacListViewWnd::ViewStyle() const {
  switch (SendMessageW(CtrlHandle, LVM_GETVIEW, 0, 0)) {
    case LV_VIEW_DETAILS: return kReport;
    case LV_VIEW_SMALLICON: return 1;
    case LV_VIEW_LIST: return 2;
    default: return 0;
  }
}

void TacListViewWnd::HookHeader(HWND header) {
  if (!header || headerThunk_) return;
  headerThunk_ = TWindowThunk::Install(header, [this](TMessage& m) { HeaderProc(m); });
  if (headerThunk_) HeaderWnd = header;
}

void TacListViewWnd::UnhookHeader() {
  // A thunk another party subclassed over stays in the chain (forwarding
  // to the old procedure); it is never handed out again.
  if (headerThunk_) {
    if (!headerThunk_->Remove()) headerThunk_->Release();
    headerThunk_ = nullptr;
  }
  HeaderWnd = nullptr;
  HotItem = PressedItem = -1;
}

void TacListViewWnd::SaveControlParams() {
  TacEditWnd::SaveControlParams();
  if (!CtrlHandle) return;
  OldColor = static_cast<TColor>(SendMessageW(CtrlHandle, LVM_GETBKCOLOR, 0, 0));
  OldFontColor = static_cast<TColor>(SendMessageW(CtrlHandle, LVM_GETTEXTCOLOR, 0, 0));
  oldTextBkColor_ = static_cast<COLORREF>(SendMessageW(CtrlHandle, LVM_GETTEXTBKCOLOR, 0, 0));
}

void TacListViewWnd::RestoreControlParams() {
  UnhookHeader();
  headerReleased_ = true;
  if (CtrlHandle && IsWindow(CtrlHandle)) {
    SendMessageW(CtrlHandle, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(OldColor));
    SendMessageW(CtrlHandle, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(oldTextBkColor_));
    SendMessageW(CtrlHandle, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(OldFontColor));
    InvalidateRect(CtrlHandle, nullptr, TRUE);
  }
  TacEditWnd::RestoreControlParams();
}

void TacListViewWnd::ApplySkinParams() {
  TacEditWnd::ApplySkinParams();
  if (!CtrlHandle || !SkinData) return;
  COLORREF back, text;
  if (DlgMode) {
    back = static_cast<COLORREF>(ColorToRGB(clWindow));
    text = static_cast<COLORREF>(ColorToRGB(clWindowText));
  } else if (const TsGeneralData* section = SkinData->Section()) {
    back = static_cast<COLORREF>(section->Props[0].Color);
    text = static_cast<COLORREF>(section->Props[0].FontColor);
  } else {
    return;
  }
  SetListColour(CtrlHandle, LVM_GETBKCOLOR, LVM_SETBKCOLOR, back);
  SetListColour(CtrlHandle, LVM_GETTEXTBKCOLOR, LVM_SETTEXTBKCOLOR, back);
  SetListColour(CtrlHandle, LVM_GETTEXTCOLOR, LVM_SETTEXTCOLOR, text);
}

void TacListViewWnd::PaintHeader(HDC dc) {
  if (!HeaderWnd || !dc) return;
  RECT client{};
  GetClientRect(HeaderWnd, &client);
  const int count = static_cast<int>(SendMessageW(HeaderWnd, HDM_GETITEMCOUNT, 0, 0));
  const auto font = reinterpret_cast<HFONT>(SendMessageW(CtrlHandle, WM_GETFONT, 0, 0));
  const auto background = static_cast<TColor>(SendMessageW(CtrlHandle, LVM_GETBKCOLOR, 0, 0));
  auto paintItem = [&](int index, const RECT& r) {
    std::unique_ptr<TBitmap> bmp(paint::NewBitmap32(r.right - r.left, r.bottom - r.top));
    THeaderItemLook look;
    look.State = index == PressedItem ? 2 : index == HotItem ? 1 : 0;
    look.Font = font;
    look.Background = background == static_cast<TColor>(CLR_NONE) ? ColorToRGB(clWindow) : background;
    if (index >= 0) {
      wchar_t text[260] = {};
      HDITEMW item{};
      item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
      item.pszText = text;
      item.cchTextMax = static_cast<int>(std::size(text)) - 1;
      SendMessageW(HeaderWnd, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
      look.Text = text;
      const int align = item.fmt & HDF_JUSTIFYMASK;
      look.Align = align == HDF_RIGHT ? haRight : align == HDF_CENTER ? haCenter : haLeft;
      look.Sort = (item.fmt & HDF_SORTUP) ? hsUp : (item.fmt & HDF_SORTDOWN) ? hsDown : hsNone;
      if (item.fmt & HDF_IMAGE) {
        look.Images = reinterpret_cast<HIMAGELIST>(SendMessageW(HeaderWnd, HDM_GETIMAGELIST, 0, 0));
        look.Image = item.iImage;
      }
    }
    PaintHeaderItem(bmp.get(), SkinManager, look);
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
  };
  int right = 0;
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageW(HeaderWnd, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    if (r.right <= r.left || r.bottom <= r.top) continue;
    paintItem(i, r);
    right = std::max<int>(right, r.right);
    HeaderHeight = r.bottom - r.top;
  }
  if (right < client.right && client.bottom > 0) paintItem(-2, RECT{right, 0, client.right, client.bottom});
}

void TacListViewWnd::RepaintHeader() {
  if (!HeaderWnd) return;
  InvalidateRect(HeaderWnd, nullptr, FALSE);
  UpdateWindow(HeaderWnd);
}

void TacListViewWnd::HeaderProc(TMessage& m) {
  TWindowThunk* thunk = headerThunk_;
  if (!thunk) return;
  auto passOn = [&] { m.Result = thunk->CallOld(m.Msg, m.WParam, m.LParam); };
  if (m.Msg == WM_NCDESTROY) {
    passOn();
    UnhookHeader();
    return;
  }
  if (Destroyed || !SkinData || !SkinData->Skinned() || ViewStyle() != kReport) {
    passOn();
    return;
  }
  try {
    switch (m.Msg) {
      case WM_PAINT:
        PaintMessageDC(HeaderWnd, m.WParam, [this](HDC dc) { PaintHeader(dc); });
        m.Result = 0;
        return;
      case WM_PRINTCLIENT:
      case WM_PRINT:
        PaintHeader(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return;
      case WM_ERASEBKGND:
        m.Result = 0;
        return;
      case WM_WINDOWPOSCHANGING:
        if (IsWindowVisible(CtrlHandle)) SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
        passOn();
        return;
      case WM_NCHITTEST: {
        passOn();
        POINT pt{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        ScreenToClient(HeaderWnd, &pt);
        HDHITTESTINFO hit{};
        hit.pt = pt;
        SendMessageW(HeaderWnd, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        const int item = (hit.flags & HHT_ONHEADER) || (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) ? hit.iItem : -1;
        if (item != HotItem) {
          HotItem = item;
          RepaintHeader();
        }
        return;
      }
      case WM_LBUTTONDOWN: {
        passOn();
        HDHITTESTINFO hit{};
        hit.pt = POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        SendMessageW(HeaderWnd, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        PressedItem = (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) ? -1 : hit.iItem;
        if (HeaderWnd) InvalidateRect(HeaderWnd, nullptr, TRUE);
        return;
      }
      case WM_LBUTTONUP:
        PressedItem = -1;
        passOn();
        return;
      default:
        passOn();
        return;
    }
  } catch (...) {
    // The header keeps working whatever its painting met.
  }
}

bool TacListViewWnd::ThumbTrack(TMessage& message, bool vertical) {
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  GetScrollInfo(CtrlHandle, vertical ? SB_VERT : SB_HORZ, &si);
  // Only our own scroll bars put the full position into LParam; the
  // control's own bar puts its handle there.
  std::int32_t to = si.nTrackPos, from = si.nPos;
  if (ScrollSending) {
    to = message.LParam ? static_cast<std::int32_t>(message.LParam) : HIWORD(message.WParam);
    from = ScrollTracking().SavedPos;
  }
  if (to == from) return true;
  const int view = ViewStyle();
  std::int32_t extent = 1;
  if ((vertical && view == kReport) || (!vertical && view == 2)) {
    RECT item{};
    item.left = LVIR_BOUNDS;
    extent = SendMessageW(CtrlHandle, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item))
                 ? (vertical ? item.bottom - item.top : item.right - item.left)
                 : 0;
  }
  const std::int32_t pixels = ItemScrollPixels(from, to, extent);
  if (pixels != 0) SendMessageW(CtrlHandle, LVM_SCROLL, vertical ? 0 : pixels, vertical ? pixels : 0);
  message.Result = 0;
  return true;
}

void TacListViewWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacEditWnd::AdapterWndProc(message);
    return;
  }
  if (message.Msg == SkinCommandMessage && SkinCommandCode(message.WParam) <= MaxCommonCode) {
    const std::uint16_t code = SkinCommandCode(message.WParam);
    const bool ownManager = message.LParam == reinterpret_cast<LPARAM>(SkinManager);
    switch (code) {
      case scRefresh:
        if (!ownManager) break;
        TacEditWnd::AdapterWndProc(message);
        RepaintHeader();
        return;
      case scBeforeScroll:
        message.Result = 1;
        return;
      case scNewSkin:
        TacEditWnd::AdapterWndProc(message);
        if (ownManager) {
          headerReleased_ = false;
          if (!headerThunk_) HookHeader(FindChildOfClass(CtrlHandle, kHeaderClass));
        }
        return;
      default:
        break;
    }
  }
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (LOWORD(message.WParam) == SB_THUMBTRACK && ThumbTrack(message, message.Msg == WM_VSCROLL)) return;
      if (message.Msg == WM_VSCROLL) message.LParam = 0;
      break;
    case WM_PAINT:
      ApplySkinParams();
      break;
    case WM_NCHITTEST:
      if (HotItem != -1 || PressedItem != -1) {
        HotItem = PressedItem = -1;
        RepaintHeader();
      }
      break;
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE) {
        // Only a header of our own is adopted; the one we have gives way.
        const auto child = reinterpret_cast<HWND>(message.LParam);
        if (!headerReleased_ && child != HeaderWnd && IsChildOfClass(child, CtrlHandle, kHeaderClass)) {
          UnhookHeader();
          HookHeader(child);
        }
      }
      break;
    default:
      break;
  }
  TacEditWnd::AdapterWndProc(message);
  if (Destroyed) return;
  switch (message.Msg) {
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
    case LVM_ARRANGE:
    case WM_STYLECHANGED:
      if (!SkinData->Updating()) RefreshScrollBars(this, true);
      break;
    case WM_LBUTTONUP:
      if (GetCapture() == CtrlHandle) ReleaseCapture();
      break;
    case WM_PRINT:
      if (message.WParam && HeaderWnd && IsWindowVisible(HeaderWnd) && ViewStyle() == kReport) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        RECT hr{};
        GetWindowRect(HeaderWnd, &hr);
        POINT at{hr.left, hr.top};
        ScreenToClient(CtrlHandle, &at);
        const int saved = SaveDC(dc);
        const TRect client = TRect{MarginLeft, MarginTop, WndSize.x - MarginRight, WndSize.y - MarginBottom};
        IntersectClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
        SetViewportOrgEx(dc, MarginLeft + at.x, MarginTop + at.y, nullptr);
        PaintHeader(dc);
        RestoreDC(dc, saved);
      }
      break;
    default:
      break;
  }
}

// --- TacTreeViewWnd

void TacTreeViewWnd::SaveControlParams() {
  TacEditWnd::SaveControlParams();
  if (!CtrlHandle) return;
  oldBkColor_ = static_cast<COLORREF>(SendMessageW(CtrlHandle, TVM_GETBKCOLOR, 0, 0));
  oldTextColor_ = static_cast<COLORREF>(SendMessageW(CtrlHandle, TVM_GETTEXTCOLOR, 0, 0));
}

void TacTreeViewWnd::RestoreControlParams() {
  TacEditWnd::RestoreControlParams();
  if (!CtrlHandle || !IsWindow(CtrlHandle)) return;
  SendMessageW(CtrlHandle, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(oldBkColor_));
  SendMessageW(CtrlHandle, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(oldTextColor_));
  InvalidateRect(CtrlHandle, nullptr, TRUE);
}

void TacTreeViewWnd::ApplySkinParams() {
  ParamsChanged = true;
  if (!SkinData || !CtrlHandle) return;
  const TsGeneralData* section = SkinData->Section();
  TColor colour = ColorToRGB(clWindow), font = ColorToRGB(clWindowText);
  if (!DlgMode) {
    if (!section) return;
    const int state = section->States > 1 && (SkinData->FFocused || SkinData->FMouseAbove) ? 1 : 0;
    colour = section->Props[static_cast<std::size_t>(state)].Color;
    font = section->Props[static_cast<std::size_t>(state)].FontColor;
  }
  if (TControl* owner = SkinData->OwnerControl()) {
    if (!SkinData->CustomFont() && owner->Font()->Color() != font) owner->Font()->SetColor(font);
    if (!SkinData->CustomColor() && owner->Color() != colour) owner->SetColor(colour);
  }
  if (DlgMode || !SkinData->CustomColor())
    SetListColour(CtrlHandle, TVM_GETBKCOLOR, TVM_SETBKCOLOR, static_cast<COLORREF>(colour));
  // A window of its own gets the text colour too: on a dark section the
  // system's black items could not be read.
  if (!SkinData->OwnerControl() && (DlgMode || !SkinData->CustomFont()))
    SetListColour(CtrlHandle, TVM_GETTEXTCOLOR, TVM_SETTEXTCOLOR, static_cast<COLORREF>(font));
}

void TacTreeViewWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacEditWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      SkinData->SetUpdating(false);
      if (SkinData->Updating()) {
        message.Result = 0;
        return;
      }
      if (!ParamsChanged) ApplySkinParams();
      if (SkinData->BGChanged) PrepareAdapterCache(SkinData, CtrlHandle, DlgMode);
      const TsGeneralData* section = SkinData->Section();
      const TColor colour = DlgMode || !section ? ColorToRGB(clWindow) : section->Props[0].Color;
      HDC dc = message.WParam ? reinterpret_cast<HDC>(message.WParam) : GetDC(CtrlHandle);
      RECT client{};
      GetClientRect(CtrlHandle, &client);
      paint::FillRectColor(dc, TRect{0, 0, client.right, client.bottom}, colour);
      if (!message.WParam) ReleaseDC(CtrlHandle, dc);
      message.Result = 1;
      return;
    }
    case WM_LBUTTONUP:
      TacEditWnd::AdapterWndProc(message);
      if (GetCapture() == CtrlHandle) ReleaseCapture();
      return;
    default:
      break;
  }
  TacEditWnd::AdapterWndProc(message);
}

}  // namespace skin::adapters
