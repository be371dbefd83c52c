// The skinned dialog's show and hide animations, the layered copy that
// stands in for it between its closing command and its hiding, and the
// fades and glows of its title buttons.
#include <windowsx.h>

#include "classlib/graphics/Bitmap.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/DialogEffects.h"
#include "skin/adapters/DialogProviders.h"
#include "skin/adapters/DialogWnd.h"
#include "skin/common/Composition.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/WindowAnimations.h"
#include "skin/common/sCommonData.h"
#include "skin/forms/FormAnimations.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/ProviderDC.h"
#include "skin/forms/TitleButtonAnimation.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/GlowWindows_Gdi.h"
#include "skin/paint/LayeredWindows_Gdi.h"

namespace skin::adapters {

namespace {

bool Wanted(const TacFormAnimation* animation) {
  return animation && animation->Active() && animation->Time() != 0 && paint::LayeredWindowsAvailable();
}

}  // namespace

void TacDialogWnd::FreeTitleAnimations() {
  if (Effects) Effects->FreeTitleAnimations();
}

void TacDialogWnd::PaintClientArea(HDC dc) {
  classlib::TBitmap* cache = SkinData ? SkinData->CacheBmp() : nullptr;
  if (cache && !cache->Empty())
    BitBlt(dc, 0, 0, WndClientWidth(CtrlHandle), WndClientHeight(CtrlHandle), cache->Canvas()->Handle(),
           ClientOffsetX(), ClientOffsetY(), SRCCOPY);
  PrintChildWindows(CtrlHandle, dc);
}

bool TacDialogWnd::ShowWindowMsg(classlib::TMessage& m) {
  HWND wnd = CtrlHandle;
  // Under composition the system would show the window before the first
  // frame: it stays layered (unseen) while the system shows it.
  const LONG_PTR exStyle = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
  const bool hideSystemShow = acDwmCompositionEnabled() && !(exStyle & WS_EX_LAYERED);
  if (hideSystemShow) SetWindowLongPtrW(wnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  m.Result = CallPrev(m);
  if (hideSystemShow) SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  const TacDialogShow* show = SkinManager ? SkinManager->AnimEffects()->DialogShow() : nullptr;
  if (m.WParam == 0 || !Wanted(show) || !SkinData || !Effects || AnimationRunning()) return true;
  ReadCaption();
  if (Provider) AdaptDialogChildren(Provider, wnd);
  SkinData->BGChanged = true;
  PaintNonClientArea();
  if (TacBorderForm* border = BorderForm()) border->CreateBorderWindow();
  AnimShowDlg(*Effects, show->Time(), 255, show->Mode());
  return true;
}

bool TacDialogWnd::WindowPosChangedMsg(classlib::TMessage& m) {
  HWND wnd = CtrlHandle;
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
  const bool hiding = pos && (pos->flags & SWP_HIDEWINDOW) && paint::LayeredWindowsAvailable();
  if (hiding) NeedRegion = true;
  m.Result = CallPrev(m);
  if (!hiding) {
    UpdateBorder(false);
    return true;
  }
  const TacFormHide* hide = SkinManager ? SkinManager->AnimEffects()->DialogHide() : nullptr;
  if (Wanted(hide) && Effects && !IsIconic(wnd) && !HideAnimationRunning()) {
    AnimHideDlg(*Effects);
    SetAlphaHidden(wnd, false);
  }
  if (Effects) {
    // The fade's own window covers the place now, or nothing is to cover.
    Effects->SnapshotForm.reset();
    Effects->SetHiding(false);
    FreeTitleAnimations();
    Effects->CloseGlows();
  }
  if (TacBorderForm* border = BorderForm()) border->FreeBorderWindow();
  return true;
}

void TacDialogWnd::HideCommandMsg(classlib::TMessage&) {
  HWND wnd = CtrlHandle;
  const TacFormHide* hide = SkinManager ? SkinManager->AnimEffects()->DialogHide() : nullptr;
  if (!Wanted(hide) || !Effects || !IsWindowVisible(wnd) || Moving) return;
  TacBorderForm* border = BorderForm();
  if (HWND borderWnd = border ? border->BorderWindow() : nullptr) {
    // The border window carries the whole picture, client included, until
    // the hide animation takes it over.
    std::unique_ptr<classlib::TBitmap> image = CopyWndImage(*Effects, false);
    if (!image) return;
    RECT wr{};
    GetWindowRect(wnd, &wr);
    const POINT origin = ImageOrigin();
    Effects->SetHiding(true);
    SetWindowRgn(borderWnd, nullptr, FALSE);
    PushToLayeredWindow(borderWnd, *image, 255, POINT{wr.left - origin.x, wr.top - origin.y});
  } else {
    Effects->SnapshotForm = MakeSnapshotForm(wnd);
  }
}

bool TacDialogWnd::FadeTitleButton(int hitCode, int maskIndex) {
  TacTitleButton* button = ButtonOf(hitCode);
  if (!button || !Effects || !SkinManager || !SkinManager->Effects()->AllowGlowing()) return false;
  TsTitleButtonState& fade = Effects->Fades[static_cast<size_t>(button - Buttons)];
  if (!IsWindowVisible(CtrlHandle) || Moving || AnimationRunning()) {
    fade.Animation.reset();
    return false;
  }
  fade.Rect = button->Rect;
  fade.ImageIndex = maskIndex;
  fade.HitCode = hitCode;
  fade.BigGlyph = button->BigIcon;
  fade.State = button->State;
  if (!fade.Animation && fade.State == 0) return false;  // nothing shown, nothing to fade out
  if (!fade.Animation) {
    fade.Animation.reset(classlib::New<TacSBAnimation>(nullptr));
    fade.Animation->SkinManager = SkinManager;
    fade.Animation->OwnerWnd = CtrlHandle;
    fade.Animation->Button = &fade;
  }
  fade.Animation->BorderForm = BorderForm();
  // A hover fades in and out; a press shows at once.
  fade.Animation->Steps = fade.State == 2 ? TitlePressSteps : TitleFadeSteps;
  fade.Animation->ChangeState(fade.State, fade.State != 0);
  // The normal look goes on the screen at once, the old one fades over it.
  return fade.State != 0;
}

void TacDialogWnd::UpdateTitleGlow(int hitCode, int maskIndex) {
  TacTitleButton* button = ButtonOf(hitCode);
  if (!button || !Effects || !SkinManager) return;
  int& glow = Effects->Fades[static_cast<size_t>(button - Buttons)].GlowId;
  const TsSkinData& data = SkinManager->SkinData();
  int size = 0, margin = 0;
  switch (hitCode) {
    case kHitClose: size = data.BICloseGlow, margin = data.BICloseGlowMargin; break;
    case kHitMax: size = data.BIMaxGlow, margin = data.BIMaxGlowMargin; break;
    case kHitMin: size = data.BIMinGlow, margin = data.BIMinGlowMargin; break;
    default: break;
  }
  const TsMaskData* mask = MaskAt(SkinManager, maskIndex);
  if (button->State == 1 && size >= 1 && mask && IsWindowVisible(CtrlHandle)) {
    if (glow >= 0) return;
    RECT wr{};
    GetWindowRect(CtrlHandle, &wr);
    const POINT origin = ImageOrigin();
    const RECT& r = button->Rect;
    const TRect screen{wr.left - origin.x + r.left, wr.top - origin.y + r.top, wr.left - origin.x + r.right,
                       wr.top - origin.y + r.bottom};
    glow = paint::OpenGlow(screen, TRect{0, 0, r.right - r.left, r.bottom - r.top}, L"GLOBALINFO", SkinManager,
                           CtrlHandle, 0, margin, mask->PropertyName + L"GLOW");
  } else if (glow >= 0) {
    paint::CloseGlow(glow);
    glow = -1;
  }
}

}  // namespace skin::adapters
