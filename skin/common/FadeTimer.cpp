#include "skin/common/FadeTimer.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "classlib/controls/WinControl.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/sCommonData.h"
#include "skin/common/ControlUtils.h"
#include "skin/core/AppHooks.h"
#include "skin/core/MessageUtils.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

std::vector<TsFadeTimer*>& LiveFadeTimers() {
  static std::vector<TsFadeTimer*> timers;
  return timers;
}

bool IsLive(const TsFadeTimer* timer) {
  const auto& timers = LiveFadeTimers();
  return std::find(timers.begin(), timers.end(), timer) != timers.end();
}

bool applicationClosing = false;


// The frame goes onto the control's whole window (its cache includes the
// borders); a graphic control's onto its parent's window at its place.
void ShowFrame(TControl* control, TBitmap* frame) {
  HWND wnd = nullptr;
  POINT at{0, 0};
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (windowed->HandleAllocated()) wnd = windowed->Handle();
  } else if (TWinControl* parent = control->Parent(); parent && parent->HandleAllocated()) {
    wnd = parent->Handle();
    at = POINT{control->Left(), control->Top()};
  }
  HDC dc = wnd ? GetWindowDC(wnd) : nullptr;
  const int saved = dc ? SaveDC(dc) : 0;
  if (PerformSkinCommand(control, scPaintFadeFrame, reinterpret_cast<LPARAM>(frame)) == 0 && dc)
    BitBlt(dc, at.x, at.y, frame->Width(), frame->Height(), frame->Canvas()->Handle(), 0, 0, SRCCOPY);
  if (!dc) return;
  RestoreDC(dc, saved);
  ReleaseDC(wnd, dc);
}

HWND WindowOf(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  return windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

}  // namespace

TsFadeTimer::TsFadeTimer(TComponent* owner) : TTimer(owner) {
  LiveFadeTimers().push_back(this);
  SetEnabled(false);
  // The class library runs only a timer with a handler; the work is Timer().
  SetOnTimer([](TObject*) {});
}

TsFadeTimer::~TsFadeTimer() {
  auto& timers = LiveFadeTimers();
  timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void TsFadeTimer::Timer() {
  if (!SkinData || skin::Destroying(this)) return;
  TControl* control = SkinData->OwnerControl();
  if (control && !skin::Destroying(control)) {
    if (!ApplicationTerminating() && !paint::FadeGoesOn(Step, Iterations)) {
      // Stopped before telling the control, which may free this timer: an
      // ended fade that the control keeps neither ticks nor counts as running.
      SetEnabled(false);
      SendSkinCommand(control, scFadeStep, 0);
      return;
    }
  } else {
    Direction = paint::fdIdle;
    SetEnabled(false);
  }
  if (ApplicationClosing() || (Direction != paint::fdIn && Direction != paint::fdOut)) return;
  DoFadeStep(this);
}

int FadeTimerCount() { return static_cast<int>(LiveFadeTimers().size()); }

int RunningFadeCount() {
  const auto& timers = LiveFadeTimers();
  return static_cast<int>(std::count_if(timers.begin(), timers.end(), [](const TsFadeTimer* timer) {
    return timer->Enabled() && timer->Direction != paint::fdIdle;
  }));
}

bool ApplicationClosing() { return applicationClosing; }
void SetApplicationClosing(bool value) { applicationClosing = value; }

void WaitForRunningFades() {
  while (RunningFadeCount() > 0 && !ApplicationTerminating()) DelayWithMessages(10);
}

bool IsEventAnimated(TacAnimatEvent event, TacAnimatEvents events, TsSkinManager* manager) {
  if (!manager) manager = TsSkinManager::DefaultManager();
  const std::uint64_t buttonEvents = manager ? manager->AnimEffects()->Buttons()->Events().Mask() : 0;
  return paint::IsEventAnimated(event, events, buttonEvents);
}

void FadeToState(TsFadeTimer*& timer, TsCommonData* skinData, bool quick, std::uint8_t direction, bool allowed) {
  if (!skinData || !skinData->Skinned()) return;
  const TsGeneralData* section = skinData->Section();
  TControl* control = skinData->OwnerControl();
  if (!SkinLoading() && allowed && section && section->FadingEnabled && !ApplicationClosing() &&
      skinData->CacheBmp() && !skinData->BGChanged) {
    skinData->BGChanged = true;
    StartFade(timer, skinData, quick, direction);
  } else {
    skinData->BGChanged = true;
    StopFade(timer);
    if (control) control->Repaint();
  }
  UpdateGlow(skinData, quick, WindowOf(control));
}

void StartFade(TsFadeTimer*& timer, TsCommonData* skinData, bool quick, std::uint8_t direction) {
  const TsGeneralData* section = skinData ? skinData->Section() : nullptr;
  if (!section || !section->FadingEnabled) return;
  TControl* control = skinData->OwnerControl();
  const bool restarted = timer != nullptr;
  if (!timer) timer = New<TsFadeTimer>(control);
  const paint::TFadePlan plan =
      paint::StartFadePlan(restarted, timer->Direction, section->FadingIterations, quick);
  PrepareFade(timer, skinData);
  timer->Step = plan.Step;
  timer->Iterations = plan.Iterations;
  // The control's cache becomes the picture faded to.
  if (control) PerformSkinCommand(control, scPrepareCache, 0);
  SetDirection(timer, direction);
}

void StopFade(TsFadeTimer*& timer) {
  if (!timer) return;
  if (!Destroying(timer)) {
    timer->SetEnabled(false);
    timer->Direction = paint::fdIdle;
    delete timer;
  }
  timer = nullptr;
}

void DoFadeStep(TsFadeTimer* timer) {
  if (!timer || !timer->SkinData) return;
  TsCommonData* skinData = timer->SkinData;
  TControl* control = skinData->OwnerControl();
  if (!control || Destroying(control) || timer->Iterations == 0) return;
  if (!control->Enabled()) {
    timer->SetEnabled(false);
    timer->Iterations = 0;
    skinData->Invalidate(false);
    return;
  }
  std::unique_ptr<TBitmap> mix(paint::NewBitmap32(0, 0));
  mix->Assign(&timer->Bitmap);
  mix->SetPixelFormat(pf32bit);
  if (TBitmap* cache = skinData->CacheBmp())
    paint::BlendEqualBitmaps(mix.get(), cache, paint::FadeAlpha(timer->Step, timer->Iterations));
  ShowFrame(control, mix.get());
  // The control may have stopped its fade while showing the frame.
  if (IsLive(timer)) ++timer->Step;
}

void SetDirection(TsFadeTimer* timer, std::uint8_t direction) {
  if (!timer) return;
  timer->Direction = direction;
  if (timer->Step < 0) timer->Step = 1;
  timer->SetEnabled(direction != paint::fdIdle);
}

void PrepareFade(TsFadeTimer* timer, TsCommonData* skinData) {
  if (!timer || !skinData) return;
  timer->SkinData = skinData;
  TBitmap* cache = skinData->CacheBmp();
  TControl* control = skinData->OwnerControl();
  if (skinData->BGChanged && cache && cache->Empty() && control) SendSkinCommand(control, scPrepareCache, 0);
  if (cache) timer->Bitmap.Assign(cache);
  else timer->Bitmap.SetSize(0, 0);
  timer->SetInterval(10);
}

}  // namespace skin
