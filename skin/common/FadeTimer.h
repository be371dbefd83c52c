#pragma once
// The cross-fade a skinned control shows when its visual state changes: a
// timer that keeps the old picture and, every 10 ms, mixes it with the
// control's current cache and puts the mix on the control's window, with
// less of the old picture each frame. The frame arithmetic is in
// skin/paint/FadeFrames.h; this is the per-control timer and its entries.
//
// A control that fades owns one TsFadeTimer* (null while no fade runs) and
// hands it to FadeToState, StopFade and DoFadeStep. It must answer the skin
// command 16 (the fade ended) by StopFade on its timer.
#include <cstdint>

#include "classlib/controls/Timer.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/FadeFrames.h"

namespace skin {

class TsCommonData;
class TsSkinManager;

using paint::TacAnimatEvent;
using paint::TacAnimatEvents;

class TsFadeTimer : public classlib::TTimer {
 public:
  explicit TsFadeTimer(classlib::TComponent* owner);
  ~TsFadeTimer() override;

  // One tick: ends the fade with command 16 once Step has passed
  // Iterations, else shows frame Step. Public so that callers (and tests)
  // can count frames rather than wait for them.
  void Timer() override;

  std::uint8_t Direction = paint::fdIdle;
  TsCommonData* SkinData = nullptr;  // not owned
  std::int32_t Iterations = 0;
  std::int32_t Step = 0;
  classlib::TBitmap Bitmap;  // the picture faded from
};

// The number of fade timers that exist.
int FadeTimerCount();
// The number of fades still running (enabled, with a direction). A timer
// that was stopped by its control's disabling or has ended is not counted,
// so the session-end wait never hangs on one.
int RunningFadeCount();

// Set while the session ends: no new fades start and no frames are drawn.
// The form-skinning window procedure sets it on WM_QUERYENDSESSION; it lives
// here because the controls' layer must read it and cannot see the forms'.
bool ApplicationClosing();
void SetApplicationClosing(bool value);
// Handles waiting messages while any fade runs, unless the application is
// terminating (the session-end wait of the form-skinning window procedure).
void WaitForRunningFades();

// Whether Event animates for a control animating Events; aeGlobalDef defers
// to the manager's button events (null: the default manager).
bool IsEventAnimated(TacAnimatEvent event, TacAnimatEvents events, TsSkinManager* manager);

// The entry of a control whose state changed. With fading allowed for the
// section and nothing against it, a fade in Direction starts from the
// current cache; otherwise a running fade stops and the control repaints.
// Quick halves the frames and forces the glow update.
void FadeToState(TsFadeTimer*& timer, TsCommonData* skinData, bool quick, std::uint8_t direction, bool allowed);
// Creates or restarts the timer (StartFadePlan), makes the control rebuild
// its cache (command 23), which becomes the picture faded to, and runs it.
void StartFade(TsFadeTimer*& timer, TsCommonData* skinData, bool quick, std::uint8_t direction);
// Frees a timer not already being destroyed; Timer becomes null.
void StopFade(TsFadeTimer*& timer);
// Frame Step onto the control's window, then Step + 1. A disabled control
// stops the fade instead and is repainted.
void DoFadeStep(TsFadeTimer* timer);
// Stores Direction (a negative Step becomes 1); enabled exactly when not idle.
void SetDirection(TsFadeTimer* timer, std::uint8_t direction);
// Takes the control's current cache as the picture faded from (asking the
// control to build it from its parent first when it is stale and empty) and
// sets the 10 ms interval. Step and Iterations are StartFade's.
void PrepareFade(TsFadeTimer* timer, TsCommonData* skinData);

}  // namespace skin
