// Where the client area and the caption lie in the provider's image, the
// form's maximized bounds, the preparation for a skin and the setters of
// the provider's published properties.
#include <algorithm>

#include "classlib/controls/Application.h"
#include "skin/forms/DwmEntries.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/ProviderDC.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

int TsSkinProvider::ProviderCaptionHeight(bool useSkin) const {
  HWND wnd = FormHandle();
  const LONG_PTR style = wnd ? GetWindowLongPtrW(wnd, GWL_STYLE) : 0;
  if (!Iconic() && !(HasBorder() && (style & WS_CAPTION) == WS_CAPTION)) return 0;
  const int h = useSkin ? SkinTitleHeight(ExtBorder()) : 0;
  const bool toolWindow = (form_->BorderStyle() == bsToolWindow || form_->BorderStyle() == bsSizeToolWin) && !Iconic();
  if (h == 0) return GetSystemMetrics(toolWindow ? SM_CYSMCAPTION : SM_CYCAPTION);
  return h;
}

bool TsSkinProvider::HasBorder() const {
  HWND wnd = FormHandle();
  return form_->BorderStyle() != bsNone || (wnd && (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD)) ||
         form_->FormStyle() == fsMDIChild;
}

bool TsSkinProvider::GripShown() const {
  return gripMode_ == gmRightBottom && !Zoomed() && FormHandle() && IsSizableWnd(FormHandle());
}

int TsSkinProvider::InnerFrameWithBorderWidth(bool useSkin) const {
  return InnerFrameWidth(FormHandle(), ExtBorder(), useSkin) + form_->BorderWidth();
}

int TsSkinProvider::FrameWithBorderWidth(bool useSkin) const {
  return FrameWidthOf(FormHandle(), ExtBorder(), useSkin) + form_->BorderWidth();
}

bool TsSkinProvider::ShowsSysIcon() const {
  const TFormBorderStyle style = form_->BorderStyle();
  return showAppIcon_ && titleIcon_->Visible() && sysMenuHidden_ && form_->BorderIcons().Contains(biSystemMenu) &&
         style != bsDialog && style != bsToolWindow && style != bsSizeToolWin && ProviderCaptionHeight(true) > 0;
}

int TsSkinProvider::TitleIconWidth() const {
  if (!ShowsSysIcon()) return 0;
  return titleIcon_->Width() != 0 ? titleIcon_->Width() : TitleIconSizeFor(ProviderCaptionHeight(true));
}

int TsSkinProvider::TitleIconHeight() const {
  if (!ShowsSysIcon()) return 0;
  return titleIcon_->Height() != 0 ? titleIcon_->Height() : TitleIconSizeFor(ProviderCaptionHeight(true));
}

int TsSkinProvider::SystemButtonCount() {
  if (!systemMenu_ || !sysMenuHidden_) return 0;
  return 1 + (systemMenu_->VisibleMax() ? 1 : 0) + (systemMenu_->VisibleMin() ? 1 : 0) +
         (form_->BorderIcons().Contains(biHelp) ? 1 : 0);
}

namespace {

int FrameWidthOfMask(const TsMaskData& mask) {
  const int count = std::max<int>(1, mask.ImageCount);
  if (mask.Bmp) return static_cast<int>(mask.Bmp->Width()) / count;
  return mask.R.Width() / count;
}

int FrameHeightOfMask(const TsMaskData& mask) {
  if (mask.Bmp) return static_cast<int>(mask.Bmp->Height()) / (mask.MaskType + 1);
  return mask.R.Height() / (mask.MaskType + 1);
}

}  // namespace

int TsSkinProvider::CloseButtonHeight() const {
  const TsMaskData* mask = MaskAt(Manager(), buttons_[2].ImageIndex);
  return mask ? FrameHeightOfMask(*mask) : 21;
}

int TsSkinProvider::TitleButtonWidth(const TsTitleButtonState& button) const {
  const TsMaskData* mask = MaskAt(Manager(), button.ImageIndex);
  return mask ? FrameWidthOfMask(*mask) : 21;
}

int TsSkinProvider::UserButtonWidth(const TsTitleButton& button) const {
  const TsMaskData* mask = MaskAt(Manager(), titleButtonMask_);
  if (!mask) return 21;
  const int glyph = button.Glyph()->Empty() ? 0 : button.Glyph()->Width() + 2;
  return std::max(glyph, FrameWidthOfMask(*mask));
}

int TsSkinProvider::ClientOffsetX() const {
  HWND wnd = FormHandle();
  if (!wnd) return 0;
  return (WndWidth(wnd) - WndClientWidth(wnd)) / 2;
}

int TsSkinProvider::ClientOffsetY() const {
  HWND wnd = FormHandle();
  if (!wnd) return 0;
  const bool bordered = (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_BORDER) != 0;
  return WndHeight(wnd) - WndClientHeight(wnd) - (bordered ? FrameWithBorderWidth(true) : 0);
}

int TsSkinProvider::ClientTop() const {
  HWND wnd = FormHandle();
  if (!wnd) return 0;
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  const bool counted = (style & WS_CAPTION) == WS_CAPTION || (style & WS_BORDER);
  int top = WndHeight(wnd) - WndClientHeight(wnd) - (counted ? InnerFrameWithBorderWidth(true) : 0);
  top = std::max(0, top);
  if (Iconic()) top += InnerFrameWidth(wnd, ExtBorder(), true);
  return top;
}

int TsSkinProvider::FormWidth() const {
  HWND wnd = FormHandle();
  if (wnd && Iconic() && form_ != Application->MainForm()) return WndWidth(wnd);
  return wnd ? WndWidth(wnd) : form_->Width();
}

bool TsSkinProvider::CacheInvalid() const {
  const TBitmap* image = skinData_->CacheBmp();
  return !image || image->Empty() || image->Width() != FormWidth() || image->Height() != FormHeight();
}

POINT TsSkinProvider::GripPosition(int maskIndex) const {
  const TsMaskData* mask = MaskAt(Manager(), maskIndex);
  const TBitmap* image = skinData_->CacheBmp();
  if (!mask || !image) return POINT{0, 0};
  const int f = FrameWidthOf(FormHandle(), ExtBorder(), true);
  return POINT{image->Width() - FrameWidthOfMask(*mask) - f - 1, image->Height() - FrameHeightOfMask(*mask) - f - 1};
}

void TsSkinProvider::GetMinMaxInfo(MINMAXINFO& info) {
  HWND wnd = FormHandle();
  if (!drawNonClientArea_ || form_->BorderStyle() == bsNone || form_->FormStyle() == fsMDIChild || form_->Parent() ||
      !wnd)
    return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  const int f = FrameWidthOf(wnd, nullptr, false);
  // Maximized positions are relative to the monitor: a task bar on the left
  // or at the top moves the work area's origin.
  info.ptMaxPosition = POINT{work.left - monitor.rcMonitor.left - f, work.top - monitor.rcMonitor.top - f};
  info.ptMaxSize = POINT{work.right - work.left + 2 * f, work.bottom - work.top + 2 * f};
}

// ---- Preparation ---------------------------------------------------------------

void TsSkinProvider::InitFormSkinning() {
  TsSkinManager* manager = Manager();
  if (createdInternally_ || inactive_ || !manager || !form_->HandleAllocated() || !manager->Active() ||
      !manager->Skin() || !manager->SkinData().Active)
    return;
  skinData_->Loaded();
  if (!systemMenu_ || systemMenu_->Form() != form_) systemMenu_ = std::make_unique<TsSystemMenu>(this);
  systemMenu_->UpdateItems(false);
  HideSysMenuStyle(true);
  skinData_->UpdateIndexes();
  captionSkinIndex_ = manager->GetSkinIndex(L"CAPTION");
  titleSkinIndex_ = -1;
  InitTitleButtonIndexes();
  captionLayoutChanged_ = true;
  if (!form_->ControlState().Contains(csCreating) && !form_->ControlState().Contains(csReadingState) &&
      !ComponentState().Contains(csLoading) && useGlobalColor_ && !skinData_->CustomColor())
    form_->SetColor(manager->GetGlobalColor());
  systemMenu_->UpdateItems(false);
  LinkMdiForm();
  AdaptControls(nullptr);
}

void TsSkinProvider::LinkMdiForm() {
  if (form_->FormStyle() != fsMDIForm) return;
  // A client made anew with the form's window is not the one wrapped: the
  // old support goes with its adapter.
  const TacAdaptedWindow* wnd = mdiForm_ ? mdiForm_->Wnd() : nullptr;
  if (wnd && (wnd->Destroyed() || wnd->Window() != form_->ClientHandle())) mdiForm_.reset();
  if (!mdiForm_) {
    // The MDI frame's provider is the one its children and their menu line
    // turn to.
    SetMainSkinProvider(this);
    mdiForm_ = std::make_unique<TsMDIForm>(this);
  }
  mdiForm_->ConnectToClient();
}

void TsSkinProvider::PrepareOnLoaded() {
  loadedPending_ = false;
  if (form_->HandleAllocated()) acDwmSetTransitions(form_->Handle(), drawNonClientArea_);
  InitFormSkinning();
  if (systemMenu_) systemMenu_->UpdateItems(false);
  for (int i = 0; i < titleButtons_->Count(); ++i) {
    TsTitleButton* button = titleButtons_->Items(i);
    button->BtnData.ImageIndex = button->UseSkinData() ? titleButtonMask_ : -1;
  }
  if (form_->BorderStyle() == bsSizeToolWin) {
    allowBlendOnMoving_ = false;
    SetUseGlobalColor(true);
  }
}

int TsSkinProvider::TitleSkinIndex() {
  if (titleSkinIndex_ < 0 && Manager()) titleSkinIndex_ = Manager()->GetSkinIndex(TitleSkinName());
  return titleSkinIndex_;
}

void TsSkinProvider::RequestRepaint() {
  skinData_->BGChanged = true;
  captionLayoutChanged_ = true;
  // The menu line is measured again: the system may have put a maximized
  // MDI child's icon and buttons into the bar, which can wrap it.
  menuRows_ = -1;
  if (FormHandle() && Showing()) SendMessageW(FormHandle(), WM_NCPAINT, 1, 0);
}

// ---- Setters ----------------------------------------------------------------

void TsSkinProvider::SetCaptionAlignment(TAlignment value) {
  if (captionAlignment_ == value) return;
  captionAlignment_ = value;
  skinData_->BGChanged = true;
  if (form_->Visible() && !ComponentState().Contains(csDesigning) && Skinned()) RepaintFrame();
}

void TsSkinProvider::SetShowAppIcon(bool value) {
  if (showAppIcon_ == value) return;
  showAppIcon_ = value;
  skinData_->BGChanged = true;
  if (form_->Visible()) RequestRepaint();
}

void TsSkinProvider::SetGripMode(TsGripMode value) {
  if (gripMode_ == value) return;
  gripMode_ = value;
  if (Showing()) RequestRepaint();
}

void TsSkinProvider::SetTitleSkin(const std::wstring& value) {
  if (titleSkin_ == value) return;
  titleSkin_ = value;
  titleSkinIndex_ = -1;
  skinData_->BGChanged = true;
  if (form_->Visible()) RequestRepaint();
}

void TsSkinProvider::SetUseGlobalColor(bool value) {
  if (useGlobalColor_ == value) return;
  useGlobalColor_ = value;
  if (Skinned() && value && !skinData_->CustomColor()) form_->SetColor(Manager()->GetGlobalColor());
  else form_->SetColor(clBtnFace);
}

void TsSkinProvider::SetAllowExtBorders(bool value) {
  if (allowExtBorders_ == value) return;
  allowExtBorders_ = value;
  skinData_->BGChanged = true;
  if (!ComponentState().Contains(csLoading) && FormHandle()) {
    if (form_->Visible()) UpdateBorderForm();
    RedrawWindow(FormHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  }
}

void TsSkinProvider::SetDrawNonClientArea(bool value) {
  if (drawNonClientArea_ == value || ComponentState().Contains(csDesigning)) return;
  drawNonClientArea_ = value;
  HWND wnd = FormHandle();
  if (value) {
    HideSysMenuStyle(true);
    if (Showing() && Skinned() && wnd) {
      skinData_->BGChanged = true;
      captionLayoutChanged_ = true;
      RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    }
    return;
  }
  HideSysMenuStyle(false);
  if (Showing() && wnd) SetWindowRgn(wnd, nullptr, TRUE);
}

}  // namespace skin
