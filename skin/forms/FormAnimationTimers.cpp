#include "skin/forms/FormAnimationTimers.h"

#include "classlib/controls/Forms.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/forms/FormAnimations.h"
#include "skin/paint/LayeredPush_Gdi.h"
#include "skin/paint/LayeredWindows_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

TacTaskbarQuery& TaskbarQuery() {
  static TacTaskbarQuery query;
  return query;
}

bool SystemTaskbar(TRect& taskbar) {
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  RECT r{};
  if (!tray || !GetWindowRect(tray, &r)) return false;
  taskbar = TRect{r.left, r.top, r.right, r.bottom};
  return true;
}

std::uint8_t FullAlphaOf(TCustomForm* form) {
  return form && form->AlphaBlend() ? form->AlphaBlendValue() : 255;
}

TRect WindowRectOf(HWND wnd) {
  RECT r{};
  if (wnd) GetWindowRect(wnd, &r);
  return TRect{r.left, r.top, r.right, r.bottom};
}

constexpr UINT KeepAbove = SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_SHOWWINDOW |
                           SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;

}  // namespace

TacTaskbarQuery SetTaskbarQuery(TacTaskbarQuery query) {
  TacTaskbarQuery old = std::move(TaskbarQuery());
  TaskbarQuery() = std::move(query);
  return old;
}

// ---- Minimize and restore ---------------------------------------------------

TacMinTimer::TacMinTimer(TsSkinnedForm& provider, int timeMs)
    : TacThreadedTimer(nullptr, provider.Form(), true), provider_(provider) {
  SetInterval(MinimizeTickMs);
  StepCount = MinimizeSteps(timeMs);
  TCustomForm* form = provider.Form();
  wnd_ = form && form->HandleAllocated() ? form->Handle() : nullptr;
  FullAlpha = FullAlphaOf(form);
  CurrentAlpha = FullAlpha;
  InitData();
}

TacMinTimer::~TacMinTimer() { SetEnabled(false); }

HWND TacMinTimer::AnimationWindow() const {
  if (TsExtBorder* border = provider_.ExtBorder(); border && border->BorderWindow()) return border->BorderWindow();
  return snapshot_ && snapshot_->HandleAllocated() ? snapshot_->Handle() : nullptr;
}

void TacMinTimer::InitData() {
  FullAlpha = FullAlphaOf(provider_.Form());
  TsExtBorder* border = provider_.ExtBorder();
  if (CurrentAlpha == 0 && provider_.HasState(sfsRestoring)) {
    Current = TacFlightRect{double(TargetRect.Left), double(TargetRect.Top), double(TargetRect.Right),
                            double(TargetRect.Bottom)};
  } else if (CurrentAlpha >= FullAlpha) {
    StartRect = border && border->BorderWindow() ? WindowRectOf(border->BorderWindow()) : WindowRectOf(wnd_);
    CalcTarget();
    Current = TacFlightRect{double(StartRect.Left), double(StartRect.Top), double(StartRect.Right),
                            double(StartRect.Bottom)};
  }
  Plan = PlanMinimize(StartRect, TargetRect, StepCount, FullAlpha);
  if (!work_ || work_->Width() != StartRect.Width() || work_->Height() != StartRect.Height())
    work_.reset(paint::NewBitmap32(std::max(1, StartRect.Width()), std::max(1, StartRect.Height())));
  if (!(border && border->BorderWindow()) && !snapshot_ && wnd_) {
    snapshot_ = MakeSnapshotForm(wnd_);
    if (snapshot_) SetWindowRgn(snapshot_->Handle(), nullptr, FALSE);
  }
}

void TacMinTimer::Reset() {
  CurrentAlpha = FullAlphaOf(provider_.Form());
  image_.reset();
  snapshot_.reset();
  InitData();
}

void TacMinTimer::CalcTarget() {
  TargetRect = GetTaskbarTarget();
  Plan = PlanMinimize(StartRect, TargetRect, StepCount, FullAlpha);
}

TRect TacMinTimer::GetTaskbarTarget() const {
  // The taskbar's own button is not looked for (that would mean reading
  // the shell's memory): the form flies to the taskbar's inner edge.
  TRect taskbar;
  const bool found = TaskbarQuery() ? TaskbarQuery()(taskbar) : SystemTaskbar(taskbar);
  if (!found) return TRect{0, 0, 0, 0};
  const TPoint centre{(StartRect.Left + StartRect.Right) / 2, (StartRect.Top + StartRect.Bottom) / 2};
  return TaskbarEdgeTarget(TaskbarSide(taskbar), taskbar, centre);
}

void TacMinTimer::PushFrame() {
  const HWND layered = AnimationWindow();
  if (!layered || !image_ || !work_) return;
  const TRect r = Current.Rounded();
  const int width = std::max(1, std::min(r.Width(), work_->Width()));
  const int height = std::max(1, std::min(r.Height(), work_->Height()));
  HDC dc = work_->Canvas()->Handle();
  PatBlt(dc, 0, 0, work_->Width(), work_->Height(), BLACKNESS);  // transparent black
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, width, height, image_->Canvas()->Handle(), 0, 0, image_->Width(), image_->Height(), SRCCOPY);
  GdiFlush();
  paint::TLayeredPush push;
  push.Wnd = layered;
  push.Position = POINT{r.Left, r.Top};
  push.Size = SIZE{width, height};
  push.Source = dc;
  push.Blend.SourceConstantAlpha = CurrentAlpha;
  paint::PushLayeredWindow(push);
  SetWindowPos(layered, HWND_TOPMOST, 0, 0, 0, 0, KeepAbove);
}

void TacMinTimer::TimeHandler() {
  const bool restoring = provider_.HasState(sfsRestoring);
  if (!restoring && !provider_.HasState(sfsMinimizing)) {
    SetEnabled(false);
    return;
  }
  if (!AnimationWindow()) {
    SetEnabled(false);
    return;
  }
  if (TsExtBorder* border = provider_.ExtBorder()) border->SetSuspended(true);
  if (!restoring) {
    StepShrink(Current, Plan);
    CurrentAlpha = AlphaDown(CurrentAlpha, Plan.AlphaStep);
    PushFrame();
    if (CurrentAlpha == 0) EndMinimize();
    return;
  }
  StepGrow(Current, Plan);
  CurrentAlpha = AlphaUp(CurrentAlpha, Plan.AlphaStep, FullAlpha);
  if (CurrentAlpha < FullAlpha) {
    SetWindowRgn(AnimationWindow(), nullptr, FALSE);
    PushFrame();
    return;
  }
  EndRestore();
}

void TacMinTimer::EndMinimize() {
  SetEnabled(false);
  provider_.ExcludeState(sfsMinimizing);
  if (wnd_ && IsWindow(wnd_))
    SetWindowLongW(wnd_, GWL_EXSTYLE, GetWindowLongW(wnd_, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  if (OnMinimized) OnMinimized();
}

void TacMinTimer::EndRestore() {
  SetEnabled(false);
  provider_.ExcludeState(sfsRestoring);
  TsExtBorder* border = provider_.ExtBorder();
  if (border) border->SetSuspended(false);
  if (snapshot_) {
    SetWindowPos(snapshot_->Handle(), nullptr, -30000, -30000, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    snapshot_.reset();
  } else if (border) {
    border->UpdateExBorders(true, 255);
  }
  // The next minimize takes a fresh picture.
  image_.reset();
  work_.reset();
  if (wnd_ && IsWindow(wnd_)) {
    SetWindowLongW(wnd_, GWL_EXSTYLE, GetWindowLongW(wnd_, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    SetFocus(wnd_);
  }
  if (OnRestored) OnRestored();
}

// ---- Translucent moving -----------------------------------------------------

TacMoveTimer::TacMoveTimer(TsSkinnedForm& provider) : TacThreadedTimer(nullptr, provider.Form(), true) {
  SetInterval(12);
  TCustomForm* form = provider.Form();
  Wnd = form && form->HandleAllocated() ? form->Handle() : nullptr;
  BorderForm = provider.ExtBorder();
  CurrentAlpha = FullAlphaOf(form);
}

void TacMoveTimer::TimeHandler() {
  if (BorderForm && BorderForm->BorderWindow()) {
    BorderForm->UpdateExBorders(false, CurrentAlpha);
  } else if (Wnd) {
    const LONG exStyle = GetWindowLongW(Wnd, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongW(Wnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    if (auto set = paint::SetLayeredWindowAttributesEntry()) set(Wnd, 0, CurrentAlpha, LWA_ALPHA);
  }
  CurrentAlpha = MoveAlphaDown(CurrentAlpha, TargetAlpha, AlphaStep);
}

}  // namespace skin
