#pragma once
// What the skinned push button and the skinned bitmap button share: the
// visible state (normal, hot, pressed, default), the window procedure over
// the skin, the mouse and keyboard presses with their fades, and the paint
// through the cache bitmap with the window region of shaped borders. The
// buttons lay out and draw their own content (PrepareCache).
#include <windows.h>

#include <cstdint>
#include <memory>

#include "classlib/controls/Button.h"
#include "classlib/controls/BitBtn.h"
#include "classlib/menus/ImageList.h"
#include "skin/common/FadeTimer.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/core/CacheInfo.h"

namespace skin {

// Visible states of a button.
inline constexpr int kButtonNormal = 0;
inline constexpr int kButtonHot = 1;
inline constexpr int kButtonPressed = 2;
inline constexpr int kButtonDefault = 3;

// The section state a button state paints in: limited to the section's
// states, the default state shown hot when the section has fewer than 4.
int ButtonSectionState(int buttonState, int sectionStates);

// A window region value meaning "none applied yet".
inline const HRGN kNoRegionYet = reinterpret_cast<HRGN>(1);

template <class Base, int ControlClassCode>
class TsButtonBase : public TsSkinnedControl<Base, ControlClassCode> {
 public:
  explicit TsButtonBase(classlib::TComponent* owner);
  ~TsButtonBase() override;

  bool Down() const { return down_; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind value);
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value);
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int value) { focusMargin_ = value; }
  bool Reflected() const { return reflected_; }
  void SetReflected(bool value);
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents value) { animatEvents_ = value; }
  classlib::TNotifyEvent OnMouseEnter, OnMouseLeave;

  // 0 normal, 1 hot, 2 pressed, 3 default, from the window's button state,
  // Down and the mouse.
  int CurrentState() const;
  // The section state painted for CurrentState.
  int SkinState() const;
  // The running fade, null when none.
  TsFadeTimer* FadeTimer() const { return fadeTimer_; }
  // The image source; its changes repaint the button.
  classlib::TCustomImageList* Images() const { return images_; }
  void SetImages(classlib::TCustomImageList* value);

 protected:
  void CreateParams(classlib::TCreateParams& params) override;
  void Loaded() override;
  void WndProc(classlib::TMessage& message) override;
  void PaintHandler(classlib::TMessage& message) override;
  void MouseDown(classlib::TMouseButton button, classlib::TShiftState shift, int x, int y) override;
  void MouseUp(classlib::TMouseButton button, classlib::TShiftState shift, int x, int y) override;
  void SetButtonStyle(bool isDefault) override;
  void Notification(classlib::TComponent* component, classlib::TOperation operation) override;

  // The whole control image into the cache bitmap.
  virtual void PrepareCache() = 0;
  // Shown pressed whatever the mouse does.
  virtual bool HeldDown() const { return down_; }
  // Draws the button while it is not skinned (owner-draw in the system look).
  virtual void DrawUnskinned(const DRAWITEMSTRUCT& item) = 0;
  // An unskinned button repaints when the mouse enters or leaves it.
  virtual bool RepaintsUnskinnedHover() const { return true; }
  // The default-button look (from SetButtonStyle).
  bool ActiveLook() const { return active_; }

  // Cache preparation steps shared by both buttons. Background: the parent's
  // image into CI, the cache sized, the section's face painted.
  void PaintBackground(TacCacheInfo& ci, int skinState);
  // The border mask: with shaped corners (and StateChanged) a new window
  // region is made and the corners cut from it; Draw False makes only the
  // region. True when the mask is valid.
  bool PaintBorder(const TacCacheInfo& ci, int skinState, bool draw);
  // The border drawn over the content (no new region).
  void PaintBorderOver(const TacCacheInfo& ci, int skinState);
  // Hue and saturation of the skin data.
  void ApplyHueAndSaturation();
  // The disabled look and the end of the preparation.
  void FinishCache(const TacCacheInfo& ci);
  // The section's font colour for the state (normal block for state 0).
  classlib::TColor SectionFontColor(int skinState) const;
  bool ShapedBorder() const;
  // Stores a changed flag value and invalidates.
  void ChangeAndInvalidate(bool& field, bool value);
  void StopFadeNow() { StopFade(fadeTimer_); }

  bool down_ = false;
  bool stateChanged_ = true;
  bool mouseClicked_ = false;
  classlib::TCustomImageList* images_ = nullptr;

 private:
  // Printing paints whatever the locks say (PaintTo, WM_PRINT).
  void Paint(HDC givenDC, bool printing);
  void SetRegion(HRGN region);
  void DrawBorder(const TacCacheInfo& ci, int skinState);
  void DropRegion();
  // The state change of a press or release, after the system button has
  // taken it.
  void PressChanged(bool down);
  void RepaintState();
  void FocusChanged(classlib::TMessage& message, bool gained);
  bool Skinned() const { return this->SkinData()->Skinned(false); }
  bool Designing() const { return this->ComponentState().Contains(classlib::csDesigning); }

  TsDisabledKind disabledKind_ = paint::dgBlended;
  bool showFocus_ = true;
  int focusMargin_ = 1;
  bool reflected_ = false;
  TacAnimatEvents animatEvents_{paint::aeGlobalDef};
  TsFadeTimer* fadeTimer_ = nullptr;
  std::unique_ptr<classlib::TChangeLink> imageChangeLink_;
  HRGN region_ = kNoRegionYet;
  TRect lastBounds_{};
  bool partlyHidden_ = false;
  int paintedState_ = -1;
  bool systemChange_ = false;
  bool active_ = false;
  // A press (1) or release (2) to show once the system button has taken it.
  int pendingPress_ = 0;
};

}  // namespace skin
