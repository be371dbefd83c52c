// The skin provider's window animations: minimize and restore, the
// translucent move, the show and hide animations, the caption buttons'
// fades, and the messages that start and end them.
#include "skin/forms/ProviderAnimations.h"

#include "classlib/controls/Application.h"
#include "skin/common/Composition.h"
#include "skin/common/FadeTimer.h"
#include "skin/common/MainWindowHook.h"
#include "skin/common/WindowAnimations.h"
#include "skin/core/AnimFrames.h"
#include "skin/core/AppHooks.h"
#include "skin/core/MessageUtils.h"
#include "skin/forms/DwmEntries.h"
#include "skin/forms/FormAnimations.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/GlowWindows_Gdi.h"
#include "skin/paint/LayeredWindows_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// How long the end of a session waits for running control fades.
constexpr ULONGLONG SessionEndFadeWaitMs = 500;

int ButtonSlot(int hitCode) {
  switch (hitCode) {
    case HTMINBUTTON: return 0;
    case HTMAXBUTTON: return 1;
    case HTCLOSE: return 2;
    case HTHELP: return 3;
    default: return -1;
  }
}

// The system's own minimize animation is off while ours runs.
class SystemMinMaxAnimationOff {
 public:
  SystemMinMaxAnimationOff() : platform_(MainHookPlatform()) {
    if (platform_.GetMinMaxAnimation && platform_.SetMinMaxAnimation) {
      was_ = platform_.GetMinMaxAnimation();
      platform_.SetMinMaxAnimation(false);
      armed_ = true;
    }
  }
  ~SystemMinMaxAnimationOff() {
    if (armed_) platform_.SetMinMaxAnimation(was_);
  }

 private:
  TsMainHookPlatform& platform_;
  bool was_ = false;
  bool armed_ = false;
};

// Up the z-order without moving, sizing, redrawing or asking the window.
constexpr UINT KeepOnTop = SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;

void SetLayeredAlpha(HWND wnd, std::uint8_t alpha) {
  const LONG exStyle = GetWindowLongW(wnd, GWL_EXSTYLE);
  if (!(exStyle & WS_EX_LAYERED)) SetWindowLongW(wnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  if (auto set = paint::SetLayeredWindowAttributesEntry()) set(wnd, 0, alpha, LWA_ALPHA);
}

void RemoveLayered(HWND wnd) {
  SetWindowLongW(wnd, GWL_EXSTYLE, GetWindowLongW(wnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
}

}  // namespace

// ---- Title-button fades -----------------------------------------------------

void TsSkinProvider::StartTitleButtonAnimation(TsTitleButtonState& button, int state, int steps, bool glow) {
  if (!FormHandle() || button.HitCode >= htMdiClose && button.HitCode <= htMdiMinimize) return;
  if (!button.Animation && state == 0) return;  // nothing shown, nothing to fade out
  if (!button.Animation) {
    button.Animation.reset(New<TacSBAnimation>(nullptr));
    button.Animation->SkinManager = Manager();
    button.Animation->OwnerWnd = FormHandle();
    button.Animation->BorderForm = ExtBorder();
    button.Animation->Button = &button;
  }
  // A finished fade-in must not leave its count behind for the next one.
  button.Animation->Steps = steps;
  button.Animation->ChangeState(state, glow);
}

bool TsSkinProvider::StartTitleButtonFade(TsTitleButtonState& button, int) {
  if (button.State < 0) return false;
  if (button.State == 0) {
    // The caption gets the normal look at once; the old one fades out over it.
    StartTitleButtonAnimation(button, 0, TitleFadeSteps, false);
    return false;
  }
  StartTitleButtonAnimation(button, button.State, button.State == 2 ? TitlePressSteps : TitleFadeSteps, true);
  return true;
}

TacSBAnimation* TsSkinProvider::TitleButtonAnimation(int hitCode) const {
  TsTitleButtonState* button = const_cast<TsSkinProvider*>(this)->ButtonByCode(hitCode);
  return button ? button->Animation.get() : nullptr;
}

TacMinTimer* TsSkinProvider::MinTimer() const { return anims_->minTimer.get(); }
TacMoveTimer* TsSkinProvider::MoveTimer() const { return anims_->moveTimer.get(); }

// ---- The stand-in of the hide animation -------------------------------------

std::unique_ptr<TWinControl> TsSkinProvider::TakeCoverWindow() { return std::move(hideSnapshot_); }
bool TsSkinProvider::HasCoverWindow() const { return hideSnapshot_ != nullptr; }

std::unique_ptr<TWinControl> TsSkinProvider::MakeHideSnapshot() {
  stateBits_ |= sfsRestorePending;
  if (std::unique_ptr<TBitmap> image = CreateFormImage(false)) {
    skinData_->CacheBmp()->Assign(image.get());
    skinData_->BGChanged = false;
  }
  if (ExtBorder()) return nullptr;
  return MakeSnapshotForm(FormHandle());
}

bool TsSkinProvider::RunHideAnimation() {
  HWND wnd = FormHandle();
  if (!wnd || hiding_) return false;
  const bool composed = acDwmCompositionEnabled();
  if (composed) SetAlphaHidden(wnd, true);
  const auto alive = alive_;
  hiding_ = true;
  AnimHideForm(*this);
  if (!*alive) return true;
  hiding_ = false;
  if (composed && !ApplicationTerminating()) SetAlphaHidden(wnd, false);
  hideSnapshot_.reset();
  return true;
}

// ---- The form's picture -----------------------------------------------------

std::unique_ptr<TBitmap> TsSkinProvider::CreateFormImage(bool freeCache) {
  TBitmap* cache = skinData_->CacheBmp();
  HWND wnd = FormHandle();
  // A form never painted has no picture to animate.
  if (!wnd || !cache || cache->Empty()) return nullptr;
  if (skinData_->BGChanged || CacheInvalid()) PaintNonClientArea();
  cache = skinData_->CacheBmp();
  if (!cache || cache->Empty()) return nullptr;
  std::unique_ptr<TBitmap> result(New<TBitmap>());
  result->SetPixelFormat(pf32bit);
  result->SetSize(cache->Width(), cache->Height());
  {
    HDC to = result->Canvas()->Handle();
    BitBlt(to, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
    form_->PaintTo(to, ClientOffsetX(), ClientOffsetY());
  }
  GdiFlush();
  if (!ExtBorder()) {
    for (int y = 0; y < result->Height(); ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(result->ScanLine(y));
      for (int x = 0; x < result->Width(); ++x) row[x] |= 0xFF000000u;
    }
  }
  if (freeCache) skinData_->EmptyCache();
  return result;
}

// ---- Minimize and restore ---------------------------------------------------

void TsSkinProvider::StartMinimizeAnimation() {
  TsSkinManager* manager = Manager();
  HWND wnd = FormHandle();
  if (manager && wnd && manager->AnimEffects()->Minimizing()->Active()) {
    StopTitleButtonAnimations();
    if (stateBits_ & sfsMinimizing) return;
    stateBits_ |= sfsMinimizing;
    anims_->showPending = true;
    anims_->moveTimer.reset();
    if (!anims_->minTimer) anims_->minTimer = std::make_unique<TacMinTimer>(*this, manager->AnimEffects()->Minimizing()->Time());
    else if (!(stateBits_ & sfsRestoring)) anims_->minTimer->Reset();
    stateBits_ &= ~sfsRestoring;
    TacMinTimer& timer = *anims_->minTimer;
    TsExtBorder* border = ExtBorder();
    if (!timer.ImageReady() && border && border->BorderWindow()) {
      // The border window flies with the form's whole picture.
      const HWND borderWnd = border->BorderWindow();
      border->UpdateExBorders(false, 255);
      acDwmEnableBlurBehind(borderWnd, false, nullptr);
      if (TBitmap* cache = skinData_->CacheBmp()) {
        std::unique_ptr<TBitmap> copy(New<TBitmap>());
        copy->Assign(cache);
        timer.SetFormImage(std::move(copy));
      }
      border->SetSuspended(true);
      SetWindowPos(borderWnd, HWND_TOPMOST, 0, 0, 0, 0, KeepOnTop);
      SetWindowRgn(borderWnd, nullptr, FALSE);
    } else if (!timer.ImageReady()) {
      timer.SetFormImage(CreateFormImage(false));
    }
    SetLayeredAlpha(wnd, 0);
    timer.SetEnabled(true);
  }
  if (wnd) {
    acDwmSetIconic(wnd, true);
    acDwmInvalidateIconicBitmaps(wnd);
  }
}

bool TsSkinProvider::StartRestoreAnimation() {
  TsSkinManager* manager = Manager();
  HWND wnd = FormHandle();
  if (!anims_->minTimer || !manager || !wnd || !manager->AnimEffects()->Minimizing()->Active() ||
      (stateBits_ & sfsRestoring))
    return false;
  stateBits_ = (stateBits_ & ~sfsMinimizing) | sfsRestoring;
  anims_->showPending = true;
  anims_->minTimer->InitData();
  TsExtBorder* border = ExtBorder();
  if (border && border->BorderWindow()) {
    border->SetSuspended(true);
    BlitToLayeredWindow(border->BorderWindow(), anims_->minTimer->FormImage(), 0, nullptr);
    SetWindowPos(border->BorderWindow(), HWND_TOPMOST, 0, 0, 0, 0, KeepOnTop);
  }
  SetLayeredAlpha(wnd, 0);
  anims_->minTimer->SetEnabled(true);
  if (border && border->BorderWindow()) {
    formActive_ = true;
    skinData_->BGChanged = true;
    PaintNonClientArea();
  }
  acDwmSetIconic(wnd, false);
  return true;
}

bool TsSkinProvider::AnimatedSysCommand(TMessage& message) {
  if (form_->FormStyle() == fsMDIChild) return false;
  const WPARAM command = message.WParam & 0xFFF0;
  const bool mainForm = form_ == Application->MainForm();
  const auto runOld = [&] {
    SystemMinMaxAnimationOff off;
    CallOld(message);
  };
  if (command == SC_MINIMIZE && !mainForm && allowAnimation_) {
    StartMinimizeAnimation();
    runOld();
    return true;
  }
  const bool restoreFromIcon = Iconic() && !mainForm && allowAnimation_ && anims_->minTimer;
  if (command == SC_MAXIMIZE && !form_->Parent() && restoreFromIcon && anims_->minTimer->ImageReady()) {
    StartRestoreAnimation();
    runOld();
    return true;
  }
  if (command != SC_RESTORE) return false;
  if (stateBits_ & sfsRestorePending) {
    stateBits_ &= ~sfsRestorePending;
    if (TsExtBorder* border = ExtBorder()) border->SetSuspended(false);
    runOld();
    return true;
  }
  if (!restoreFromIcon) return false;
  StartRestoreAnimation();
  runOld();
  return true;
}

// ---- Blend on moving --------------------------------------------------------

void TsSkinProvider::StartBlendOnMoving() {
  TsSkinManager* manager = Manager();
  HWND wnd = FormHandle();
  if ((stateBits_ & sfsBlendMoving) || !manager || !wnd || !manager->AnimEffects()->BlendOnMoving()->Active()) return;
  const TacBlendOnMoving& blend = *manager->AnimEffects()->BlendOnMoving();
  stateBits_ |= sfsBlendMoving;
  anims_->minTimer.reset();
  anims_->moveTimer = std::make_unique<TacMoveTimer>(*this);
  TacMoveTimer& timer = *anims_->moveTimer;
  timer.TargetAlpha = allowBlendOnMoving_ ? blend.BlendValue() : 255;
  timer.AlphaStep = BlendOnMovingStep(timer.TargetAlpha, blend.Time());
  if (TsExtBorder* border = ExtBorder(); border && border->BorderWindow()) {
    // Only the border window shows the form while it moves.
    const HWND borderWnd = border->BorderWindow();
    border->UpdateExBorders(false, 255);
    if (form_->AlphaBlend()) SetLayeredAlpha(wnd, form_->AlphaBlendValue());
    border->SetSuspended(true);
    SetWindowPos(wnd, borderWnd, 0, 0, 0, 0, KeepOnTop);
    BlitToLayeredWindow(wnd, nullptr, 0, nullptr);
    timer.SetEnabled(true);
    const auto alive = alive_;
    SendMessageW(borderWnd, WM_SYSCOMMAND, 0xF012 /* SC_DRAGMOVE */, 0);
    if (*alive) EndBlendOnMoving();
    return;
  }
  if (!form_->AlphaBlend()) {
    // The snapshot hides the switch to a layered window.
    std::unique_ptr<TacLayeredWindow> snapshot = MakeSnapshotForm(wnd);
    SetLayeredAlpha(wnd, 255);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  timer.SetEnabled(true);
  const auto alive = alive_;
  // The system's move loop runs inside.
  SendMessageW(wnd, WM_SYSCOMMAND, 0xF012 /* SC_DRAGMOVE */, 0);
  if (*alive) EndBlendOnMoving();
}

void TsSkinProvider::EndBlendOnMoving() {
  HWND wnd = FormHandle();
  TacMoveTimer* timer = anims_->moveTimer.get();
  TsExtBorder* border = ExtBorder();
  if (wnd && border && border->BorderWindow()) {
    const HWND borderWnd = border->BorderWindow();
    BlitToLayeredWindow(borderWnd, skinData_->CacheBmp(), form_->AlphaBlend() ? form_->AlphaBlendValue() : 255,
                        nullptr);
    // The form follows the border window to where the drag left it.
    RECT r{};
    GetWindowRect(borderWnd, &r);
    SetWindowPos(wnd, nullptr, r.left + border->Margins().left, r.top + border->TopOffset(), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    stateBits_ &= ~sfsBlendMoving;
    if (form_->AlphaBlend()) SetLayeredAlpha(wnd, form_->AlphaBlendValue());
    else RemoveLayered(wnd);
    skinData_->BGChanged = true;
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    Sleep(20);
    SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    border->SetSuspended(false);
    border->UpdateExBorders(true, 255);
  } else if (wnd) {
    if (form_->AlphaBlend()) {
      SetLayeredAlpha(wnd, form_->AlphaBlendValue());
    } else {
      std::unique_ptr<TacLayeredWindow> snapshot = MakeSnapshotForm(wnd);
      RemoveLayered(wnd);
      UpdateWindow(wnd);
      if (timer) timer->SetEnabled(false);
      RedrawWindow(wnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    }
  }
  stateBits_ &= ~sfsBlendMoving;
  if (timer) timer->CurrentAlpha = 255;
  anims_->moveTimer.reset();
}

// ---- Showing and hiding -----------------------------------------------------

void TsSkinProvider::VisibleForShow(bool visible) {
  TsSkinManager* manager = Manager();
  if (!visible || !manager || !drawNonClientArea_ || Destroying()) return;
  const TacFormShow& show = *manager->AnimEffects()->FormShow();
  // A show of no steps shows the final picture at once: the form itself.
  if (!allowAnimation_ || !(form_->FormStyle() == fsMDIChild || !form_->Parent()) || !show.Active() ||
      AnimSteps(show.Time()) == 0 || !paint::LayeredWindowsAvailable())
    return;
  // The window is made now (the class library would make it next) so that
  // it appears hidden by alpha.
  form_->HandleNeeded();
  HWND wnd = FormHandle();
  anims_->showPending = wnd && !(GetWindowLongW(wnd, GWL_STYLE) & WS_VISIBLE);
  if (!anims_->showPending) return;
  anims_->alphaHidden = SetAlphaHidden(wnd, true);
  if (anims_->alphaHidden) ApplyWindowRegion(false);
}

void TsSkinProvider::ShowingForShow() {
  if (!anims_->showPending) return;
  anims_->showPending = false;
  HWND wnd = FormHandle();
  TsSkinManager* manager = Manager();
  if (!wnd || !Skinned() || !manager) {
    if (wnd) {
      RemoveLayered(wnd);
      RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    return;
  }
  std::uint8_t alpha = 255;
  if (!anims_->alphaHidden && form_->AlphaBlend()) alpha = form_->AlphaBlendValue();
  skinData_->BGChanged = true;
  PaintNonClientArea();
  const TacFormShow& show = *manager->AnimEffects()->FormShow();
  // The form stays visible (its picture is printed from it) but unseen at
  // alpha 1 under the animation's window until the last frame.
  AnimShowForm(*this, show.Time(), alpha, show.Mode());
  if (anims_->alphaHidden) {
    RemoveLayered(wnd);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  }
  anims_->alphaHidden = false;
}

void TsSkinProvider::AnimShowWindow(TMessage& message) {
  if (form_->FormStyle() == fsMDIChild) {
    CallOld(message);
    return;
  }
  if (message.WParam) {
    if (TsExtBorder* border = ExtBorder()) border->SetSuspended(false);
    stateBits_ &= ~(sfsAnimationBits & ~sfsRestoring);
  }
  const TsSkinManager* manager = Manager();
  if (message.LParam == SW_PARENTOPENING && form_ == Application->MainForm() && manager &&
      manager->AnimEffects()->Minimizing()->Active()) {
    CallOld(message);
    return;
  }
  const auto alive = alive_;
  CallOld(message);
  if (!*alive) return;
  if (message.WParam && form_->Parent()) {
    skinData_->CtrlSkinState &= static_cast<std::uint16_t>(~1u);
    skinData_->BGChanged = true;
  }
}

void TsSkinProvider::AnimClose(TMessage& message) {
  TsSkinManager* manager = Manager();
  const bool hideAnimated = manager && allowAnimation_ && manager->AnimEffects()->FormHide()->Active() &&
                            manager->AnimEffects()->FormHide()->Time() != 0 && drawNonClientArea_ &&
                            !(stateBits_ & sfsRestorePending);
  const auto alive = alive_;
  CallOld(message);
  if (!hideAnimated || !*alive || Destroying() || !FormHandle()) return;
  stateBits_ |= sfsRestorePending;
  std::unique_ptr<TBitmap> image = CreateFormImage(false);
  stateBits_ &= ~sfsRestorePending;
  if (image && skinData_->CacheBmp()) {
    skinData_->CacheBmp()->Assign(image.get());
    skinData_->BGChanged = false;
  }
}

void TsSkinProvider::QueryEndSession(TMessage& message) {
  StopTitleButtonAnimations();
  SetApplicationClosing(true);
  // Control fades draw no more frames once the session ends and may never
  // finish: the wait for them is bounded.
  const ULONGLONG deadline = GetTickCount64() + SessionEndFadeWaitMs;
  while (RunningFadeCount() > 0 && !ApplicationTerminating() && GetTickCount64() < deadline) DelayWithMessages(10);
  CallOld(message);
}

// ---- The dispatcher's animation side ----------------------------------------

bool TsSkinProvider::AnimationMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_MOVE:
      StopTitleButtonAnimations();
      paint::CloseAllGlows(false);
      return false;
    case WM_SHOWWINDOW:
      AnimShowWindow(message);
      return true;
    case WM_CLOSE:
      AnimClose(message);
      return true;
    case WM_QUERYENDSESSION:
      QueryEndSession(message);
      return true;
    case WM_SETTINGCHANGE:
      if (message.WParam == SPI_SETWORKAREA && anims_->minTimer) anims_->minTimer->CalcTarget();
      return false;
    case WM_NCLBUTTONDOWN: {
      TsSkinManager* manager = Manager();
      if (message.WParam != HTCAPTION || !manager || !drawNonClientArea_ || form_->FormStyle() == fsMDIChild ||
          Iconic() || !allowBlendOnMoving_)
        return false;
      const TacBlendOnMoving& blend = *manager->AnimEffects()->BlendOnMoving();
      if (!blend.Active() || blend.BlendValue() == 255) return false;
      formActive_ = true;
      SetFocus(FormHandle());
      StartBlendOnMoving();
      return true;
    }
    case WM_DWMSENDICONICTHUMBNAIL:
      if (!ThumbnailsEnabled()) return false;
      if (HIWORD(message.LParam) && LOWORD(message.LParam))
        message.Result = acDwmSendIconicThumbnail(FormHandle(), *this, HIWORD(message.LParam), LOWORD(message.LParam));
      return true;
    case WM_DWMSENDICONICLIVEPREVIEWBITMAP:
      if (!ThumbnailsEnabled()) return false;
      message.Result = acDwmSendLivePreview(FormHandle(), *this);
      return true;
    case CM_VISIBLECHANGED:
      if (!message.WParam) StopTitleButtonAnimations();
      VisibleForShow(message.WParam != 0);
      return false;
    case CM_SHOWINGCHANGED: {
      if (!Showing()) {
        if (!anims_->showPending) return false;
        anims_->showPending = false;
        return false;
      }
      stateBits_ &= ~sfsRestorePending;
      if (anims_->minTimer && !(stateBits_ & (sfsMinimizing | sfsRestoring))) anims_->minTimer.reset();
      const auto alive = alive_;
      CallOld(message);
      if (!*alive) return true;
      // The MDI client is made after the form's window: wrap it once shown.
      if (Skinned()) LinkMdiForm();
      ShowingForShow();
      return true;
    }
    default:
      return false;
  }
}

}  // namespace skin
