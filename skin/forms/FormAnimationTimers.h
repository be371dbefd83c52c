#pragma once
// The timers of a skinned form's window animations. TacMinTimer flies a
// picture of the form to the taskbar while it fades (minimize) and back
// (restore); TacMoveTimer lowers the form's opacity while it is dragged.
// Both are the library's timer component; a test drives them with a fake
// inner timer.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "skin/common/LayeredImages.h"
#include "skin/core/FormAnimMath.h"
#include "skin/core/ThreadedTimer.h"

namespace skin {

class TsSkinnedForm;
class TsExtBorder;

// The shell's taskbar rectangle; false when there is no taskbar window.
// Replaceable (tests, and systems whose taskbar lies elsewhere).
using TacTaskbarQuery = std::function<bool(TRect& taskbar)>;
TacTaskbarQuery SetTaskbarQuery(TacTaskbarQuery query);

// The state bits the animations set on the provider.
inline constexpr std::uint32_t sfsMinimizing = 0x0100;
inline constexpr std::uint32_t sfsRestoring = 0x0400;

class TacMinTimer : public TacThreadedTimer {
 public:
  // Full alpha: the form's when it is alpha-blended, else 255.
  TacMinTimer(TsSkinnedForm& provider, int timeMs);
  ~TacMinTimer() override;

  // Reads the start (a fresh minimize) or keeps the flight where it
  // stands; makes the animation window when missing.
  void InitData();
  // A fresh minimize: full alpha, a new picture and start.
  void Reset();
  void CalcTarget();
  // The point the form flies to (an empty rectangle: the taskbar's edge).
  TRect GetTaskbarTarget() const;

  // The form's picture; the minimize takes it once.
  classlib::TBitmap* FormImage() const { return image_.get(); }
  void SetFormImage(std::unique_ptr<classlib::TBitmap> image) { image_ = std::move(image); }
  bool ImageReady() const { return image_ && !image_->Empty(); }
  HWND AnimationWindow() const;
  // Run after the restore's last step (the provider frees nothing itself).
  std::function<void()> OnRestored;
  std::function<void()> OnMinimized;

  int StepCount = 1;
  std::uint8_t FullAlpha = 255;
  std::uint8_t CurrentAlpha = 255;
  TRect StartRect, TargetRect;
  TacFlightRect Current;
  TacMinimizePlan Plan;
  TacTaskbarSide Side = tbsNone;

 protected:
  void TimeHandler() override;

 private:
  void PushFrame();
  void EndMinimize();
  void EndRestore();

  TsSkinnedForm& provider_;
  HWND wnd_ = nullptr;
  std::unique_ptr<classlib::TBitmap> image_;
  std::unique_ptr<classlib::TBitmap> work_;
  std::unique_ptr<TacLayeredWindow> snapshot_;
};

class TacMoveTimer : public TacThreadedTimer {
 public:
  explicit TacMoveTimer(TsSkinnedForm& provider);
  std::uint8_t TargetAlpha = 255;
  std::uint8_t CurrentAlpha = 255;
  std::uint8_t AlphaStep = 0;
  TsExtBorder* BorderForm = nullptr;
  HWND Wnd = nullptr;
  // One tick, public so that a test counts frames.
  void TimeHandler() override;
};

}  // namespace skin
