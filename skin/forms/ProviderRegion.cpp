// The window region cut from the skin's transparent corners, the frame
// repaint, resizing, and when the painting messages reach the painters.
#include <algorithm>

#include "skin/core/SkinCommand.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskRegions.h"

namespace skin {

using namespace classlib;

void TsSkinProvider::InitRegionRects() {
  regionRects_.clear();
  TsSkinManager* manager = Manager();
  if (!manager || !manager->Skin()) return;
  const int width = FormWidth(), height = FormHeight();
  if (const TsMaskData* border = skinData_->BorderMask()) {
    paint::CollectCornerRects(regionRects_, width, *border, false, 0);
    paint::CollectCornerRects(regionRects_, width, *border, true, height - border->WB);
  }
  const int title = TitleSkinIndex();
  if (manager->IsValidSkinIndex(title)) {
    const int mask = manager->GetMaskIndex(title, TitleSkinName(), L"BORDERSMASK");
    if (manager->IsValidImgIndex(mask))
      paint::CollectCornerRects(regionRects_, width, manager->Skin()->Masks[static_cast<size_t>(mask)], false, 0);
  }
}

HRGN TsSkinProvider::MakeFormRegion(int x, int y) const {
  HRGN region = CreateRectRgn(x, y, x + FormWidth(), y + FormHeight());
  if (!region) return nullptr;
  for (const TRect& r : regionRects_) {
    HRGN cut = CreateRectRgn(r.Left + x, r.Top + y, r.Right + x, r.Bottom + y);
    if (!cut) continue;
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
  return region;
}

void TsSkinProvider::ApplyWindowRegion(bool repaint) {
  HWND wnd = FormHandle();
  if (!drawNonClientArea_ || !wnd) return;
  if (!HasBorder() && !Iconic() && !IsSizableWnd(wnd)) return;
  // Another component may veto the first region.
  if (!paintedOnce_ && SendMessageW(wnd, RegionVetoMessage, RegionVetoCode, 0) == static_cast<LRESULT>(RegionVetoCode))
    return;
  struct Flag {
    bool& flag;
    explicit Flag(bool& f) : flag(f) { flag = true; }
    ~Flag() { flag = false; }
  } setting(settingRegion_);
  HRGN region = nullptr;
  if (ExtBorder()) {
    // The border window draws the frame and the caption around the form:
    // the form keeps only what lies inside its system frame and caption.
    const int f = FrameWidthOf(wnd, nullptr, false);
    const int top = InnerFrameWidth(wnd, ExtBorder(), true) + SystemCaptionHeight(form_) + f;
    region = CreateRectRgn(f, top, WndWidth(wnd) - f, WndHeight(wnd) - f);
  } else if (Zoomed() && form_->FormStyle() != fsMDIChild) {
    // In window coordinates: the parts of the frame beyond the monitor are cut.
    RECT r{0, 0, WndWidth(wnd), WndHeight(wnd)};
    InflateRect(&r, -FrameWidthOf(wnd, ExtBorder(), true), -InnerFrameWidth(wnd, ExtBorder(), true));
    region = CreateRectRgnIndirect(&r);
  } else {
    region = MakeFormRegion(0, 0);
  }
  captionLayoutChanged_ = false;
  if (!region) return;
  // A region the system refuses stays ours.
  if (!SetWindowRgn(wnd, region, repaint ? TRUE : FALSE)) DeleteObject(region);
}

void TsSkinProvider::RepaintFrame() {
  HWND wnd = FormHandle();
  if (!wnd || !PaintShowing() || !drawNonClientArea_ || form_->ControlState().Contains(csDestroyingHandle) ||
      !Skinned() || redrawLock_ > 0)
    return;
  skinData_->BGChanged = true;
  PaintNonClientToWindow();
}

void TsSkinProvider::OnSize(TMessage& message) {
  HWND wnd = FormHandle();
  if (skinData_->Updating() || !wnd) {
    skinData_->BGChanged = true;
    CallOld(message);
    return;
  }
  if (GripShown()) {
    const int side = 16;
    RECT old{lastClientWidth_ - side, lastClientHeight_ - side, lastClientWidth_, lastClientHeight_};
    InvalidateRect(wnd, &old, TRUE);
  }
  captionLayoutChanged_ = true;
  const auto alive = alive_;
  CallOld(message);
  if (!*alive) return;
  if (PaintShowing() && CacheInvalid() && (!Iconic() || !IsIconic(wnd))) {
    skinData_->BGChanged = true;
    if (drawNonClientArea_) SendToWndProc(WM_NCPAINT, 1, 0);
  }
  if (PaintShowing()) RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOFRAME);
  RECT client{};
  GetClientRect(wnd, &client);
  lastClientWidth_ = client.right;
  lastClientHeight_ = client.bottom;
}

void TsSkinProvider::OnNcPaint(TMessage& message) {
  if (!systemMenu_) InitFormSkinning();
  if (drawNonClientArea_ && ((skinData_->CtrlSkinState & (StateInUpdate | StateMenuPending)) ||
                             (stateBits_ & sfsRestorePending)))
    return;
  if (loadedPending_) PrepareOnLoaded();
  if (!drawNonClientArea_) {
    CallOld(message);
    return;
  }
  if (Iconic()) skinData_->BGChanged = true;
  if (!PaintShowing() || ComponentState().Contains(csLoading) ||
      form_->ControlState().Contains(csDestroyingHandle) || !systemMenu_)
    return;
  // SetWindowRgn inside WM_NCPAINT may send it again: paint once per depth.
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  } depth(ncPaintDepth_);
  if (ncPaintDepth_ > 2) return;
  PaintNonClientToWindow();
  message.Result = 0;
}

void TsSkinProvider::OnEraseBkgnd(TMessage& message) {
  if (!PaintShowing()) {
    CallOld(message);
    return;
  }
  if ((skinData_->CtrlSkinState & StateInUpdate) || skinData_->OwnUpdating()) return;
  EraseBackground(reinterpret_cast<HDC>(message.WParam));
  message.Result = 1;
}

void TsSkinProvider::OnPaint(TMessage& message) {
  if (form_->ControlState().Contains(csPaintCopy)) return;
  HWND wnd = FormHandle();
  if (!PaintShowing() || !wnd) {
    CallOld(message);
    return;
  }
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(wnd, &ps);
  if (dc && !Destroying()) {
    skinData_->SetUpdating(!form_->Visible());
    PaintClient(dc, true);
    form_->PaintControls(dc, nullptr);
  }
  if (own) EndPaint(wnd, &ps);
  message.Result = 0;
}

void TsSkinProvider::OnPrint(TMessage& message) {
  HWND wnd = FormHandle();
  auto dc = reinterpret_cast<HDC>(message.WParam);
  if (!wnd || !dc || ComponentState().Contains(csLoading) || form_->ControlState().Contains(csCreating) ||
      Destroying())
    return;
  skinData_->PrintDC = dc;
  skinData_->SetUpdating(false);
  // The library's own picture requests (the animations') name no parts: the whole form.
  const LPARAM parts = message.LParam ? message.LParam : (PRF_NONCLIENT | PRF_CLIENT);
  if (drawNonClientArea_ && HasBorder() && (parts & PRF_NONCLIENT)) BlitFormImage(dc);
  if (parts & PRF_CLIENT) {
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, ClientOffsetX(), ClientOffsetY(), nullptr);
    RECT client{};
    GetClientRect(wnd, &client);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    PaintClient(dc, false);
    form_->PaintControls(dc, nullptr);
    RestoreDC(dc, saved);
  }
  skinData_->PrintDC = nullptr;
}

}  // namespace skin
