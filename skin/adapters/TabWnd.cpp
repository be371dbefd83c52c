#include "skin/adapters/TabWnd.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterPaint.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/SpinWnd.h"
#include "skin/adapters/WindowClass.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ParentBackground.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/ControlUtils.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr std::uint16_t kGetManager = 27;
constexpr wchar_t kUpDownClass[] = L"msctls_updown32";

TBarRect ToBar(const RECT& r) { return TBarRect{r.left, r.top, r.right, r.bottom}; }
TRect ToRect(const TBarRect& r) { return TRect{r.Left, r.Top, r.Right, r.Bottom}; }
TBarRect ToBar(const TRect& r) { return TBarRect{r.Left, r.Top, r.Right, r.Bottom}; }

std::vector<TacPageWnd*>& PageList() {
  // Pages whose windows outlive the program's adapters are freed at exit.
  struct TPages {
    std::vector<TacPageWnd*> Items;
    ~TPages() {
      while (!Items.empty()) delete Items.back();
    }
  };
  static TPages pages;
  return pages.Items;
}

void Forget(TacPageWnd* page) {
  auto& list = PageList();
  list.erase(std::remove(list.begin(), list.end(), page), list.end());
}

HFONT WindowFont(HWND wnd) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(wnd, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

std::size_t PageAdapterCount() { return PageList().size(); }

// --- TacTabControlWnd

TacTabControlWnd::~TacTabControlWnd() {
  UndoBinding();
  UpDown.reset();
}

void TacTabControlWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                              TsCommonData* skinData) {
  TacMainWnd::Create(handle, repaint, skinSection.empty() ? std::wstring(L"PAGECONTROL") : skinSection, skinManager,
                     skinData);
}

TTabSide TacTabControlWnd::Side() const {
  return TabSideOf(static_cast<std::uint32_t>(GetWindowLongPtrW(CtrlHandle, GWL_STYLE)));
}

TTabKind TacTabControlWnd::Kind() const {
  return TabKindOf(static_cast<std::uint32_t>(GetWindowLongPtrW(CtrlHandle, GWL_STYLE)));
}

int TacTabControlWnd::TabCount() const {
  return std::max(0, static_cast<int>(SendMessageW(CtrlHandle, TCM_GETITEMCOUNT, 0, 0)));
}

void TacTabControlWnd::DisplayRect(TRect& rect) {
  RECT r{0, 0, WndSize.x, WndSize.y};
  SendMessageW(CtrlHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  rect = TRect{r.left, r.top + 2, r.right, r.bottom};
}

void TacTabControlWnd::PageRect(TRect& rect) {
  TRect display{};
  DisplayRect(display);
  rect = ToRect(TabPageRect(WndSize.x, WndSize.y, ToBar(display), Side(), TabCount() > 0));
}

TRect TacTabControlWnd::TabRect(int index, bool active) const {
  if (index < 0 || index >= TabCount()) return TRect{};
  RECT r{};
  SendMessageW(CtrlHandle, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  if (Kind() != tkTabs) return TRect{r.left, r.top, r.right, r.bottom};
  return ToRect(AdjustTabRect(ToBar(r), Side(), active));
}

int TacTabControlWnd::PageSectionIndex(std::wstring& name) const {
  name = SkinData->SkinSection();
  if (TabCount() == 0) {
    name = L"CHECKBOX";
  } else if (name == L"PAGECONTROL") {
    static const wchar_t* const bySide[] = {L"PAGECONTROL", L"PAGECONTROLBOTTOM", L"PAGECONTROLLEFT",
                                            L"PAGECONTROLRIGHT"};
    name = bySide[Side()];
  }
  return SkinManager ? SkinManager->GetSkinIndex(name) : -1;
}

bool TacTabControlWnd::TabSection(int& section, std::wstring& name) const {
  if (!SkinManager || !SkinManager->Skin() || SkinManager->Skin()->ConstData.Tabs[0].Section < 0) return false;
  switch (Kind()) {
    case tkTabs: {
      static const wchar_t* const bySide[] = {L"TABTOP", L"TABBOTTOM", L"TABLEFT", L"TABRIGHT"};
      section = SkinManager->Skin()->ConstData.Tabs[static_cast<std::size_t>(Side())].Section;
      name = bySide[Side()];
      break;
    }
    case tkButtons:
      name = L"BUTTON";
      section = SkinManager->GetSkinIndex(name);
      break;
    case tkFlatButtons:
      name = L"TOOLBUTTON";
      section = SkinManager->GetSkinIndex(name);
      break;
  }
  return section >= 0;
}

void TacTabControlWnd::PaintRotatedText(TCanvas* canvas, const std::wstring& text, const TRect& r, int state,
                                        int section) {
  LOGFONTW lf{};
  GetObjectW(canvas->Font()->Handle(), sizeof(lf), &lf);
  LOGFONTW rotated{};
  rotated.lfHeight = lf.lfHeight;
  rotated.lfItalic = lf.lfItalic;
  rotated.lfUnderline = lf.lfUnderline;
  rotated.lfStrikeOut = lf.lfStrikeOut;
  rotated.lfCharSet = lf.lfCharSet;
  rotated.lfWeight = FW_NORMAL;
  const bool left = Side() == tsLeft;
  rotated.lfEscapement = rotated.lfOrientation = left ? -2700 : -900;
  // The raster face does not turn.
  wcsncpy(rotated.lfFaceName, _wcsicmp(lf.lfFaceName, L"MS Sans Serif") == 0 ? L"Arial" : lf.lfFaceName,
          LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&rotated);
  HDC dc = canvas->Handle();
  HGDIOBJ old = SelectObject(dc, font);
  const TsGeneralData& s = SkinManager->Skin()->Sections[static_cast<std::size_t>(section)];
  const bool hot = state != 0 && s.States > 1;
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(hot ? s.Props[1].FontColor : s.Props[0].FontColor)));
  SetBkMode(dc, TRANSPARENT);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
  // Bottom to top on the left, top to bottom on the right, centred.
  const int x = left ? r.Left + (r.Width() - extent.cy) / 2 : r.Right - (r.Width() - extent.cy) / 2;
  const int y = left ? r.Bottom - (r.Height() - extent.cx) / 2 : r.Top + (r.Height() - extent.cx) / 2;
  TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
  SelectObject(dc, old);
  DeleteObject(font);
}

void TacTabControlWnd::PaintTab(int index, int state, TBitmap* target, const TPoint& targetOrigin) {
  int section = -1;
  std::wstring sectionName;
  if (!TabSection(section, sectionName)) return;
  if (state == 2 && SendMessageW(CtrlHandle, TCM_GETCURSEL, 0, 0) != index) return;
  const TRect r = TabRect(index, state == 2);
  if (r.IsEmpty()) return;
  std::vector<wchar_t> buffer(4096, L'\0');
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
  item.pszText = buffer.data();
  item.cchTextMax = static_cast<int>(buffer.size()) - 1;
  SendMessageW(CtrlHandle, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const std::wstring text = buffer.data();

  std::unique_ptr<TBitmap> bmp(paint::NewBitmap32(r.Width(), r.Height()));
  TBitmap* cache = SkinData->CacheBmp();
  paint::PaintSectionItemByIndex(section, sectionName, MakeCacheInfo(cache, 0, 0), true, state,
                                 TRect{0, 0, r.Width(), r.Height()}, TPoint{r.Left, r.Top}, bmp.get(), SkinManager,
                                 paint::TStateTextures{});
  TCanvas* canvas = bmp->Canvas();
  canvas->Font()->SetHandle(WindowFont(CtrlHandle));
  canvas->Brush()->SetStyle(bsClear);
  TRect textR{0, 0, r.Width(), r.Height()};
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(CtrlHandle, TCM_GETIMAGELIST, 0, 0));
  const bool vertical = Side() == tsLeft || Side() == tsRight;
  if (images && item.iImage >= 0) {
    int iw = 0, ih = 0;
    ImageList_GetIconSize(images, &iw, &ih);
    SIZE extent{};
    GetTextExtentPoint32W(canvas->Handle(), text.data(), static_cast<int>(text.size()), &extent);
    if (!vertical) {
      const int x = (r.Width() - (extent.cx + iw + 8)) / 2;
      ImageList_Draw(images, item.iImage, canvas->Handle(), x, (r.Height() - ih) / 2, ILD_TRANSPARENT);
      textR.Left = x + iw;
    } else {
      // Along the tab in its reading direction: the image comes first.
      const int along = (r.Height() - (extent.cx + ih + 8)) / 2;
      const int y = Side() == tsLeft ? r.Height() - along - ih : along;
      ImageList_Draw(images, item.iImage, canvas->Handle(), (r.Width() - iw) / 2, y, ILD_TRANSPARENT);
      if (Side() == tsLeft) textR.Bottom = y;
      else textR.Top = y + ih;
    }
  }
  if (!vertical) {
    paint::TSkinTextParams p;
    p.Text = text;
    p.R = textR;
    p.Flags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    p.State = state != 0 ? 1 : 0;
    p.SkinIndex = section;
    p.SkinManager = SkinManager;
    paint::PaintSkinText(canvas, p);
  } else {
    PaintRotatedText(canvas, text, textR, state, section);
  }
  BitBlt(target->Canvas()->Handle(), r.Left - targetOrigin.X, r.Top - targetOrigin.Y, r.Width(), r.Height(),
         canvas->Handle(), 0, 0, SRCCOPY);
}

void TacTabControlWnd::PaintFace(HDC dc) {
  GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
  if (SkinData->Updating() || !dc || WndSize.x <= 0 || WndSize.y <= 0) return;
  SkinData->BGChanged = true;
  std::wstring pageName;
  const int pageSection = PageSectionIndex(pageName);
  SkinData->SkinIndex = pageSection;
  TacCacheInfo ci;
  GetParentCacheHwnd(CtrlHandle, ci);
  TBitmap* cache = WindowSizedCache(*this);
  // The whole face over the parent first: between and beside the tabs the
  // parent shows through.
  if (ci.Ready && ci.Bmp) {
    BitBlt(cache->Canvas()->Handle(), 0, 0, WndSize.x, WndSize.y, ci.Bmp->Canvas()->Handle(), ci.X + WndPos.x,
           ci.Y + WndPos.y, SRCCOPY);
  } else {
    const TColor fill = ci.FillColor == kSkinKeyColor ? GetWndColor(ParentWnd) : ci.FillColor;
    RECT all{0, 0, WndSize.x, WndSize.y};
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(fill)));
    FillRect(cache->Canvas()->Handle(), &all, brush);
    DeleteObject(brush);
  }
  const int count = TabCount();
  const int selected = static_cast<int>(SendMessageW(CtrlHandle, TCM_GETCURSEL, 0, 0));
  TRect page{};
  PageRect(page);
  if (count > 0) {
    const int rows = std::max(1, static_cast<int>(SendMessageW(CtrlHandle, TCM_GETROWCOUNT, 0, 0)));
    for (int row = 1; row <= rows; ++row)
      for (int i = 0; i < count; ++i) {
        if (i == selected) continue;
        if (TabRow(ToBar(TabRect(i, false)), ToBar(page), Side(), rows) == row) PaintTab(i, 0, cache, TPoint{0, 0});
      }
  }
  if (pageSection >= 0)
    paint::PaintSectionItemByIndex(pageSection, pageName, MakeCacheInfo(cache, 0, 0), true, 0, page,
                                   TPoint{page.Left, page.Top}, cache, SkinManager, paint::TStateTextures{});
  SkinData->BGChanged = false;
  paintedSize_ = POINT{WndSize.x, WndSize.y};

  const TRect active = selected >= 0 ? TabRect(selected, true) : TRect{};
  int tabSection = -1;
  std::wstring tabName;
  const bool drawActive = !active.IsEmpty() && TabSection(tabSection, tabName);
  const int saved = SaveDC(dc);
  if (drawActive) ExcludeClipRect(dc, active.Left, active.Top, active.Right, active.Bottom);
  BitBlt(dc, 0, 0, WndSize.x, WndSize.y, cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
  if (drawActive) {
    std::unique_ptr<TBitmap> tab(paint::NewBitmap32(active.Width(), active.Height()));
    PaintTab(selected, 2, tab.get(), TPoint{active.Left, active.Top});
    BitBlt(dc, active.Left, active.Top, active.Width(), active.Height(), tab->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
}

void TacTabControlWnd::RefreshUpDown() {
  HWND spin = SkinData && SkinData->Skinned() ? FindChildOfClass(CtrlHandle, kUpDownClass) : nullptr;
  if (!spin) {
    UpDown.reset();
    return;
  }
  if (UpDown && UpDown->CtrlHandle == spin && !UpDown->Destroyed) return;
  UpDown.reset();
  UpDown.reset(MakeAdapter<TacSpinWnd>(spin, true, L"UPDOWNBTN", SkinManager, nullptr));
}

void TacTabControlWnd::TabProc(TMessage& message) {
  if (message.Msg == SkinCommandMessage && SkinCommandCode(message.WParam) <= MaxCommonCode) {
    const std::uint16_t code = SkinCommandCode(message.WParam);
    const bool ownManager = message.LParam == reinterpret_cast<LPARAM>(SkinManager);
    switch (code) {
      case scRemoveSkin:
        if (!ownManager) {
          SendToChildren(nullptr, CtrlHandle, message);
          return;
        }
        TacMainWnd::AdapterWndProc(message);
        UpDown.reset();
        InvalidateRect(CtrlHandle, nullptr, TRUE);
        RedrawWindow(CtrlHandle, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW |
                         RDW_FRAME);
        return;
      case scRefresh:
        TacMainWnd::AdapterWndProc(message);
        if (ownManager) {
          InvalidateRect(CtrlHandle, nullptr, TRUE);
          RefreshUpDown();
        }
        return;
      case scEndUpdate:
        SkinData->SetUpdating(false);
        InvalidateRect(CtrlHandle, nullptr, TRUE);
        return;
      case kGetManager:
        message.Result = reinterpret_cast<LRESULT>(SkinManager);
        return;
      default:
        break;
    }
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_NCPAINT:
      message.Result = 0;
      return;
    case WM_PAINT:
      PaintThroughErase(CtrlHandle);
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
      if (IsWindowVisible(CtrlHandle)) {
        if (!AnimationRunning()) {
          HDC dc = GetDC(CtrlHandle);
          PaintFace(dc);
          ReleaseDC(CtrlHandle, dc);
        }
        RefreshUpDown();
      }
      message.Result = 1;
      return;
    case WM_PRINT:
      RefreshUpDown();
      PaintFace(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case TCM_SETCURSEL:
      SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      TacMainWnd::AdapterWndProc(message);
      SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
      InvalidateRect(CtrlHandle, nullptr, TRUE);
      return;
    default:
      break;
  }
  TacMainWnd::AdapterWndProc(message);
  if (Destroyed) return;
  if (message.Msg == WM_SIZE) {
    RefreshUpDown();
    RECT r{};
    GetWindowRect(CtrlHandle, &r);
    if (r.right - r.left < paintedSize_.x || r.bottom - r.top < paintedSize_.y)
      RedrawWindow(CtrlHandle, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_NOINTERNALPAINT | RDW_NOERASE | RDW_NOCHILDREN | RDW_FRAME);
  } else if (message.Msg == 0xB02C) {  // the class library's control-list change
    RefreshUpDown();
  }
}

void TacTabControlWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  TabProc(message);
}

// --- TacPageControlWnd

void TacPageControlWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                               TsCommonData* skinData) {
  TacTabControlWnd::Create(handle, repaint, skinSection, skinManager, skinData);
  AdaptPages();
}

void TacPageControlWnd::AdaptPages() {
  if (!CtrlHandle || !SkinData || !SkinData->Skinned()) return;
  for (HWND child = GetWindow(CtrlHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetParent(child) != CtrlHandle || WindowClassIs(child, kUpDownClass)) continue;
    auto* manager = reinterpret_cast<TsSkinManager*>(SendSkinCommandToWnd(CtrlHandle, kGetManager, 0));
    if (!manager || SendSkinCommandToWnd(child, scIsSkinned, 0) == 1) continue;
    auto* page = MakeAdapter<TacPageWnd>(child, true, L"CHECKBOX", manager, nullptr);
    PageList().push_back(page);
  }
}

void TacPageControlWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacTabControlWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_PRINT:
      RefreshUpDown();
      AdaptPages();
      PaintFace(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE || LOWORD(message.WParam) == WM_DESTROY) AdaptPages();
      break;
    case WM_NCPAINT:
      AdaptPages();
      message.Result = 0;
      return;
    default:
      break;
  }
  TabProc(message);
}

// --- TacPageWnd

TacPageWnd::~TacPageWnd() {
  UndoBinding();
  Forget(this);
}

void TacPageWnd::PaintPage(HDC dc) {
  if (!dc) return;
  GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
  TacBGInfo info;
  QueryParentBackground(info, ParentWnd, false);
  if (info.Kind == bgImage && info.Bmp) {
    if (info.Bmp->Width() <= 0) SendMessageW(ParentWnd, WM_PAINT, reinterpret_cast<WPARAM>(info.Bmp->Canvas()->Handle()), 0);
    if (info.Bmp->Width() <= 0) return;
    BitBlt(dc, 0, 0, WndSize.x, WndSize.y, info.Bmp->Canvas()->Handle(), WndPos.x + info.Offset.X,
           WndPos.y + info.Offset.Y, SRCCOPY);
  } else if (info.Kind == bgColor) {
    // A plain face: the page takes its colour.
    RECT all{0, 0, WndSize.x, WndSize.y};
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(info.Color)));
    FillRect(dc, &all, brush);
    DeleteObject(brush);
  }
  TMessage endUpdate = SkinCommand(scEndUpdate);
  SendToChildren(nullptr, CtrlHandle, endUpdate);
}

void TacPageWnd::AdapterWndProc(TMessage& message) {
  if (message.Msg == WM_DESTROY || message.Msg == WM_NCDESTROY) {
    // The window is going: so are its adapter and its place in the list
    // (as soon as the adapter is off the window, at the latest with the
    // window's last message).
    TacMainWnd::AdapterWndProc(message);
    if (Destroyed || message.Msg == WM_NCDESTROY) delete this;
    return;
  }
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  if (message.Msg == SkinCommandMessage && SkinCommandCode(message.WParam) <= MaxCommonCode) {
    const std::uint16_t code = SkinCommandCode(message.WParam);
    const bool ownManager = message.LParam == reinterpret_cast<LPARAM>(SkinManager);
    switch (code) {
      case scRemoveSkin:
      case scRefresh:
        if (ownManager) {
          TacMainWnd::AdapterWndProc(message);
          InvalidateRect(CtrlHandle, nullptr, TRUE);
        }
        SendToChildren(nullptr, CtrlHandle, message);
        return;
      case scEndUpdate:
        if (SkinData->OwnUpdating()) {
          SkinData->SetUpdating(false);
          InvalidateRect(CtrlHandle, nullptr, TRUE);
        }
        return;
      case scGetBGInfo: {
        if (RefusedFromStranger(message)) return;
        auto* info = reinterpret_cast<TacBGInfo*>(message.LParam);
        GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
        QueryParentBackground(*info, ParentWnd, info->PleaseDraw);
        info->Offset = TPoint{info->Offset.X + WndPos.x, info->Offset.Y + WndPos.y};
        message.Result = 0;
        return;
      }
      default:
        break;
    }
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      if (!IsWindowVisible(CtrlHandle)) break;
      PaintMessageDC(CtrlHandle, message.WParam, [this](HDC dc) { PaintPage(dc); });
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
      if (IsWindowVisible(CtrlHandle)) PaintPage(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_NCPAINT:
      message.Result = 0;
      return;
    case WM_PRINT:
      PaintPage(reinterpret_cast<HDC>(message.WParam));
      return;
    default:
      break;
  }
  TacMainWnd::AdapterWndProc(message);
  if (message.Msg == WM_PARENTNOTIFY && LOWORD(message.WParam) == WM_CREATE && !Destroyed) NotifyTopWindow(CtrlHandle);
}

}  // namespace skin::adapters
