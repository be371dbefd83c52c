#pragma once
// The fade of one caption button: when the mouse enters, leaves or presses
// the button, its new look is rendered into a small layered window laid
// over the caption at the button's place, whose opacity rises or falls a
// step each tick; a hot close, maximize or minimize button may also shine
// beyond its rectangle (a glow) when the skin has the glow mask.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "classlib/controls/Timer.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/forms/sTitleObjects.h"

namespace skin {

class TsExtBorder;
class TsSkinManager;
class TacLayeredWindow;

// The library's tick of the caption-button fades.
inline constexpr unsigned TitleFadeTickMs = 12;
// The fade lengths the caption asks for: hover and leave fade, a press shows at once.
inline constexpr int TitleFadeSteps = 10;
inline constexpr int TitlePressSteps = 1;

class TacSBAnimation : public classlib::TTimer {
 public:
  explicit TacSBAnimation(classlib::TComponent* owner);
  ~TacSBAnimation() override;

  // Towards NewState (0 normal, 1 hot, 2 pressed) fading in (Growing) or
  // out. Nothing when the state is already the target.
  void ChangeState(int newState, bool growing);
  // One tick of the fade. Public so that tests count frames.
  void Timer() override;

  // Renders the button image when missing, places the glow window at the
  // glow rectangle and pushes the image with Alpha.
  void ShowFrame(std::uint8_t alpha);
  // The image of the button in its new state (32-bit, alpha).
  void PrepareImage();
  // The screen rectangle of the glow window.
  RECT GlowRect() const;
  // The glow's reach beyond the button: the skin's margin of a hot close,
  // maximize or minimize button when glowing is allowed; else 0.
  int GlowMargin() const;

  // The window showing the frames; null when none (before the first frame
  // and after the fade-out).
  HWND GlowWindow() const;
  const classlib::TBitmap* Image() const { return image_.get(); }
  bool Finished() const { return State == -1; }

  // Set by the creator.
  TsExtBorder* BorderForm = nullptr;  // positions are the border window's then
  TsSkinManager* SkinManager = nullptr;
  HWND OwnerWnd = nullptr;
  TsTitleButtonState* Button = nullptr;
  int Steps = 0;

  int Step = 0;
  int State = -1;  // the target state; -1 finished
  bool Growing = false;

 private:
  void CreateGlowWindow();
  void FreeFrames();
  void Finish();
  void CheckMouse();
  // The mask's picture for a glow around the button; -1 when none.
  int GlowMaskIndex() const;
  POINT OwnerOrigin() const;

  std::unique_ptr<TacLayeredWindow> glowWindow_;
  std::unique_ptr<classlib::TBitmap> image_;
  bool fadeInDone_ = false;
  int imageMargin_ = 0;  // how far the image reaches left of and above the button
};

}  // namespace skin
