// The raw dialog's adapter: construction, geometry, region, translucent
// dragging and its window procedure. The frame's image and title buttons
// are in DialogFrame.cpp.
#include "skin/adapters/DialogWnd.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/DialogChildKinds.h"
#include "skin/adapters/DialogCorners.h"
#include "skin/adapters/DialogEffects.h"
#include "skin/adapters/DialogProviders.h"
#include "skin/adapters/DialogSystemMenu.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/Composition.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/HotTracking.h"
#include "skin/common/LayeredImages.h"
#include "skin/common/WindowAnimations.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "skin/core/MaskValue.h"
#include "skin/core/SkinConst.h"
#include "skin/forms/DwmEntries.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/ProviderDC.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskRegions.h"

namespace skin::adapters {

namespace {

// While the dialog is dragged its opacity falls step by step to the
// target. The drag ends when the modal move loop returns; a tick that finds
// the loop over (the button released) ends it too.
void CALLBACK BlendTimerProc(HWND wnd, UINT, UINT_PTR, DWORD) {
  auto* dialog = dynamic_cast<TacDialogWnd*>(GetAdapter(wnd));
  if (!dialog || !dialog->Moving) return;
  // With an extended border the border window is the one dragged.
  const TacBorderForm* border = dialog->BorderForm();
  const HWND dragged = border && border->BorderWindow() ? border->BorderWindow() : wnd;
  if (!(GetAsyncKeyState(VK_LBUTTON) & 0x8000) && GetCapture() != dragged && GetCapture() != wnd) {
    dialog->StopBlendOnMoving();
    return;
  }
  dialog->BlendStep();
}

}  // namespace

TacDialogWnd::TacDialogWnd() = default;

TacDialogWnd::~TacDialogWnd() {
  // The border window, the hiding picture, fades and glows go first: they
  // read the dialog.
  Effects.reset();
  if (BlendTimer) KillTimer(CtrlHandle, BlendTimer);
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
  if (CaptionFont) DeleteObject(CaptionFont);
  SysMenu.reset();
  TitleImage.reset();
  // Unbind while this class's overrides still run.
  UndoBinding();
}

void TacDialogWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                          TsCommonData* skinData) {
  TacScrollWnd::Create(handle, repaint, skinSection, skinManager, skinData);
  ChildrenAdapted = false;
  NeedRegion = true;
  BorderKind = 1;
  TitleImage = std::make_unique<classlib::TBitmap>();
  Active = true;
  OSVERSIONINFOW version{sizeof(version)};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&version);
#pragma GCC diagnostic pop
  OwnClientPaint = version.dwMajorVersion >= 6;
  CaptionIndex = TitleIndex = -1;
  SysMenu = std::make_unique<TacSystemMenu>(nullptr);
  SysMenu->Dialog = this;
  SysMenu->UpdateItems();
  if (SkinData) SkinData->SetUpdating(true);
  // The system's own show and hide transitions would fight the skinned frame.
  acDwmSetTransitions(CtrlHandle, true);
  TsSkinManager* def = TsSkinManager::DefaultManager();
  if (def && def->SkinnedPopups()) SkinableMenusOf(def)->HookPopupMenu(SysMenu.get(), true);
  Effects = std::make_unique<TacDialogEffects>(*this);
  InitTitleButtons();
}

void TacDialogWnd::InitDialogParams() {
  SavedStyle = static_cast<DWORD>(GetWindowLongPtrW(CtrlHandle, GWL_STYLE));
  SavedExStyle = static_cast<DWORD>(GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE));
  if ((SavedStyle & WS_POPUP) && (SavedStyle & WS_CAPTION) != WS_CAPTION) BorderKind = 2;
  else if (!(SavedStyle & WS_THICKFRAME) && (SavedStyle & DS_MODALFRAME)) BorderKind = 0;
  else BorderKind = 3;
  Icon = reinterpret_cast<HICON>(SendMessageW(CtrlHandle, WM_GETICON, ICON_SMALL, 0));
  if (!Icon) Icon = reinterpret_cast<HICON>(GetClassLongPtrW(CtrlHandle, GCLP_HICONSM));
  InitTitleButtons();
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    if (CaptionFont) DeleteObject(CaptionFont);
    CaptionFont = CreateFontIndirectW(&metrics.lfCaptionFont);
  }
  // The system draws no caption buttons of its own; the saved style keeps it.
  SetWindowLongPtrW(CtrlHandle, GWL_STYLE, SavedStyle & ~WS_SYSMENU);
  if (SysMenu) SysMenu->UpdateItems();
}

int TacDialogWnd::CaptionHeight(bool useSkin) const {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(CtrlHandle, GWL_STYLE));
  if ((style & WS_CAPTION) != WS_CAPTION && !IsIconic(CtrlHandle)) return 0;
  // The skin's own title height comes only through an extended border.
  if (useSkin && BorderForm())
    if (const int skinHeight = SkinTitleHeight(BorderForm())) return skinHeight;
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE));
  return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

int TacDialogWnd::ClientOffsetX() const {
  return (WndWidth(CtrlHandle) - WndClientWidth(CtrlHandle)) / 2 + ImageOrigin().x;
}

int TacDialogWnd::ClientOffsetY() const {
  const int frame = CaptionHeight(true) ? FrameWidthOf(CtrlHandle, nullptr, true) : 0;
  return WndHeight(CtrlHandle) - WndClientHeight(CtrlHandle) - frame + ImageOrigin().y;
}

RECT TacDialogWnd::IconRect() const {
  RECT r;
  const RECT m = GetExBorderMargins();
  r.left = FrameWidthOf(CtrlHandle, BorderForm(), true) + (SkinManager ? SkinManager->SkinData().BILeft : 0) + m.left;
  r.right = r.left + GetSystemMetrics(SM_CXSMICON);
  r.top = (InnerFrameWidth(CtrlHandle, BorderForm(), true) + CaptionHeight(true) - GetSystemMetrics(SM_CYSMICON)) / 2 +
          m.top;
  r.bottom = r.top + GetSystemMetrics(SM_CYSMICON);
  if (PlainBorder()) OffsetRect(&r, 0, SkinManager->SkinData().CenterOffset);
  return r;
}

int TacDialogWnd::TitleButtonWidth(int maskIndex) const {
  const TsMaskData* mask = MaskAt(SkinManager, maskIndex);
  if (!mask) return 21;
  const int count = std::max<int>(1, mask->ImageCount);
  return (mask->Bmp ? static_cast<int>(mask->Bmp->Width()) : mask->R.Width()) / count;
}

int TacDialogWnd::TitleButtonHeight(int maskIndex) const {
  const TsMaskData* mask = MaskAt(SkinManager, maskIndex);
  if (!mask) return 21;
  return (mask->Bmp ? static_cast<int>(mask->Bmp->Height()) : mask->R.Height()) / (mask->MaskType + 1);
}

int TacDialogWnd::TitleButtonsWidth() const {
  if (!HasSysMenu()) return 0;
  int width = TitleButtonWidth(Buttons[2].ImageIndex);
  if (HasContextHelp()) width += TitleButtonWidth(Buttons[3].ImageIndex);
  return width;
}

bool TacDialogWnd::CanClose() const {
  return HasSysMenu() && !(GetClassLongPtrW(CtrlHandle, GCL_STYLE) & CS_NOCLOSE);
}
bool TacDialogWnd::CanMaximize() const {
  return HasMaxBox() && !IsZoomed(CtrlHandle) && (BorderKind == 1 || BorderKind == 3);
}
bool TacDialogWnd::CanMinimize() const { return HasMinBox() && !IsIconic(CtrlHandle); }
bool TacDialogWnd::CanRestore() const { return HasMaxBox() && (IsIconic(CtrlHandle) || IsZoomed(CtrlHandle)); }

TacTitleButton* TacDialogWnd::ButtonOf(int hitCode) {
  switch (hitCode) {
    case kHitMin: return &Buttons[0];
    case kHitMax: return &Buttons[1];
    case kHitClose: return &Buttons[2];
    case kHitHelp: return &Buttons[3];
    default: return nullptr;
  }
}

void TacDialogWnd::InitRegionRects() {
  RegionRects.clear();
  if (!SkinManager || !SkinManager->Skin() || !SkinData) return;
  const int width = WndWidth(CtrlHandle), height = WndHeight(CtrlHandle);
  std::vector<TRect> rects;
  if (const TsMaskData* border = SkinData->BorderMask()) {
    paint::CollectCornerRects(rects, width, *border, false, 0);
    paint::CollectCornerRects(rects, width, *border, true, height - border->WB);
  }
  if (SkinManager->IsValidSkinIndex(TitleIndex)) {
    const int mask = SkinManager->GetMaskIndex(TitleIndex, TitleSection, L"BORDERSMASK");
    if (const TsMaskData* m = MaskAt(SkinManager, mask)) paint::CollectCornerRects(rects, width, *m, false, 0);
  }
  for (const TRect& r : rects) RegionRects.push_back(RECT{r.Left, r.Top, r.Right, r.Bottom});
}

void TacDialogWnd::ApplyWindowRegion(bool repaint) {
  if (BorderKind == 2 && !IsIconic(CtrlHandle)) return;
  // Another component may veto the region.
  if (SendMessageW(CtrlHandle, RegionVetoMessage, RegionVetoCode, 0) == static_cast<LRESULT>(RegionVetoCode)) return;
  SettingRegion = true;
  HRGN region = nullptr;
  if (BorderForm()) {
    // The border window shows the frame and title: the window keeps its client.
    const RECT client = GetClientRectInWindow(CtrlHandle);
    region = CreateRectRgn(client.left, client.top, client.right, client.bottom);
  } else {
    region = CreateRectRgn(0, 0, WndWidth(CtrlHandle), WndHeight(CtrlHandle));
  }
  for (const RECT& r : BorderForm() ? std::vector<RECT>{} : RegionRects) {
    HRGN cut = CreateRectRgn(r.left, r.top, r.right, r.bottom);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
  if (!SetWindowRgn(CtrlHandle, region, repaint)) DeleteObject(region);
  SettingRegion = false;
}

void TacDialogWnd::ShowSystemMenu(int x, int y) {
  if (!SysMenu) return;
  SysMenu->UpdateItems();
  SysMenu->SetWindowHandle(CtrlHandle);
  SysMenu->Popup(x, y);
}

void TacDialogWnd::StartBlendOnMoving() {
  if (Moving || !SkinManager) return;
  TacBlendOnMoving* blend = SkinManager->AnimEffects()->BlendOnMoving();
  if (!blend->Active()) return;
  HWND wnd = CtrlHandle;
  TacBorderForm* border = BorderForm();
  HWND borderWnd = border && IsWindowVisible(wnd) ? border->BorderWindow() : nullptr;
  std::unique_ptr<classlib::TBitmap> picture = borderWnd && Effects ? CopyWndImage(*Effects, false) : nullptr;
  Moving = true;
  BlendTarget = blend->BlendValue();
  BlendAlpha = 255;
  if (picture) {
    // The border window is dragged, carrying the whole dialog (its client
    // and children printed in, no hole); the dialog itself stays where it
    // was, unseen behind it, and follows when the drag ends.
    Effects->DragImage = std::move(picture);
    RECT wr{};
    GetWindowRect(wnd, &wr);
    const POINT o = ImageOrigin();
    SetWindowRgn(borderWnd, nullptr, FALSE);
    PushToLayeredWindow(borderWnd, *Effects->DragImage, 255, POINT{wr.left - o.x, wr.top - o.y});
    SetWindowPos(wnd, borderWnd, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(wnd, 0, 0, LWA_ALPHA);
    BlendTimer = SetTimer(wnd, reinterpret_cast<UINT_PTR>(this), 12, BlendTimerProc);
    SendMessageW(borderWnd, WM_SYSCOMMAND, kDragMove, 0);  // returns when the drag ends
  } else {
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(wnd, 0, BlendAlpha, LWA_ALPHA);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    BlendTimer = SetTimer(wnd, reinterpret_cast<UINT_PTR>(this), 12, BlendTimerProc);
    SendMessageW(wnd, WM_SYSCOMMAND, kDragMove, 0);  // returns when the drag ends
  }
  if (IsWindow(wnd) && Moving) StopBlendOnMoving();
}

void TacDialogWnd::BlendStep() {
  // Thirty steps from opaque to the target, at least one unit each.
  const int step = std::max(1, (255 - BlendTarget) / 30);
  BlendAlpha = static_cast<std::uint8_t>(std::max<int>(BlendTarget, BlendAlpha - step));
  TacBorderForm* border = BorderForm();
  if (HWND borderWnd = border ? border->BorderWindow() : nullptr; borderWnd && Effects && Effects->DragImage) {
    RECT r{};
    GetWindowRect(borderWnd, &r);
    PushToLayeredWindow(borderWnd, *Effects->DragImage, BlendAlpha, POINT{r.left, r.top});
    return;
  }
  SetLayeredWindowAttributes(CtrlHandle, 0, BlendAlpha, LWA_ALPHA);
}

void TacDialogWnd::StopBlendOnMoving() {
  if (!Moving) return;
  HWND wnd = CtrlHandle;
  if (BlendTimer) KillTimer(wnd, BlendTimer);
  BlendTimer = 0;
  TacBorderForm* border = BorderForm();
  HWND borderWnd = border ? border->BorderWindow() : nullptr;
  if (borderWnd && Effects && Effects->DragImage) {
    // The dialog goes where the border window was left, on top again.
    RECT r{};
    GetWindowRect(borderWnd, &r);
    const POINT o = ImageOrigin();
    SetWindowPos(wnd, HWND_TOP, r.left + o.x, r.top + o.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    SetFocus(wnd);
    RedrawWindow(wnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    // The dialog shows before the border window gets back its hole.
    Sleep(40);
    Effects->DragImage.reset();
    Moving = false;
    UpdateBorder(true);  // its own picture again, with the hole, behind the dialog
    return;
  }
  Moving = false;
  if (Effects) Effects->DragImage.reset();
  SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  UpdateWindow(wnd);
  SetFocus(wnd);
  RedrawWindow(wnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  UpdateBorder(true);
}

void TacDialogWnd::RepaintCaption() {
  if (SkinData) SkinData->BGChanged = true;
  RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
  UpdateBorder(true);
}

HBRUSH TacDialogWnd::DialogBrush(COLORREF color) {
  auto it = brushes_.find(color);
  if (it != brushes_.end()) return it->second;
  HBRUSH brush = CreateSolidBrush(color);
  brushes_.emplace(color, brush);
  return brush;
}

void TacDialogWnd::RepaintFrame() {
  if (Provider) AdaptDialogChildren(Provider, CtrlHandle);
  PaintNonClientArea();
  if (NeedRegion && !SettingRegion && !(BorderKind == 2 && !(SavedStyle & WS_THICKFRAME))) {
    InitRegionRects();
    ApplyWindowRegion(true);
    NeedRegion = false;
  }
  classlib::TBitmap* cache = SkinData ? SkinData->CacheBmp() : nullptr;
  if (!cache || cache->Empty()) return;
  HDC dc = GetWindowDC(CtrlHandle);
  HDC src = cache->Canvas()->Handle();
  const int w = WndWidth(CtrlHandle), h = WndHeight(CtrlHandle);
  // In window coordinates; the cache holds the window from its origin on.
  const POINT o = ImageOrigin();
  const int cx = ClientOffsetX() - o.x, cy = ClientOffsetY() - o.y;
  const int right = cx + WndClientWidth(CtrlHandle), bottom = cy + WndClientHeight(CtrlHandle);
  // Four strips around the client area, never over it.
  BitBlt(dc, 0, 0, w, cy, src, o.x, o.y, SRCCOPY);
  BitBlt(dc, 0, cy, cx, bottom - cy, src, o.x, o.y + cy, SRCCOPY);
  BitBlt(dc, right, cy, w - right, bottom - cy, src, o.x + right, o.y + cy, SRCCOPY);
  BitBlt(dc, 0, bottom, w, h - bottom, src, o.x, o.y + bottom, SRCCOPY);
  ReleaseDC(CtrlHandle, dc);
  if (SkinData) SkinData->SetUpdating(false);
}

void TacDialogWnd::InvalidateStaleCorners(int newWidth, int newHeight) {
  const TsGeneralData* section = SkinData ? SkinData->Section() : nullptr;
  if (!section) return;
  auto size = [this](int index) {
    const TsMaskData* mask = MaskAt(SkinManager, index);
    return mask ? TCornerImageSize{MaskFrameWidth(*mask), MaskFrameHeight(*mask)} : TCornerImageSize{};
  };
  for (const TRect& r : StaleCornerRects(StoredClient.right, StoredClient.bottom, newWidth, newHeight,
                                         size(section->ImgTopRight), size(section->ImgBottomRight))) {
    const RECT stale{r.Left, r.Top, r.Right, r.Bottom};
    InvalidateRect(CtrlHandle, &stale, TRUE);
  }
}

void TacDialogWnd::OnSize(classlib::TMessage& m) {
  HWND wnd = CtrlHandle;
  const int newWidth = LOWORD(m.LParam), newHeight = HIWORD(m.LParam);
  if (!SkinData || SkinData->Updating()) {
    // Not painted yet: the size is only remembered, so that the first
    // resize on screen compares with the size the dialog really had.
    m.Result = CallPrev(m);
    StoredClient = RECT{0, 0, newWidth, newHeight};
    return;
  }
  InvalidateStaleCorners(newWidth, newHeight);
  SkinData->SetUpdating(true);
  m.Result = CallPrev(m);
  if (!IsWindow(wnd)) return;
  SkinData->SetUpdating(false);
  if (!AnimationRunning() && IsWindowVisible(wnd)) {
    // The frame may have been painted at the new size already (the system
    // paints it while it moves the window); otherwise it is now.
    const classlib::TBitmap* cache = SkinData->CacheBmp();
    const bool stale = !cache || cache->Width() != WndWidth(wnd) || cache->Height() != WndHeight(wnd);
    if (stale || (IsIconic(wnd) && acDwmCompositionEnabled())) {
      NeedRegion = true;
      SkinData->BGChanged = true;
      SendMessageW(wnd, WM_NCPAINT, 0, 0);
    }
    // Children whose background follows the dialog's gradient paint it again.
    const bool widthChanged = newWidth != StoredClient.right, heightChanged = newHeight != StoredClient.bottom;
    if (((SkinData->BGVariation & BGVariesVertically) && heightChanged) ||
        ((SkinData->BGVariation & BGVariesHorizontally) && widthChanged))
      BroadcastToChildren(wnd, SkinCommandMessage, SkinCommandWParam(scParentChanged), 0);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW | RDW_NOFRAME);
    // A larger dialog shows parts of the image the client never had.
    const bool grown = newWidth > StoredClient.right || newHeight > StoredClient.bottom;
    if (grown && StoredClient.right != 0 && !acDwmCompositionEnabled()) InvalidateRect(wnd, nullptr, TRUE);
  }
  StoredClient = RECT{0, 0, newWidth, newHeight};
}

void TacDialogWnd::PaintClient(HDC dc) {
  if (SkinData && SkinData->BGChanged) PaintNonClientArea();
  classlib::TBitmap* cache = SkinData ? SkinData->CacheBmp() : nullptr;
  if (cache && !cache->Empty())
    BitBlt(dc, 0, 0, WndClientWidth(CtrlHandle), WndClientHeight(CtrlHandle), cache->Canvas()->Handle(),
           ClientOffsetX(), ClientOffsetY(), SRCCOPY);
  BroadcastToChildren(CtrlHandle, SkinCommandMessage, SkinCommandWParam(scEndUpdate), 0);
}

void TacDialogWnd::EraseBackground(HDC given) {
  HDC dc = given ? given : GetDC(CtrlHandle);
  const int saved = SaveDC(dc);
  if (SkinData) SkinData->SetUpdating(false);
  ExcludeChildren(dc, CtrlHandle, 0, 0);
  PaintClient(dc);
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(CtrlHandle, dc);
}

void TacDialogWnd::AdapterWndProc(classlib::TMessage& m) {
  HWND wnd = CtrlHandle;
  if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY) {
    HandleDestroy(m);
    Destroyed = true;
    return;
  }
  if (m.Msg == SkinCommandMessage) {
    if (RefusedFromStranger(m)) return;
    switch (SkinCommandCode(m.WParam)) {
      case scNewSkin:
        UpdateExtBorderForm(SkinManager && SkinManager->ExtendedBorders());
        if (reinterpret_cast<TsSkinManager*>(m.LParam) == SkinManager && SkinData) {
          SkinData->UpdateIndexes();
          CaptionIndex = SkinManager->GetSkinIndex(L"CAPTION");
          InitTitleButtons();
          BroadcastToChildren(wnd, m.Msg, m.WParam, m.LParam);
        }
        m.Result = 1;
        return;
      case scRefresh:
        if (SkinData) {
          SkinData->UpdateIndexes();
          SkinData->Invalidate(false);
        }
        UpdateExtBorderForm(SkinManager && SkinManager->ExtendedBorders());
        UpdateBorder(true);
        m.Result = 1;
        return;
      case scSetUpdating:
        // The flag rides in the low word, as for every other receiver.
        if (SkinData) {
          SkinData->SetUpdating(SkinCommandLow(m.WParam) == 1);
          if (SkinData->Updating()) SkinData->BGChanged = true;
        }
        break;
      case scIsLocked:
        m.Result = SkinData && SkinData->Updating() ? 1 : 0;
        return;
      case scBGVaries: {
        const TsGeneralData* section = SkinData ? SkinData->Section() : nullptr;
        m.Result = section && section->GradientPercent + section->ImagePercent >= 1 ? 1 : 0;
        return;
      }
      case scGetBGColor:
        m.Result = SkinData ? static_cast<LRESULT>(static_cast<std::uint32_t>(GetBGColor(SkinData, 0, wnd))) : 0;
        return;
      case 28:
        if (Provider) AdaptDialogChildren(Provider, wnd);
        break;
      case scGetBGInfo: {
        // Children lie in the client area: their background is the cache
        // from the client offset on.
        auto* info = reinterpret_cast<TacBGInfo*>(m.LParam);
        const bool draw = info->PleaseDraw;
        if (draw) {
          info->Offset.X += ClientOffsetX();
          info->Offset.Y += ClientOffsetY();
        }
        if (SkinData && (!SkinData->CacheBmp() || SkinData->CacheBmp()->Empty())) PaintNonClientArea();
        FillBGInfo(SkinData, *info, 0, wnd);
        if (info->Kind == bgImage && !draw && SkinData) {
          info->Bmp = SkinData->CacheBmp();
          info->Offset = TPoint{ClientOffsetX(), ClientOffsetY()};
        }
        m.Result = 0;
        return;
      }
      default:
        break;
    }
    TacScrollWnd::AdapterWndProc(m);
    return;
  }
  switch (m.Msg) {
    case DM_SETDEFID:
      TacScrollWnd::AdapterWndProc(m);
      if (Provider) AdaptDialogChildren(Provider, wnd);
      return;
    case kControlsShownMessage:
      // Controls the dialog made late get their adapters at once.
      m.Result = CallPrev(m);
      if (Provider && IsWindow(wnd)) AdaptDialogChildren(Provider, wnd);
      RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
      return;
    case WM_MOUSEMOVE:
      if (IsWindowEnabled(wnd)) SetActiveControl(nullptr);
      break;
    case WM_MOUSELEAVE:
      SetHotTitleButton(0, true);
      break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      if (BorderForm() && m.WParam == static_cast<WPARAM>(-1)) m.WParam = static_cast<WPARAM>(BorderHit(m));
      NCLButtonUp(m);
      return;
    case WM_NCLBUTTONDOWN:
      if (BorderForm() && m.WParam == HTBORDER) {
        m.Result = CallPrev(m);
        return;
      }
      if (BorderForm() && m.WParam == static_cast<WPARAM>(-1)) m.WParam = static_cast<WPARAM>(BorderHit(m));
      // A point outside the title buttons' band keeps the code it came with.
      if (m.WParam < 10 || m.WParam > 17)
        if (const LRESULT own = HitTest(m)) m.WParam = static_cast<WPARAM>(own);
      NCLButtonDown(m);
      return;
    case WM_NCLBUTTONDBLCLK:
      if (m.WParam == HTCAPTION) {
        if (CanMaximize() || CanRestore()) {
          SendMessageW(wnd, WM_SYSCOMMAND, (IsZoomed(wnd) || IsIconic(wnd)) ? SC_RESTORE : SC_MAXIMIZE, 0);
          if (SysMenu) SysMenu->UpdateItems();
        }
        m.WParam = 0;
      } else if (m.WParam == HTSYSMENU) {
        SendMessageW(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return;
    case WM_NCRBUTTONDOWN:
      if (m.WParam == HTCAPTION || m.WParam == HTSYSMENU) return;
      break;
    case WM_NCRBUTTONUP:
      if (BorderForm() && m.WParam == static_cast<WPARAM>(-1)) m.WParam = static_cast<WPARAM>(BorderHit(m));
      if (m.WParam == HTCAPTION || m.WParam == HTSYSMENU) {
        SetHotTitleButton(0, true);
        ShowSystemMenu(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      }
      return;
    case WM_NCHITTEST:
      m.Result = HitTest(m);
      if (m.Result == HTNOWHERE || m.Result == HTCAPTION) {
        m.Result = CallPrev(m);
        SetHotTitleButton(0, true);
      }
      return;
    case WM_NCACTIVATE:
      if (!IsWindowVisible(wnd)) break;
      SendMessageW(wnd, WM_SETREDRAW, 0, 0);
      m.Result = CallPrev(m);
      Active = m.WParam != 0;
      SendMessageW(wnd, WM_SETREDRAW, 1, 0);
      RepaintCaption();
      return;
    case WM_GETDLGCODE:
      return;
    case WM_NCPAINT:
      if (!IsWindowVisible(wnd)) break;
      GetWindowPosInParent(wnd, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
      if (TacBorderForm* border = BorderForm();
          border && !(border->BorderWindow() && IsWindowVisible(border->BorderWindow())) && !AnimationRunning())
        UpdateBorder(true);
      RepaintFrame();
      m.Result = 1;
      return;
    case WM_SHOWWINDOW:
      if (ShowWindowMsg(m)) return;
      break;
    case WM_WINDOWPOSCHANGED:
      if (WindowPosChangedMsg(m)) return;
      break;
    case WM_COMMAND:
      if (m.WParam == IDCANCEL || m.WParam == IDYES) {
        HideCommandMsg(m);
        TacScrollWnd::AdapterWndProc(m);
        // The command left the dialog open: its stand-in goes.
        if (IsWindow(wnd) && IsWindowVisible(wnd) && Effects && (Effects->SnapshotForm || Effects->Hiding())) {
          Effects->SnapshotForm.reset();
          Effects->SetHiding(false);
          UpdateBorder(true);
        }
        return;
      }
      break;
    case WM_DRAWITEM:
      if (reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam)->CtlType == ODT_STATIC)
        SetBkMode(reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam)->hDC, TRANSPARENT);
      break;
    case WM_CTLCOLORDLG:
      m.Result = reinterpret_cast<LRESULT>(DialogBrush(SkinManager ? SkinManager->GetGlobalColor() : 0xFFFFFF));
      return;
    case WM_SIZE:
      OnSize(m);
      return;
    case WM_SETFOCUS:
      m.Result = CallPrev(m);
      RedrawWindow(GetActiveWindow(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      UpdateBorder(true);
      return;
    case WM_ENABLE:
    case WM_SETTEXT:
      if (!IsWindowVisible(wnd)) break;
      m.Result = CallPrev(m);
      if (SkinData) SkinData->BGChanged = true;
      if (BorderForm()) UpdateBorder(true);
      else SendMessageW(wnd, WM_NCPAINT, 0, 0);
      return;
    case WM_PAINT:
      if (OwnClientPaint) {
        PAINTSTRUCT ps;
        BeginPaint(wnd, &ps);
        EndPaint(wnd, &ps);
        m.Result = 0;
      } else {
        m.Result = CallPrev(m);
      }
      return;
    case WM_ERASEBKGND:
      GetWindowPosInParent(wnd, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
      if (!ChildrenAdapted) {
        ChildrenAdapted = true;
        if (Provider) AdaptDialogChildren(Provider, wnd);
      }
      if (HDC dc = reinterpret_cast<HDC>(m.WParam); dc && SkinData && SkinData->CacheBmp() &&
                                                       SkinData->CacheBmp()->Width() != WndWidth(wnd)) {
        // The frame's image is behind the window's size: the title's colour
        // stands in until it is painted again.
        const TsGeneralData* title = SectionAt(SkinManager, TitleIndex);
        RECT client;
        GetClientRect(wnd, &client);
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(
            title ? title->Color : SkinManager ? SkinManager->GetGlobalColor() : classlib::ColorToRGB(classlib::clBtnFace)));
        FillRect(dc, &client, brush);
        DeleteObject(brush);
      }
      EraseBackground(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return;
    default:
      break;
  }
  const UINT msg = m.Msg;
  const WPARAM param = m.WParam, command = param & 0xFFF0;
  TacScrollWnd::AdapterWndProc(m);
  if (!IsWindow(wnd)) return;
  if (msg == WM_SIZING) {
    // The border follows each step of a resize, not only its end.
    UpdateBorder(true);
    return;
  }
  if (msg != WM_SYSCOMMAND) return;
  if (param == kDragMove) {
    UpdateWindow(wnd);
    UpdateBorder(true);
  } else if (command == SC_MAXIMIZE || command == SC_RESTORE) {
    // The button that caused it is not hot any more.
    if (HasMaxBox()) HotButton = kHitMax;
    SetHotTitleButton(0, false);
  }
}

LRESULT TacDialogWnd::BorderHit(const classlib::TMessage& m) {
  TacBorderForm* border = BorderForm();
  return border ? border->HitTest(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}) : -1;
}

std::wstring GetWndText(HWND wnd) {
  const int length = GetWindowTextLengthW(wnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(wnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(0, got)));
  return text;
}

namespace {
struct TExcludeArgs {
  HDC dc;
  HWND parent;
  int x, y;
};

BOOL CALLBACK ExcludeChild(HWND child, LPARAM param) {
  const auto* a = reinterpret_cast<const TExcludeArgs*>(param);
  if (GetParent(child) != a->parent) return TRUE;
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  if (!(style & WS_VISIBLE)) return TRUE;
  if ((style & 7) == 7) return TRUE;  // group boxes are transparent
  if ((style & 0x10000) && PlainClassName(GetWndClassName(child)) == L"static") return TRUE;
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, a->parent, reinterpret_cast<POINT*>(&r), 2);
  ExcludeClipRect(a->dc, r.left + a->x, r.top + a->y, r.right + a->x, r.bottom + a->y);
  return TRUE;
}
}  // namespace

void ExcludeChildren(HDC dc, HWND parent, int offsetX, int offsetY) {
  TExcludeArgs args{dc, parent, offsetX, offsetY};
  EnumChildWindows(parent, ExcludeChild, reinterpret_cast<LPARAM>(&args));
}

}  // namespace skin::adapters
