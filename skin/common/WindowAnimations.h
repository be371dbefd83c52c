#pragma once
// The animations that show and hide skinned forms and dialogs (fade, or
// zoom in mode atAero, through layered windows) and the change animation
// after a new skin. The frames' arithmetic is skin/core/AnimFrames.h; every
// frame goes through the layered push of skin/paint/LayeredPush_Gdi.h.
// Animations never raise: without an image or window they do nothing.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/manager/sSkinManagerOptions.h"

namespace skin {

class TsSkinnedForm;
class TsExtBorder;

// What the animations need of a skinned dialog's window adapter.
class TsAnimatedDialog {
 public:
  virtual ~TsAnimatedDialog() = default;
  virtual HWND Window() const = 0;
  // The skinned non-client picture; null when there is none.
  virtual classlib::TBitmap* CacheBmp() const = 0;
  // The extended-border form; null when none.
  virtual TsExtBorder* ExtBorder() const = 0;
  virtual void PaintNonClientArea() = 0;
  virtual int ClientOffsetX() const = 0;
  virtual int ClientOffsetY() const = 0;
  // How far the picture's top-left lies left of and above the dialog
  // window (0, 0 without extended borders).
  virtual POINT ExtBorderOffset() const = 0;
  virtual void ApplyWindowRegion(bool repaint) = 0;
  // Paints the client area into DC (already moved to the client offsets).
  virtual void PaintClientArea(HDC dc) = 0;
};

void AnimShowForm(TsSkinnedForm& provider, std::uint16_t time, std::uint8_t maxAlpha, TacAnimType mode);
void AnimShowDlg(TsAnimatedDialog& dialog, std::uint16_t time, std::uint8_t maxAlpha, TacAnimType mode);

// Fades (or shrinks) a layered copy out on the library's hide timer; the
// window and picture belong to the timer from here on. With no steps both
// are freed at once; while the application terminates the fade runs to its
// end before this returns. A fade still running is ended first.
void AnimHideWindow(std::unique_ptr<classlib::TWinControl> wnd, std::unique_ptr<classlib::TBitmap> bmp,
                    std::uint16_t time, TacAnimType mode, std::uint8_t maxAlpha);
void AnimHideForm(TsSkinnedForm& provider);
void AnimHideDlg(TsAnimatedDialog& dialog);
// The dialog's picture: from the screen (its client part opaque) or from
// its cache with the client area painted by the adapter.
std::unique_ptr<classlib::TBitmap> CopyWndImage(TsAnimatedDialog& dialog, bool fromScreen);
// The next hide starts on a new timer; the old one (owned by the
// application) runs to its end.
void ForgetHideTimer();
// Whether a hide fade is running now.
bool HideAnimationRunning();

// The change animation of a control after a new skin: a form fades its new
// picture in over the old; another control cross-fades on the cover window.
void AnimChange(classlib::TWinControl* control, std::uint16_t time, std::uint8_t maxAlpha, TacAnimType mode);
// Covers the control with its current screen picture (the cover window is
// made on first use, owned by the application, and sized to each control).
void ShowOutputWindow(classlib::TWinControl* control);
// The cover window of the running change animation; null when none.
HWND AnimationCoverWindow();

}  // namespace skin
